#include "core/render/imagelists.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {

// Tile colours of the icon families.
const QColor kBlue(45, 108, 192);
const QColor kTeal(26, 128, 122);
const QColor kPurple(122, 79, 192);
const QColor kRed(196, 58, 58);
const QColor kSlate(74, 90, 112);
const QColor kGreen(44, 150, 72);
const QColor kOrange(220, 128, 36);
const QColor kIndigo(75, 79, 184);
const QColor kCyan(24, 140, 176);
const QColor kSun(250, 206, 80);

QColor tileColour(ImageLists::Icon icon)
{
    using I = ImageLists::Icon;
    switch (icon) {
    case I::RightArrow:
    case I::LeftArrow:
    case I::UpArrow:
    case I::DownArrow:
    case I::Home:
    case I::Link:
    case I::Info:
        return kBlue;
    case I::Book:
    case I::Pencil:
        return kTeal;
    case I::Question:
        return kPurple;
    case I::Video:
        return kRed;
    case I::Calculator:
    case I::Magnifier:
    case I::Printer:
        return kSlate;
    case I::Picture:
    case I::Check:
    case I::Flask:
        return kGreen;
    case I::Warning:
        return kOrange;
    case I::Atom:
        return kIndigo;
    case I::Wave:
        return kCyan;
    }
    return kBlue;
}

// The painter works in a 32 x 32 unit square whatever the icon's size.
class Glyph {
public:
    Glyph(QPainter &p, QColor tile) : m_p(p), m_tile(tile) {}

    void tile()
    {
        QLinearGradient g(0, 1, 0, 31);
        g.setColorAt(0, m_tile.lighter(135));
        g.setColorAt(1, m_tile);
        m_p.setPen(QPen(m_tile.darker(125), 1.0));
        m_p.setBrush(g);
        m_p.drawRoundedRect(QRectF(1, 1, 30, 30), 7, 7);
    }
    void stroke(const QPainterPath &path, double width = 2.8, QColor colour = Qt::white)
    {
        m_p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_p.setBrush(Qt::NoBrush);
        m_p.drawPath(path);
    }
    void polyline(std::initializer_list<QPointF> points, double width = 2.8, QColor colour = Qt::white)
    {
        QPainterPath path;
        bool first = true;
        for (const QPointF &pt : points) {
            if (first)
                path.moveTo(pt);
            else
                path.lineTo(pt);
            first = false;
        }
        stroke(path, width, colour);
    }
    void fill(const QPainterPath &path, QColor colour = Qt::white)
    {
        m_p.setPen(Qt::NoPen);
        m_p.setBrush(colour);
        m_p.drawPath(path);
    }
    void fillPolygon(std::initializer_list<QPointF> points, QColor colour = Qt::white)
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points)));
        path.closeSubpath();
        fill(path, colour);
    }
    void fillRect(const QRectF &r, QColor colour = Qt::white, double radius = 0)
    {
        QPainterPath path;
        path.addRoundedRect(r, radius, radius);
        fill(path, colour);
    }
    void dot(QPointF centre, double r, QColor colour = Qt::white)
    {
        QPainterPath path;
        path.addEllipse(centre, r, r);
        fill(path, colour);
    }
    QColor dark() const { return m_tile.darker(115); }
    QPainter &painter() { return m_p; }

private:
    QPainter &m_p;
    QColor m_tile;
};

