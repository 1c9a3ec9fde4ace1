#include "ui/exopictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

namespace vorlane {

namespace {

QImage canvas(int size, qreal dpr)
{
    QImage image(QSize(size, size) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage ExoPictures::face(int n, int size, qreal dpr)
{
    n = std::clamp(n, 1, 7);
    QImage image = canvas(size, dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // From red through orange and yellow to green.
    static const QColor colours[7] = {QColor(220, 40, 40),  QColor(235, 100, 40), QColor(245, 160, 40),
                                      QColor(245, 210, 50), QColor(190, 215, 50), QColor(120, 200, 60),
                                      QColor(40, 180, 70)};
    const qreal s = size;
    const QRectF head(s * 0.06, s * 0.06, s * 0.88, s * 0.88);
    p.setPen(QPen(QColor(60, 40, 20), s * 0.05));
    p.setBrush(colours[n - 1]);
    p.drawEllipse(head);

    // Eyes; the worst faces have slanted brows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 25, 10));
    const qreal eyeY = s * 0.38;
    p.drawEllipse(QPointF(s * 0.36, eyeY), s * 0.055, s * 0.075);
    p.drawEllipse(QPointF(s * 0.64, eyeY), s * 0.055, s * 0.075);
    QPen line(QColor(40, 25, 10), s * 0.055, Qt::SolidLine, Qt::RoundCap);
    p.setPen(line);
    if (n <= 2) {
        p.drawLine(QPointF(s * 0.26, s * 0.22), QPointF(s * 0.42, s * 0.28));
        p.drawLine(QPointF(s * 0.74, s * 0.22), QPointF(s * 0.58, s * 0.28));
    }

    // Mouth: curvature from a deep frown (1) through a straight line (4) to a
    // wide smile (7).
    const qreal curve = (n - 4) / 3.0; // -1 .. 1
    const qreal mouthY = s * 0.66;
    const qreal half = s * (0.17 + 0.05 * std::abs(curve));
    QPainterPath mouth;
    mouth.moveTo(s * 0.5 - half, mouthY - curve * s * 0.05);
    mouth.quadTo(QPointF(s * 0.5, mouthY + curve * s * 0.17),
                 QPointF(s * 0.5 + half, mouthY - curve * s * 0.05));
    if (n == 7) {
        // An open grin.
        mouth.closeSubpath();
        p.setBrush(QColor(120, 20, 20));
        p.drawPath(mouth);
    } else {
        p.setBrush(Qt::NoBrush);
        p.drawPath(mouth);
    }
    if (n == 1) {
        // A tear.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(80, 160, 255));
        p.drawEllipse(QPointF(s * 0.30, s * 0.52), s * 0.04, s * 0.06);
    }
    return image;
}

QImage ExoPictures::mark(bool inSolution, int size, qreal dpr)
{
    QImage image = canvas(size, dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    if (inSolution) {
        p.setPen(QPen(QColor(0, 150, 60), s * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(s * 0.15, s * 0.55);
        tick.lineTo(s * 0.40, s * 0.80);
        tick.lineTo(s * 0.85, s * 0.20);
        p.drawPath(tick);
    } else {
        p.setPen(QPen(QColor(210, 30, 30), s * 0.16, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.22, s * 0.22), QPointF(s * 0.78, s * 0.78));
        p.drawLine(QPointF(s * 0.78, s * 0.22), QPointF(s * 0.22, s * 0.78));
    }
    return image;
}

QImage ExoPictures::blink(int which, int size, qreal dpr)
{
    QImage image = canvas(size, dpr);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A five-pointed star, gold then white-gold.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0 ? 0.46 : 0.2) * s;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(s / 2 + r * std::cos(a), s / 2 + r * std::sin(a));
        if (i == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(180, 120, 0), s * 0.04));
    p.setBrush(which == 1 ? QColor(255, 200, 0) : QColor(255, 245, 170));
    p.drawPath(star);
    return image;
}

} // namespace vorlane
