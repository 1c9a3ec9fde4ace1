#include "ui/toolicons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <map>

namespace vorlane {

namespace {

// Every glyph is drawn on a 24 x 24 grid, then scaled.
void drawGlyph(QPainter &p, ToolIcons::Glyph glyph, const QColor &c)
{
    using G = ToolIcons::Glyph;
    QPen pen(c, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case G::Back:
        p.drawPolyline(QPolygonF({{15, 5}, {8, 12}, {15, 19}}));
        break;
    case G::Forward:
        p.drawPolyline(QPolygonF({{9, 5}, {16, 12}, {9, 19}}));
        break;
    case G::ChapterPrevious:
        p.drawPolyline(QPolygonF({{12, 6}, {6, 12}, {12, 18}}));
        p.drawPolyline(QPolygonF({{18, 6}, {12, 12}, {18, 18}}));
        break;
    case G::ChapterNext:
        p.drawPolyline(QPolygonF({{6, 6}, {12, 12}, {6, 18}}));
        p.drawPolyline(QPolygonF({{12, 6}, {18, 12}, {12, 18}}));
        break;
    case G::Home:
        p.drawPolyline(QPolygonF({{3, 12}, {12, 4}, {21, 12}}));
        p.drawPolyline(QPolygonF({{6, 10}, {6, 20}, {18, 20}, {18, 10}}));
        p.drawRect(QRectF(10.5, 14, 3, 6));
        break;
    case G::Contents:
        for (int i = 0; i < 3; ++i) {
            p.drawPoint(QPointF(5, 7 + 5 * i));
            p.drawLine(QPointF(9, 7 + 5 * i), QPointF(20, 7 + 5 * i));
        }
        break;
    case G::Atom:
        for (int a : {0, 60, 120}) {
            p.save();
            p.translate(12, 12);
            p.rotate(a);
            p.setPen(QPen(c, 1.5));
            p.drawEllipse(QPointF(0, 0), 10, 4);
            p.restore();
        }
        p.setBrush(c);
        p.drawEllipse(QPointF(12, 12), 2, 2);
        break;
    case G::Flask: {
        QPainterPath f;
        f.moveTo(9, 3);
        f.lineTo(9, 10);
        f.lineTo(4, 19);
        f.quadTo(3, 21, 6, 21);
        f.lineTo(18, 21);
        f.quadTo(21, 21, 20, 19);
        f.lineTo(15, 10);
        f.lineTo(15, 3);
        p.drawPath(f);
        p.drawLine(QPointF(7, 3), QPointF(17, 3));
        p.drawLine(QPointF(6.5, 15), QPointF(17.5, 15));
        break;
    }
    case G::Search:
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(20, 20));
        break;
    case G::Calculator:
        p.drawRoundedRect(QRectF(5, 3, 14, 18), 2, 2);
        p.drawRect(QRectF(8, 6, 8, 4));
        p.setBrush(c);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawEllipse(QPointF(8.5 + 3.5 * col, 14 + 3.5 * row), 0.8, 0.8);
        break;
    case G::Printer:
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        p.drawRect(QRectF(7, 14, 10, 7));
        break;
    case G::Help: {
        p.drawEllipse(QPointF(12, 12), 9, 9);
        QPainterPath q;
        q.moveTo(9, 9.5);
        q.cubicTo(9, 6, 15, 6, 15, 9.5);
        q.cubicTo(15, 12, 12, 12, 12, 14.5);
        p.drawPath(q);
        p.setBrush(c);
        p.drawEllipse(QPointF(12, 17.5), 1, 1);
        break;
    }
    case G::Quit:
        p.drawPolyline(QPolygonF({{13, 4}, {5, 4}, {5, 20}, {13, 20}}));
        p.drawLine(QPointF(10, 12), QPointF(21, 12));
        p.drawPolyline(QPolygonF({{17, 8}, {21, 12}, {17, 16}}));
        break;
    case G::Update:
        p.drawArc(QRectF(4, 4, 16, 16), 30 * 16, 240 * 16);
        p.drawPolyline(QPolygonF({{19, 3.5}, {19, 8.5}, {14, 8.5}}));
        break;
    case G::Globe:
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawEllipse(QPointF(12, 12), 4, 9);
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        break;
    case G::Test:
        p.drawRoundedRect(QRectF(5, 3, 14, 18), 2, 2);
        p.drawPolyline(QPolygonF({{8, 9}, {10, 11}, {14, 7}}));
        p.drawLine(QPointF(8, 15), QPointF(16, 15));
        p.drawLine(QPointF(8, 18), QPointF(13, 18));
        break;
    case G::Info:
        p.drawEllipse(QPointF(12, 12), 9, 9);
        p.drawLine(QPointF(12, 11), QPointF(12, 17));
        p.setBrush(c);
        p.drawEllipse(QPointF(12, 7.5), 1, 1);
        break;
    case G::Film:
        p.drawRoundedRect(QRectF(3, 6, 18, 12), 2, 2);
        p.setBrush(c);
        p.drawPolygon(QPolygonF({{10, 9}, {15, 12}, {10, 15}}));
        break;
    case G::Book:
        p.drawPolyline(QPolygonF({{12, 6}, {4, 4}, {4, 19}, {12, 21}, {20, 19}, {20, 4}, {12, 6}}));
        p.drawLine(QPointF(12, 6), QPointF(12, 21));
        break;
    case G::Star: {
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 4 : 9;
            const double a = -M_PI / 2 + i * M_PI / 5;
            star << QPointF(12 + r * std::cos(a), 12.5 + r * std::sin(a));
        }
        p.drawPolygon(star);
        break;
    }
    }
}

} // namespace

