// Draws the cover picture of the bundled course (sample/data/couvT.jpg) with
// QPainter. Built and run by scripts/make-cover.sh; the picture is committed.

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 320;

QPainterPath wave(double x0, double x1, double y, double amplitude, double wavelength, double phase)
{
    QPainterPath path;
    for (int i = 0; i <= 240; ++i) {
        const double x = x0 + (x1 - x0) * i / 240.0;
        const double v = y - amplitude * std::sin(2 * M_PI * (x - x0) / wavelength + phase);
        if (i == 0)
            path.moveTo(x, v);
        else
            path.lineTo(x, v);
    }
    return path;
}

void atom(QPainter &p, QPointF c, double r)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 227, 176, 220), 2));
    for (int angle : {0, 60, 120}) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        p.drawEllipse(QPointF(0, 0), r, r * 0.36);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(angle == 60 ? -r : r, 0), 4, 4);
        p.restore();
        p.setPen(QPen(QColor(255, 227, 176, 220), 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x9d, 0x3a));
    p.drawEllipse(c, 9, 9);
}

void flask(QPainter &p, double x, double y)
{
    QPainterPath outline;
    outline.moveTo(x - 9, y);
    outline.lineTo(x - 9, y + 34);
    outline.lineTo(x - 44, y + 88);
    outline.quadTo(x - 48, y + 94, x - 38, y + 94);
    outline.lineTo(x + 38, y + 94);
    outline.quadTo(x + 48, y + 94, x + 44, y + 88);
    outline.lineTo(x + 9, y + 34);
    outline.lineTo(x + 9, y);

    QPainterPath liquid;
    liquid.moveTo(x - 27, y + 62);
    liquid.lineTo(x + 27, y + 62);
    liquid.lineTo(x + 44, y + 88);
    liquid.quadTo(x + 48, y + 94, x + 38, y + 94);
    liquid.lineTo(x - 38, y + 94);
    liquid.quadTo(x - 48, y + 94, x - 44, y + 88);
    liquid.closeSubpath();

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x9d, 0x3a, 190));
    p.drawPath(liquid);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(x - 8, y + 78), 3, 3);
    p.drawEllipse(QPointF(x + 6, y + 70), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(outline);
}

void text(QPainter &p, const QString &s, const QRectF &box, const QFont &font, const QColor &colour,
          Qt::Alignment align = Qt::AlignHCenter | Qt::AlignVCenter)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, int(align), s);
}

QFont font(const char *family, int px, bool bold = false, bool italic = false)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0x15, 0x29, 0x4f));
    sky.setColorAt(1, QColor(0x2b, 0x5d, 0x8c));
    p.fillRect(image.rect(), sky);

    QLinearGradient band(0, 0, kWidth, 0);
    band.setColorAt(0, QColor(0xff, 0xb3, 0x47));
    band.setColorAt(1, QColor(0xff, 0x7e, 0x5f));
    p.fillRect(QRectF(0, 26, kWidth, 6), band);
    p.fillRect(QRectF(0, kHeight - 8, kWidth, 8), band);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 207, 122, 230), 3));
    p.drawPath(wave(0, kWidth, 252, 14, 120, 0));
    p.setPen(QPen(QColor(143, 211, 255, 180), 2));
    p.drawPath(wave(0, kWidth, 252, 8, 120, M_PI / 2));

    atom(p, QPointF(392, 122), 52);
    flask(p, 78, 132);

    text(p, QStringLiteral("Physique"), QRectF(0, 48, kWidth, 46), font("Liberation Sans", 40, true), Qt::white);
    text(p, QStringLiteral("Chimie"), QRectF(0, 92, kWidth, 46), font("Liberation Sans", 40, true), Qt::white);
    text(p, QStringLiteral("Terminale S"), QRectF(0, 144, kWidth, 26), font("Liberation Sans", 20),
         QColor(0xff, 0xd9, 0xa0));
    const QFont formula = font("Liberation Serif", 17, false, true);
    const QColor pale(0xcf, 0xe6, 0xff);
    text(p, QStringLiteral("E = mc²"), QRectF(24, 280, 120, 24), formula, pale, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QString::fromUtf8("λ = v·T"), QRectF(170, 280, 120, 24), formula, pale, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QString::fromUtf8("pH = −log [H₃O⁺]"), QRectF(300, 280, 170, 24), formula, pale,
         Qt::AlignLeft | Qt::AlignVCenter);
    QFont brand = font("Liberation Sans", 13, true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    text(p, QStringLiteral("VORLANE"), QRectF(0, 4, kWidth - 16, 20), brand, QColor(0xff, 0xcf, 0x7a),
         Qt::AlignRight | Qt::AlignVCenter);
    p.end();

    return image.save(QString::fromLocal8Bit(argv[1]), "JPG", 92) ? 0 : 1;
}
