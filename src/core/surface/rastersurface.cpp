#include "core/surface/rastersurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace vorlane {

namespace {
// Memory for rows of pixels: `bytes` or more, `*granted` saying how much. A page
// of a few megabytes is taken in huge pages where the system offers them: the
// first touch of every 4 KB page costs a fault (a page of 800 x 700 pixels is 550
// of them), of a huge page one.
uchar *allocateRows(std::size_t bytes, std::size_t *granted)
{
#ifdef __linux__
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    if (bytes >= kHuge) {
        const std::size_t rounded = (bytes + kHuge - 1) / kHuge * kHuge;
        if (void *memory = std::aligned_alloc(kHuge, rounded)) {
            madvise(memory, rounded, MADV_HUGEPAGE); // a hint: without it, ordinary pages
            *granted = rounded;
            return static_cast<uchar *>(memory);
        }
    }
#endif
    *granted = bytes;
    return static_cast<uchar *>(std::malloc(bytes));
}

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

// Paints white everything of the image outside its top left keptW x keptH pixels.
void whiten(QImage &image, int keptW, int keptH)
{
    keptW = std::max(keptW, 0);
    keptH = std::max(keptH, 0);
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const int from = y < keptH ? keptW : 0;
        if (from < w)
            std::memset(image.scanLine(y) + qsizetype(from) * 4, 0xff, size_t(w - from) * 4);
    }
}
} // namespace

RasterSurface::RasterSurface(QString name, double widthPx, double heightPx, qreal devicePixelRatio,
                             std::shared_ptr<const TextMeasurer> measurer)
    : PaintedSurface(std::move(name), std::move(measurer)), m_width(validSize(widthPx) ? widthPx : 0),
      m_height(validSize(heightPx) ? heightPx : 0), m_dpr(validRatio(devicePixelRatio))
{
    // The image is made when it is first drawn on or shown: a surface that stays
    // blank never fills memory with white.
    m_resized = true;
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

double RasterSurface::heightCap() const
{
    const double rowBytes = std::max(1.0, std::ceil(backedWidth() * m_dpr)) * 4.0;
    const double byBytes = std::floor(double(kMaxImageBytes) / rowBytes) / m_dpr;
    return std::min(kMaxHeight, byBytes);
}

double RasterSurface::backedHeight() const
{
    return std::min(m_height, heightCap());
}

void RasterSurface::realize() const
{
    if (m_resized) {
        m_resized = false;
        reallocate();
    }
}

void RasterSurface::reallocate() const
{
    const int w = devicePixels(backedWidth(), m_dpr);
    const int h = devicePixels(backedHeight(), m_dpr);
    // What was drawn survives only where every size set since covered it.
    const int keptW = std::min({w, m_image.width(), m_keptWidth});
    const int keptH = std::min({h, m_image.height(), m_keptHeight});
    m_keptWidth = m_keptHeight = std::numeric_limits<int>::max();
    if (w == m_image.width() && h == m_image.height()) {
        whiten(m_image, keptW, keptH);
        return;
    }
    if (w <= 0 || h <= 0) {
        m_image = QImage();
        return;
    }
    // Within the rows of the image, when nothing else shares them: a new view, the
    // kept part stays where it is.
    if (m_rows && !m_image.isNull() && m_image.isDetached() && m_image.constBits() == m_rows.get() &&
        m_rows.use_count() == 2 && w == m_rowsWidth && h <= m_rowsCapacity) {
        QImage view = viewOfRows(h);
        if (!view.isNull()) {
            m_image = std::move(view);
            whiten(m_image, keptW, keptH);
            return;
        }
    }
    // New rows, with room for the image to grow to twice its height (up to the cap);
    // rows not yet reached are only reserved.
    const int maxRows = std::max(h, devicePixels(heightCap(), m_dpr));
    const qsizetype rowBytes = qsizetype(w) * 4;
    int capacity = int(std::min<qint64>(maxRows, qint64(h) * 2));
    std::size_t granted = 0;
    uchar *memory = allocateRows(size_t(rowBytes) * size_t(capacity), &granted);
    if (!memory && capacity > h) {
        capacity = h;
        memory = allocateRows(size_t(rowBytes) * size_t(capacity), &granted);
    }
    if (!memory)
        return; // no memory for it: keep drawing on what there is
    // Rows past the capacity asked for that the memory holds anyway.
    capacity = int(std::min<qint64>(maxRows, qint64(granted / std::size_t(rowBytes))));
    // m_image keeps its own rows alive while they are copied.
    m_rows = std::shared_ptr<uchar>(memory, [](uchar *m) { std::free(m); });
    m_rowsWidth = w;
    m_rowsCapacity = capacity;
    QImage next = viewOfRows(h);
    if (next.isNull()) {
        m_rows.reset();
        m_rowsWidth = m_rowsCapacity = 0;
        return;
    }
    const qsizetype bytes = qsizetype(std::max(keptW, 0)) * 4;
    for (int y = 0; y < std::max(keptH, 0); ++y)
        std::memcpy(next.scanLine(y), m_image.constScanLine(y), size_t(bytes));
    whiten(next, keptW, keptH);
    m_image = std::move(next);
}

QImage RasterSurface::viewOfRows(int height) const
{
    using Rows = std::shared_ptr<uchar>;
    auto *keep = new Rows(m_rows);
    QImage view(
        m_rows.get(), m_rowsWidth, height, qsizetype(m_rowsWidth) * 4, QImage::Format_RGB32,
        [](void *info) { delete static_cast<Rows *>(info); }, keep);
    if (view.isNull()) {
        delete keep;
        return view;
    }
    view.setDevicePixelRatio(m_dpr);
    return view;
}

void RasterSurface::noteSize()
{
    m_resized = true;
    m_keptWidth = std::min(m_keptWidth, devicePixels(backedWidth(), m_dpr));
    m_keptHeight = std::min(m_keptHeight, devicePixels(backedHeight(), m_dpr));
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
    noteSize();
    changed(SurfaceChange::Resized);
    return true;
}

bool RasterSurface::setWidth(double px)
{
    if (!validSize(px))
        return false;
    m_width = px;
    noteSize();
    changed(SurfaceChange::Resized);
    return true;
}

void RasterSurface::setDevicePixelRatio(qreal ratio)
{
    ratio = validRatio(ratio);
    if (ratio == m_dpr)
        return;
    realize();
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
    if (m_resized)
        m_keptWidth = m_keptHeight = 0; // the image still to be made is all white
    else if (!m_image.isNull())
        m_image.fill(Qt::white);
    forgetDrawn();
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
    realize();
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
    realize();
    if (m_image.isNull())
        return {};
    return QRectF(0, 0, m_image.width() / m_dpr, m_image.height() / m_dpr);
}

} // namespace vorlane
