#include "core/surface/rastersurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace vorlane {

namespace {
bool validSize(double px)
{
    return std::isfinite(px) && px >= 0;
}

qreal validRatio(qreal r)
{
    return (std::isfinite(r) && r >= 0.25 && r <= 8) ? r : 1.0;
}

int devicePixels(double logical, qreal ratio)
{
    return int(std::ceil(logical * ratio - 1e-9));
}
} // namespace

RasterSurface::RasterSurface(QString name, double widthPx, double heightPx, qreal devicePixelRatio,
                             std::shared_ptr<const TextMeasurer> measurer)
    : PaintedSurface(std::move(name), std::move(measurer)), m_width(validSize(widthPx) ? widthPx : 0),
      m_height(validSize(heightPx) ? heightPx : 0), m_dpr(validRatio(devicePixelRatio))
{
    reallocate();
}

RasterSurface::~RasterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

double RasterSurface::backedWidth() const
{
    return std::min(m_width, kMaxWidth);
}

double RasterSurface::backedHeight() const
{
    const double rowBytes = std::max(1.0, std::ceil(backedWidth() * m_dpr)) * 4.0;
    const double byBytes = std::floor(double(kMaxImageBytes) / rowBytes) / m_dpr;
    return std::min({m_height, kMaxHeight, byBytes});
}

void RasterSurface::reallocate()
{
    const int w = devicePixels(backedWidth(), m_dpr);
    const int h = devicePixels(backedHeight(), m_dpr);
    if (w == m_image.width() && h == m_image.height())
        return;
    if (w <= 0 || h <= 0) {
        m_image = QImage();
        return;
    }
    QImage next(w, h, QImage::Format_RGB32);
    if (next.isNull())
        return; // no memory for it: keep drawing on what there is
    next.setDevicePixelRatio(m_dpr);
    next.fill(Qt::white);
    if (!m_image.isNull()) {
        const int rows = std::min(h, m_image.height());
        const qsizetype bytes = qsizetype(std::min(w, m_image.width())) * 4;
        for (int y = 0; y < rows; ++y)
            std::memcpy(next.scanLine(y), m_image.constScanLine(y), size_t(bytes));
    }
    m_image = std::move(next);
}

void RasterSurface::changed(SurfaceChange change)
{
    ++m_changes;
    if (m_onChange)
        m_onChange(change);
}

bool RasterSurface::setHeight(double px)
{
    if (!validSize(px))
        return false;
    m_height = px;
    reallocate();
    changed(SurfaceChange::Resized);
    return true;
}

bool RasterSurface::setWidth(double px)
{
    if (!validSize(px))
        return false;
    m_width = px;
    reallocate();
    changed(SurfaceChange::Resized);
    return true;
}

void RasterSurface::setDevicePixelRatio(qreal ratio)
{
    ratio = validRatio(ratio);
    if (ratio == m_dpr)
        return;
    const QImage old = m_image;
    m_dpr = ratio;
    m_image = QImage();
    reallocate();
    if (!old.isNull() && !m_image.isNull()) {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(0, 0, old.width() / old.devicePixelRatio(), old.height() / old.devicePixelRatio()),
                    old);
    }
    changed(SurfaceChange::Resized);
}

void RasterSurface::markBehind(double x, double y, double w, double h)
{
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) || !std::isfinite(h) || w <= 0 || h <= 0)
        return;
    const QRectF box = QRectF(x / 15.0, y / 15.0, w / 15.0, h / 15.0).intersected(paintArea());
    if (box.isEmpty())
        return;
    QPainter *p = beginPaint();
    if (!p)
        return;
    p->fillRect(box, markColour());
    endPaint();
}

void RasterSurface::clear()
{
    if (!m_image.isNull())
        m_image.fill(Qt::white);
    m_currentX = 0;
    m_currentY = 0;
    changed(SurfaceChange::Cleared);
}

void RasterSurface::refresh()
{
    changed(SurfaceChange::Refreshed);
}

QPainter *RasterSurface::beginPaint()
{
    if (m_image.isNull() || !m_painter.begin(&m_image))
        return nullptr;
    return &m_painter;
}

void RasterSurface::endPaint()
{
    m_painter.end();
    changed(SurfaceChange::Drawn);
}

QRectF RasterSurface::paintArea() const
{
    if (m_image.isNull())
        return {};
    return QRectF(0, 0, m_image.width() / m_dpr, m_image.height() / m_dpr);
}

} // namespace vorlane
