#include "core/surface/paintersurface.h"
#include "core/surface/twips.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace vorlane {

PainterSurface::PainterSurface(QPainter *painter, double unitsPerTwip, QString name,
                               std::shared_ptr<const TextMeasurer> measurer)
    : PaintedSurface(std::move(name), std::move(measurer)), m_painter(painter)
{
    if (std::isfinite(unitsPerTwip) && unitsPerTwip > 0)
        m_unitsPerTwip = unitsPerTwip;
}

PainterSurface::~PainterSurface() = default;

QSizeF PainterSurface::deviceSize() const
{
    if (!m_painter || !m_painter->device())
        return QSizeF(0, 0);
    const QPaintDevice *d = m_painter->device();
    const double ratio = d->devicePixelRatio() > 0 ? d->devicePixelRatio() : 1.0;
    return QSizeF(d->width() / ratio, d->height() / ratio);
}

bool PainterSurface::newPage()
{
    if (!m_painter || !m_painter->isActive())
        return false;
    auto *paged = dynamic_cast<QPagedPaintDevice *>(m_painter->device());
    if (!paged || !paged->newPage())
        return false;
    forgetDrawn();
    m_currentX = 0;
    m_currentY = 0;
    return true;
}

void PainterSurface::setScaleLeft(double twips)
{
    if (std::isfinite(twips))
        m_scaleLeft = twips;
}

double PainterSurface::scaleWidth() const
{
    return deviceSize().width() / m_unitsPerTwip;
}

double PainterSurface::scaleHeight() const
{
    return deviceSize().height() / m_unitsPerTwip;
}

void PainterSurface::clear()
{
    fillWhite();
    m_currentX = 0;
    m_currentY = 0;
}

QPainter *PainterSurface::beginPaint()
{
    if (!m_painter || !m_painter->isActive())
        return nullptr;
    m_painter->save();
    m_painter->translate(-m_scaleLeft * m_unitsPerTwip, 0);
    m_painter->scale(kTwipsPerPixel * m_unitsPerTwip, kTwipsPerPixel * m_unitsPerTwip);
    return m_painter;
}

void PainterSurface::endPaint()
{
    m_painter->restore();
}

QRectF PainterSurface::paintArea() const
{
    const QSizeF size = deviceSize();
    return QRectF(m_scaleLeft / kTwipsPerPixel, 0, size.width() / m_unitsPerTwip / kTwipsPerPixel,
                  size.height() / m_unitsPerTwip / kTwipsPerPixel);
}

double PainterSurface::penPixels(int drawWidth) const
{
    return drawWidth / (kTwipsPerPixel * m_unitsPerTwip);
}

} // namespace vorlane