void drawGlyph(Glyph &g, ImageLists::Icon icon)
{
    using I = ImageLists::Icon;
    switch (icon) {
    case I::RightArrow:
        g.polyline({{8, 16}, {23.5, 16}}, 3.2);
        g.polyline({{17, 9.5}, {23.5, 16}, {17, 22.5}}, 3.2);
        break;
    case I::LeftArrow:
        g.polyline({{24, 16}, {8.5, 16}}, 3.2);
        g.polyline({{15, 9.5}, {8.5, 16}, {15, 22.5}}, 3.2);
        break;
    case I::UpArrow:
        g.polyline({{16, 24}, {16, 8.5}}, 3.2);
        g.polyline({{9.5, 15}, {16, 8.5}, {22.5, 15}}, 3.2);
        break;
    case I::DownArrow:
        g.polyline({{16, 8}, {16, 23.5}}, 3.2);
        g.polyline({{9.5, 17}, {16, 23.5}, {22.5, 17}}, 3.2);
        break;
    case I::Book: {
        g.fillPolygon({{15.2, 10}, {6, 8}, {6, 23}, {15.2, 25}});
        g.fillPolygon({{16.8, 10}, {26, 8}, {26, 23}, {16.8, 25}});
        const QColor ink = g.dark();
        for (double y : {12.5, 16.0, 19.5}) {
            g.polyline({{8.5, y - 1.5}, {13, y - 0.5}}, 1.3, ink);
            g.polyline({{19, y - 0.5}, {23.5, y - 1.5}}, 1.3, ink);
        }
        break;
    }
    case I::Question: {
        QPainterPath path;
        path.moveTo(10.8, 12);
        path.arcTo(QRectF(10.5, 6.5, 11, 11), 170, -240);
        path.cubicTo(18.5, 17.6, 16, 18.2, 16, 20.5);
        g.stroke(path, 3.2);
        g.dot({16, 25}, 2.0);
        break;
    }
    case I::Video:
        g.fillRect(QRectF(5, 10.5, 15, 11), Qt::white, 2.5);
        g.fillPolygon({{19, 16}, {27, 10.5}, {27, 21.5}});
        g.dot({9, 14}, 1.5, g.dark());
        break;
    case I::Calculator: {
        g.fillRect(QRectF(8.5, 5, 15, 22), Qt::white, 2.5);
        const QColor ink = g.dark();
        g.fillRect(QRectF(11, 7.5, 10, 4.5), ink, 1);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 3; ++col)
                g.fillRect(QRectF(11 + col * 3.6, 14.5 + row * 3.8, 2.6, 2.6), ink, 0.6);
        }
        break;
    }
    case I::Picture: {
        g.fillRect(QRectF(5, 7.5, 22, 17), Qt::white, 2);
        g.fillPolygon({{7, 22.5}, {13, 14}, {17.5, 19.5}, {20.5, 16.5}, {25, 22.5}}, g.dark());
        g.dot({21, 11.5}, 2.2, kSun);
        break;
    }
    case I::Info:
        g.dot({16, 8.8}, 2.4);
        g.fillRect(QRectF(13.8, 13, 4.4, 12), Qt::white, 1.2);
        g.fillRect(QRectF(11.5, 13, 6, 2.4), Qt::white, 1);
        g.fillRect(QRectF(11.5, 23, 9, 2.4), Qt::white, 1);
        break;
    case I::Warning: {
        QPainterPath tri;
        tri.moveTo(16, 5.5);
        tri.lineTo(27, 25);
        tri.lineTo(5, 25);
        tri.closeSubpath();
        g.stroke(tri, 2.4);
        g.fill(tri);
        const QColor ink = QColor(120, 60, 0);
        g.polyline({{16, 12}, {16, 18.5}}, 3.0, ink);
        g.dot({16, 22}, 1.7, ink);
        break;
    }
    case I::Check:
        g.polyline({{7.5, 16.5}, {13.5, 22.5}, {24.5, 9.5}}, 4.0);
        break;
    case I::Home:
        g.polyline({{5.5, 16}, {16, 6.5}, {26.5, 16}}, 3.0);
        g.fillRect(QRectF(9, 15, 14, 11), Qt::white, 1);
        g.fillRect(QRectF(14.2, 19, 3.6, 7), g.dark(), 0.8);
        break;
    case I::Magnifier: {
        QPainterPath lens;
        lens.addEllipse(QPointF(13.5, 13.5), 6.5, 6.5);
        g.stroke(lens, 3.0);
        g.polyline({{18.5, 18.5}, {25, 25}}, 4.2);
        break;
    }
    case I::Printer: {
        g.fillRect(QRectF(10, 5.5, 12, 6), Qt::white, 1);
        g.fillRect(QRectF(5, 11.5, 22, 10), Qt::white, 2.5);
        const QColor ink = g.dark();
        g.fillRect(QRectF(8.5, 18, 15, 1.6), ink);
        g.fillRect(QRectF(10, 19.6, 12, 7.5), Qt::white, 0.8);
        g.polyline({{12.5, 22.5}, {19.5, 22.5}}, 1.2, ink);
        g.polyline({{12.5, 25}, {17.5, 25}}, 1.2, ink);
        g.dot({23.5, 14.5}, 1.2, ink);
        break;
    }
    case I::Link: {
        QPainter &p = g.painter();
        p.save();
        p.translate(16, 16);
        p.rotate(-45);
        for (double cx : {-5.0, 5.0}) {
            QPainterPath ring;
            ring.addRoundedRect(QRectF(cx - 7, -4, 14, 8), 4, 4);
            g.stroke(ring, 2.6);
        }
        p.restore();
        break;
    }
    case I::Pencil: {
        QPainter &p = g.painter();
        p.save();
        p.translate(16, 16);
        p.rotate(-45);
        g.fillRect(QRectF(-12, -3.8, 17, 7.6), Qt::white, 1.2);
        g.fillPolygon({{5, -3.8}, {12.5, 0}, {5, 3.8}});
        g.fillPolygon({{9.7, -1.4}, {12.5, 0}, {9.7, 1.4}}, g.dark());
        g.polyline({{-7.5, -3.8}, {-7.5, 3.8}}, 1.5, g.dark());
        p.restore();
        break;
    }
    case I::Flask: {
        QPainterPath glass;
        glass.moveTo(13.3, 6);
        glass.lineTo(13.3, 13);
        glass.lineTo(6.5, 25.5);
        glass.lineTo(25.5, 25.5);
        glass.lineTo(18.7, 13);
        glass.lineTo(18.7, 6);
        g.stroke(glass, 2.2);
        g.polyline({{11.5, 6}, {20.5, 6}}, 2.2);
        g.fillPolygon({{10.3, 19}, {21.7, 19}, {25.5, 25.5}, {6.5, 25.5}});
        break;
    }
    case I::Atom: {
        QPainter &p = g.painter();
        for (double angle : {0.0, 60.0, 120.0}) {
            p.save();
            p.translate(16, 16);
            p.rotate(angle);
            QPainterPath orbit;
            orbit.addEllipse(QPointF(0, 0), 11, 4.2);
            g.stroke(orbit, 1.7);
            p.restore();
        }
        g.dot({16, 16}, 2.6);
        break;
    }
    case I::Wave: {
        QPainterPath wave;
        for (int i = 0; i <= 44; ++i) {
            const double x = 5 + i * 0.5;
            const double y = 16 - 6.5 * std::sin((x - 5) / 22.0 * 3 * M_PI);
            if (i == 0)
                wave.moveTo(x, y);
            else
                wave.lineTo(x, y);
        }
        g.stroke(wave, 2.8);
        break;
    }
    }
}

} // namespace