QPixmap ToolIcons::pixmap(Glyph glyph, int size, const QColor &colour, qreal devicePixelRatio)
{
    return paintedPixmap([glyph](QPainter &p, const QColor &c) { drawGlyph(p, glyph, c); }, 24, size, colour,
                         devicePixelRatio);
}

QPixmap ToolIcons::paintedPixmap(const Drawing &draw, int grid, int size, const QColor &colour,
                                 qreal devicePixelRatio)
{
    QPixmap pm(int(std::ceil(size * devicePixelRatio)), int(std::ceil(size * devicePixelRatio)));
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / grid, double(size) / grid);
    draw(p, colour);
    return pm;
}

namespace {

// Draws a picture when a size and mode of it is first asked for, at that size
// in device pixels: a window of forty buttons draws only what it shows (a
// disabled look only once a button is disabled), and sharp at any pixel ratio.
class PaintedIconEngine final : public QIconEngine {
public:
    PaintedIconEngine(ToolIcons::Drawing draw, int grid, const QColor &colour)
        : m_draw(std::move(draw)), m_grid(grid), m_colour(colour)
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return QPixmap();
        const bool disabled = mode == QIcon::Disabled;
        QPixmap &drawn = m_drawn[{side, disabled}];
        if (drawn.isNull())
            drawn = ToolIcons::paintedPixmap(m_draw, m_grid, side,
                                             disabled ? QColor(0xa8, 0xb0, 0xbd) : m_colour, 1.0);
        return drawn;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }
    QIconEngine *clone() const override { return new PaintedIconEngine(*this); }

private:
    ToolIcons::Drawing m_draw;
    int m_grid;
    QColor m_colour;
    std::map<std::pair<int, bool>, QPixmap> m_drawn;
};

} // namespace

QIcon ToolIcons::icon(Glyph glyph, const QColor &colour)
{
    return painted([glyph](QPainter &p, const QColor &c) { drawGlyph(p, glyph, c); }, 24, colour);
}

QIcon ToolIcons::painted(Drawing draw, int grid, const QColor &colour)
{
    return QIcon(new PaintedIconEngine(std::move(draw), grid, colour));
}

} // namespace vorlane
