#include "core/surface/paintedsurface.h"

#include "core/surface/fontmapper.h"
#include "core/surface/twips.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace vorlane {

namespace {

// Logical pixels beyond which nothing is drawn: far outside any surface, and small
// enough for every engine's fixed-point arithmetic.
constexpr double kLimit = 1.0e6;
// Shapes kept for the AND emulation; a printed page holds far fewer.
constexpr std::size_t kMaxRemembered = 20000;

bool finite(double v)
{
    return std::isfinite(v);
}

double clampPx(double v)
{
    return std::clamp(v, -kLimit, kLimit);
}

// The pixel cell a twip coordinate falls in.
double cellOf(double twips)
{
    return clampPx(std::floor(twips / kTwipsPerPixel + 0.5));
}

// Start and end of the band a pen of thickness t covers across cell c. Whole
// thicknesses stay on whole pixels so that lines are sharp.
std::pair<double, double> band(double c, double t)
{
    const double w = std::round(t);
    if (w >= 1 && std::abs(t - w) < 1e-6) {
        const double o = std::floor((w - 1) / 2);
        return {c - o, c - o + w};
    }
    return {c + 0.5 - t / 2, c + 0.5 + t / 2};
}

QColor andColour(const QColor &a, const QColor &b)
{
    return QColor(a.red() & b.red(), a.green() & b.green(), a.blue() & b.blue());
}

QImage andImage(const QImage &source, const QColor &c)
{
    QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = qRgba(c.red(), c.green(), c.blue(), 255);
    for (int y = 0; y < img.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            row[x] &= mask;
    }
    return img;
}

// Liang-Barsky: cuts the segment to the rectangle; false when nothing is left.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &r)
{
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

} // namespace

// One drawing primitive in logical pixels, as painted (and, where AND has to be
// emulated, as painted again under a later fill).
struct PaintedSurface::Shape {
    enum class Kind { Rects, Stroke, FillPath, Text, Image };
    Kind kind = Kind::Rects;
    QRectF bounds;
    QColor colour;
    bool smooth = false; // antialiased in DrawMode 13
    QList<QRectF> rects;
    QPainterPath path;
    double penWidth = 1;
    Qt::PenCapStyle cap = Qt::SquareCap;
    QFont font;
    // A piece of text at its baseline origin, with its glyphs when it can be
    // drawn from them.
    struct Piece {
        QPointF origin;
        QString text;
        std::optional<QGlyphRun> glyphs;
    };
    QList<Piece> runs;
    QImage image;
    bool smoothScale = false;
};

PaintedSurface::PaintedSurface(QString name, std::shared_ptr<const TextMeasurer> measurer)
    : m_name(std::move(name)), m_measurer(std::move(measurer))
{
    if (!m_measurer)
        m_measurer = std::make_shared<FontMeasurer>();
    m_realFonts = dynamic_cast<const FontMeasurer *>(m_measurer.get()) != nullptr;
}

PaintedSurface::~PaintedSurface() = default;

double PaintedSurface::textWidth(const QString &text) const
{
    // Every FontMeasurer measures alike: with the real fonts the width comes from
    // the run as it will be drawn.
    if (!m_realFonts)
        return m_measurer->width(m_font, text);
    if (text.isEmpty())
        return 0;
    return shaped(FontMapper::mapText(m_font.name, text)).advance * kTwipsPerPixel;
}

const ShapedRun &PaintedSurface::shaped(const QString &drawn) const
{
    if (m_runsKey.isEmpty() || m_font.size != m_runsFont.size || m_font.bold != m_runsFont.bold ||
        m_font.italic != m_runsFont.italic || m_font.name != m_runsFont.name) {
        m_runsFont = m_font;
        m_runsFont.underline = false;
        m_runsKey = FontMeasurer::fontKey(m_runsFont);
    }
    return m_runs.run(m_runsKey, m_fonts.font(m_runsFont), drawn);
}

double PaintedSurface::textHeight(const QString &text) const
{
    return m_measurer->height(m_font, text);
}

void PaintedSurface::paintShape(QPainter &p, const Shape &s, const QColor &colour, bool rasterAnd) const
{
    p.setCompositionMode(rasterAnd ? QPainter::RasterOp_SourceAndDestination
                                   : QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::Antialiasing, s.smooth && !rasterAnd);
    switch (s.kind) {
    case Shape::Kind::Rects:
        for (const QRectF &r : s.rects)
            p.fillRect(r, colour);
        break;
    case Shape::Kind::Stroke:
        p.setPen(QPen(colour, s.penWidth, Qt::SolidLine, s.cap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s.path);
        break;
    case Shape::Kind::FillPath:
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(s.path);
        break;
    case Shape::Kind::Text:
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(s.font);
        p.setPen(colour);
        for (const Shape::Piece &piece : s.runs) {
            // Glyphs placed by drawText and by drawGlyphRun land on the same pixels
            // only on the raster engine without any transformation, and
            // drawGlyphRun underlines in its own way.
            if (piece.glyphs && !s.font.underline() && p.paintEngine() &&
                p.paintEngine()->type() == QPaintEngine::Raster && p.combinedTransform().isIdentity() &&
                p.device()->devicePixelRatio() == 1)
                p.drawGlyphRun(piece.origin, *piece.glyphs);
            else
                p.drawText(piece.origin, piece.text);
        }
        // the shafts of long arrows
        p.setRenderHint(QPainter::Antialiasing, true);
        for (const QRectF &r : s.rects)
            p.fillRect(r, colour);
        break;
    case Shape::Kind::Image:
        p.setRenderHint(QPainter::SmoothPixmapTransform, s.smoothScale);
        if (colour != s.colour)
            p.drawImage(s.bounds, andImage(s.image, colour));
        else
            p.drawImage(s.bounds, s.image);
        break;
    }
}

void PaintedSurface::draw(Shape shape, bool andMode)
{
    QPainter *p = beginPaint();
    if (!p)
        return;
    const bool raster = p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Raster;
    if (raster || !andMode) {
        paintShape(*p, shape, shape.colour, andMode && raster);
    } else if (shape.kind == Shape::Kind::Rects) {
        // No raster operations here: paint the fill, then what lies under it again,
        // inside it, with its colour ANDed with the fill's.
        paintShape(*p, shape, shape.colour, false);
        for (const QRectF &r : std::as_const(shape.rects)) {
            for (const auto &under : m_drawn) {
                if (!under->bounds.intersects(r))
                    continue;
                p->save();
                p->setClipRect(r, Qt::IntersectClip);
                paintShape(*p, *under, andColour(under->colour, shape.colour), false);
                p->restore();
            }
        }
    } else {
        paintShape(*p, shape, shape.colour, false);
    }
    if (!raster)
        remember(shape);
    endPaint();
}

void PaintedSurface::remember(const Shape &shape)
{
    if (m_drawn.size() >= kMaxRemembered)
        m_drawn.erase(m_drawn.begin(), m_drawn.begin() + std::ptrdiff_t(kMaxRemembered / 2));
    m_drawn.push_back(std::make_shared<Shape>(shape));
}

void PaintedSurface::forgetDrawn()
{
    m_drawn.clear();
    m_runs.clear();
}

void PaintedSurface::fillWhite()
{
    forgetDrawn();
    QPainter *p = beginPaint();
    if (!p)
        return;
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::Antialiasing, false);
    p->fillRect(paintArea(), Qt::white);
    endPaint();
}

void PaintedSurface::print(const QString &text)
{
    if (text.isEmpty())
        return;
    const double x = m_currentX / kTwipsPerPixel;
    const double y = m_currentY / kTwipsPerPixel;
    if (finite(x) && finite(y) && std::abs(x) < kLimit && std::abs(y) < kLimit) {
        Shape s;
        s.kind = Shape::Kind::Text;
        s.colour = m_foreColor;
        s.font = m_fonts.font(m_font);
        const QString drawn = FontMapper::mapText(m_font.name, text);
        const double baseline = y + m_fonts.ascentPixels(m_font);
        const ShapedRun &run = shaped(drawn);
        const double w = run.advance;
        layoutText(s, drawn, run.glyphs, x, baseline);
        const double h = m_fonts.height(m_font, text) / kTwipsPerPixel;
        // Italic overhangs and underlines may reach a little outside the cell.
        s.bounds = QRectF(x, y, w, h).adjusted(-h / 4, 0, h / 4, h / 8);
        if (s.bounds.intersects(paintArea()))
            draw(std::move(s), false);
    }
    m_currentX += textWidth(text);
}

void PaintedSurface::layoutText(Shape &s, const QString &drawn, const std::optional<QGlyphRun> &glyphs,
                                double x, double baseline) const
{
    // Arrow extenders (U+23AF) are drawn as the shaft of the font's own right
    // arrow, so that an extender and an arrow make one unbroken long arrow, whatever
    // fonts the extender glyph would come from.
    constexpr QChar extender(0x23AF);
    constexpr QChar arrow(0x2192);
    if (!drawn.contains(extender)) {
        s.runs.append({QPointF(x, baseline), drawn, glyphs});
        return;
    }
    const FontMeasurer::ArrowShaft shaft = m_fonts.arrowShaft(m_font);
    auto at = [&](qsizetype i) { return x + m_fonts.drawnAdvancePixels(m_font, drawn.left(i)); };
    const qsizetype n = drawn.size();
    for (qsizetype i = 0; i < n;) {
        qsizetype j = i;
        if (drawn[i] == extender) {
            while (j < n && drawn[j] == extender)
                ++j;
            double right = at(j);
            if (j < n && drawn[j] == arrow)
                right += shaft.left + (shaft.bottom - shaft.top) / 2;
            s.rects.append(
                QRectF(QPointF(at(i), baseline + shaft.top), QPointF(right, baseline + shaft.bottom)));
        } else {
            while (j < n && drawn[j] != extender)
                ++j;
            s.runs.append({QPointF(at(i), baseline), drawn.mid(i, j - i), std::nullopt});
        }
        i = j;
    }
}

void PaintedSurface::lineCells(double x1, double y1, double x2, double y2, const QColor &colour,
                               LineStyle style)
{
    const double cx1 = cellOf(x1), cy1 = cellOf(y1), cx2 = cellOf(x2), cy2 = cellOf(y2);
    const double left = std::min(cx1, cx2), right = std::max(cx1, cx2);
    const double top = std::min(cy1, cy2), bottom = std::max(cy1, cy2);
    const double t = penPixels(m_drawWidth);

    Shape s;
    s.kind = Shape::Kind::Rects;
    s.colour = colour;
    auto span = [&](double a, double b) { return std::pair{band(a, t).first, band(b, t).second}; };
    auto add = [&](std::pair<double, double> xs, std::pair<double, double> ys) {
        s.rects.append(QRectF(QPointF(xs.first, ys.first), QPointF(xs.second, ys.second)));
    };
    if (style == LineStyle::Fill) {
        add({left, right + 1}, {top, bottom + 1});
    } else if (style == LineStyle::Box) {
        add(span(left, right), band(top, t));
        add(span(left, right), band(bottom, t));
        add(band(left, t), span(top, bottom));
        add(band(right, t), span(top, bottom));
    } else {
        add(span(left, right), span(top, bottom));
    }

    const QRectF area = paintArea().adjusted(-2, -2, 2, 2);
    QList<QRectF> visible;
    for (const QRectF &r : std::as_const(s.rects)) {
        const QRectF v = r.intersected(area);
        if (!v.isEmpty())
            visible.append(v);
    }
    if (visible.isEmpty())
        return;
    s.rects = visible;
    s.bounds = visible.first();
    for (const QRectF &r : std::as_const(visible))
        s.bounds = s.bounds.united(r);
    draw(std::move(s), m_drawMode == DrawModeAnd);
}

void PaintedSurface::line(double x1, double y1, double x2, double y2, const QColor &colour, LineStyle style)
{
    if (!finite(x1) || !finite(y1) || !finite(x2) || !finite(y2))
        return;
    const QColor c = colour.isValid() ? colour : m_foreColor;
    const bool straight = cellOf(x1) == cellOf(x2) || cellOf(y1) == cellOf(y2);
    if (style != LineStyle::Line || straight) {
        lineCells(x1, y1, x2, y2, c, style);
    } else {
        const double t = penPixels(m_drawWidth);
        QPointF a(clampPx(x1 / kTwipsPerPixel) + 0.5, clampPx(y1 / kTwipsPerPixel) + 0.5);
        QPointF b(clampPx(x2 / kTwipsPerPixel) + 0.5, clampPx(y2 / kTwipsPerPixel) + 0.5);
        if (clipSegment(a, b, paintArea().adjusted(-t - 2, -t - 2, t + 2, t + 2))) {
            Shape s;
            s.kind = Shape::Kind::Stroke;
            s.colour = c;
            s.smooth = true;
            s.penWidth = t;
            s.cap = t > 1.5 ? Qt::RoundCap : Qt::SquareCap;
            s.path.moveTo(a);
            s.path.lineTo(b);
            s.bounds = QRectF(a, b).normalized().adjusted(-t, -t, t, t);
            draw(std::move(s), m_drawMode == DrawModeAnd);
        }
    }
    m_currentX = x2;
    m_currentY = y2;
}

void PaintedSurface::circle(double x, double y, double r, const QColor &colour, std::optional<double> start,
                            std::optional<double> end)
{
    constexpr double twoPi = 2 * std::numbers::pi;
    if (!finite(x) || !finite(y) || !finite(r))
        return;
    // Angles beyond a full turn are refused, as the platform did.
    for (const auto &a : {start, end}) {
        if (a && (!finite(*a) || std::abs(*a) > twoPi + 1e-9))
            return;
    }
    m_currentX = x;
    m_currentY = y;
    const double rpx = r / kTwipsPerPixel;
    const QPointF c(x / kTwipsPerPixel + 0.5, y / kTwipsPerPixel + 0.5);
    if (!(rpx > 0) || rpx > kLimit || std::abs(c.x()) > kLimit || std::abs(c.y()) > kLimit)
        return;
    const double t = penPixels(m_drawWidth);
    const QRectF rect(c.x() - rpx, c.y() - rpx, 2 * rpx, 2 * rpx);
    const QRectF bounds = rect.adjusted(-t, -t, t, t);
    if (!bounds.intersects(paintArea()))
        return;

    Shape s;
    s.kind = Shape::Kind::Stroke;
    s.colour = colour.isValid() ? colour : m_foreColor;
    s.smooth = true;
    s.penWidth = t;
    s.cap = Qt::RoundCap;
    s.bounds = bounds;
    if (!start && !end) {
        s.path.addEllipse(rect);
    } else {
        // A negative angle also draws the radius to that end of the arc.
        const double a0 = start.value_or(0), a1 = end.value_or(twoPi);
        const double from = std::abs(a0), to = std::abs(a1);
        double span = to - from;
        if (span <= 0)
            span += twoPi; // equal ends: the whole circle
        const double fromDeg = from * 180 / std::numbers::pi, spanDeg = span * 180 / std::numbers::pi;
        if (a0 < 0) {
            s.path.moveTo(c);
            s.path.arcTo(rect, fromDeg, spanDeg);
        } else {
            s.path.arcMoveTo(rect, fromDeg);
            s.path.arcTo(rect, fromDeg, spanDeg);
        }
        if (a1 < 0)
            s.path.lineTo(c);
    }
    draw(std::move(s), m_drawMode == DrawModeAnd);
}

void PaintedSurface::pset(double x, double y, const QColor &colour)
{
    if (!finite(x) || !finite(y))
        return;
    m_currentX = x;
    m_currentY = y;
    const double cx = cellOf(x), cy = cellOf(y);
    const double t = penPixels(m_drawWidth);
    Shape s;
    s.colour = colour.isValid() ? colour : m_foreColor;
    if (t <= 1.5) {
        s.kind = Shape::Kind::Rects;
        const auto xs = band(cx, t), ys = band(cy, t);
        s.bounds = QRectF(QPointF(xs.first, ys.first), QPointF(xs.second, ys.second));
        s.rects.append(s.bounds);
    } else {
        s.kind = Shape::Kind::FillPath;
        s.smooth = true;
        s.bounds = QRectF(cx + 0.5 - t / 2, cy + 0.5 - t / 2, t, t);
        s.path.addEllipse(s.bounds);
    }
    if (s.bounds.intersects(paintArea()))
        draw(std::move(s), m_drawMode == DrawModeAnd);
}

void PaintedSurface::paintPicture(const Picture &picture, double x, double y, std::optional<double> w,
                                  std::optional<double> h)
{
    if (picture.image.isNull() || !finite(x) || !finite(y) || (w && !finite(*w)) || (h && !finite(*h)))
        return;
    const QImage &img = picture.image;
    double wpx = w ? *w / kTwipsPerPixel : double(img.width());
    double hpx = h ? *h / kTwipsPerPixel : double(img.height());
    if (wpx == 0 || hpx == 0 || std::abs(wpx) > kLimit || std::abs(hpx) > kLimit)
        return;
    double left = cellOf(x), top = cellOf(y);
    // A negative size draws the picture mirrored, to the left of or above the point.
    const bool flipX = wpx < 0, flipY = hpx < 0;
    if (flipX) {
        left += wpx;
        wpx = -wpx;
    }
    if (flipY) {
        top += hpx;
        hpx = -hpx;
    }
    Shape s;
    s.kind = Shape::Kind::Image;
    s.bounds = QRectF(left, top, wpx, hpx);
    if (!s.bounds.intersects(paintArea()))
        return;
    s.image = (flipX || flipY) ? img.mirrored(flipX, flipY) : img;
    s.smoothScale = std::abs(wpx - img.width()) > 1e-9 || std::abs(hpx - img.height()) > 1e-9;
    s.colour = Qt::white; // ANDing with white leaves a picture as it is
    draw(std::move(s), false);
}

} // namespace vorlane