int ImageLists::iconSizePx(int list)
{
    return list == 1 ? 20 : list == 2 ? 32 : 0;
}

std::optional<ImageLists::Icon> ImageLists::iconAt(int index)
{
    if (index < 1)
        return std::nullopt;
    return Icon((index - 1) % kIconCount + 1);
}

QString ImageLists::iconName(Icon icon)
{
    switch (icon) {
    case Icon::RightArrow:
        return QString::fromUtf8("flèche droite");
    case Icon::LeftArrow:
        return QString::fromUtf8("flèche gauche");
    case Icon::UpArrow:
        return QString::fromUtf8("flèche haut");
    case Icon::DownArrow:
        return QString::fromUtf8("flèche bas");
    case Icon::Book:
        return QStringLiteral("livre");
    case Icon::Question:
        return QStringLiteral("test");
    case Icon::Video:
        return QString::fromUtf8("vidéo");
    case Icon::Calculator:
        return QStringLiteral("calculatrice");
    case Icon::Picture:
        return QStringLiteral("image");
    case Icon::Info:
        return QStringLiteral("information");
    case Icon::Warning:
        return QStringLiteral("attention");
    case Icon::Check:
        return QStringLiteral("correct");
    case Icon::Home:
        return QStringLiteral("accueil");
    case Icon::Magnifier:
        return QStringLiteral("recherche");
    case Icon::Printer:
        return QStringLiteral("imprimante");
    case Icon::Link:
        return QStringLiteral("lien");
    case Icon::Pencil:
        return QStringLiteral("crayon");
    case Icon::Flask:
        return QStringLiteral("chimie");
    case Icon::Atom:
        return QStringLiteral("physique");
    case Icon::Wave:
        return QStringLiteral("onde");
    }
    return {};
}

QImage ImageLists::draw(Icon icon, int sizePx, qreal devicePixelRatio)
{
    if (sizePx < 1 || !std::isfinite(devicePixelRatio) || devicePixelRatio < 0.25 || devicePixelRatio > 8)
        return {};
    const int side = std::max(1, int(std::lround(sizePx * devicePixelRatio)));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(side / 32.0, side / 32.0);
        Glyph g(p, tileColour(icon));
        g.tile();
        drawGlyph(g, icon);
    }
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QImage ImageLists::icon(int list, int index, qreal devicePixelRatio)
{
    const int size = iconSizePx(list);
    const auto which = iconAt(index);
    if (size == 0 || !which || !std::isfinite(devicePixelRatio))
        return {};
    const quint64 key = (quint64(list) << 40) | (quint64(int(*which)) << 32) |
                        quint64(std::lround(std::clamp(devicePixelRatio, 0.0, 100.0) * 1000));
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return *it;
    QImage image = draw(*which, size, devicePixelRatio);
    m_cache.insert(key, image);
    return image;
}

std::optional<vorlane::Picture> ImageLists::picture(int list, int index, qreal devicePixelRatio)
{
    QImage image = icon(list, index, devicePixelRatio);
    if (image.isNull())
        return std::nullopt;
    return vorlane::Picture{std::move(image), QStringLiteral("ImageList%1:%2").arg(list).arg(index)};
}

} // namespace vorlane
