#include "ui/surfaceview.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace vorlane {

SurfaceView::SurfaceView(const QString &name, double widthPx, double heightPx, QWidget *parent)
    : QWidget(parent), m_surface(std::make_unique<RasterSurface>(name, widthPx, heightPx,
                                                                 parent ? parent->devicePixelRatioF() : 1.0))
{
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(widgetSize(widthPx, heightPx));
    m_surface->setChangeCallback([this](SurfaceChange change) {
        if (change == SurfaceChange::Cleared)
            m_blank = true;
        else if (change == SurfaceChange::Drawn)
            m_blank = false;
        if (change == SurfaceChange::Resized) {
            resize(widgetSize(m_surface->width(), m_surface->height()));
            emit surfaceResized();
        }
        update();
    });
}

QSize SurfaceView::widgetSize(double widthPx, double heightPx)
{
    const auto whole = [](double v, double cap) {
        if (!std::isfinite(v) || v <= 0)
            return 0;
        return int(std::ceil(std::min(v, cap) - 1e-9));
    };
    return {whole(widthPx, RasterSurface::kMaxWidth), whole(heightPx, RasterSurface::kMaxHeight)};
}

void SurfaceView::setBordered(bool bordered)
{
    m_bordered = bordered;
    update();
}

void SurfaceView::setSeeThroughWhenBlank(bool on)
{
    m_seeThrough = on;
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    if (!(m_seeThrough && m_blank)) {
        p.fillRect(event->rect(), Qt::white);
        // A blank surface is all white: its image need not even be made.
        if (!m_blank)
            p.drawImage(QPointF(0, 0), m_surface->image());
    }
    if (m_bordered) {
        p.setPen(QColor(0x8a, 0x94, 0xa6));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace vorlane
