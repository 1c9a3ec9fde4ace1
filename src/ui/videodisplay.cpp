#include "ui/videodisplay.h"

#include "core/media/videocontroller.h"

#include <QEvent>
#include <QPainter>

namespace vorlane {

VideoDisplay::VideoDisplay(QWidget *illustration) : QWidget(illustration)
{
    setObjectName(QStringLiteral("videoDisplay"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
    illustration->installEventFilter(this);
}

void VideoDisplay::showFrame(const QImage &frame, double pixelAspect)
{
    const bool resized = frame.size() != m_frame.size() || pixelAspect != m_pixelAspect;
    m_frame = frame;
    m_pixelAspect = pixelAspect;
    if (resized || isHidden())
        fitToArea();
    if (isHidden()) {
        show();
        raise();
    }
    update();
}

void VideoDisplay::clear()
{
    m_frame = QImage();
    hide();
}

void VideoDisplay::fitToArea()
{
    QWidget *area = parentWidget();
    if (!area || m_frame.isNull())
        return;
    // Inside the one-pixel border the area has while it shows a video.
    const QRect inner = area->rect().adjusted(1, 1, -1, -1);
    const QRectF fit = VideoController::fitFrame(m_frame.size(), m_pixelAspect, inner.size());
    const QRectF placed = fit.translated(inner.topLeft());
    setGeometry(QRect(qRound(placed.x()), qRound(placed.y()), qRound(placed.width()), qRound(placed.height()))
                    .intersected(inner));
}

void VideoDisplay::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The target is in logical pixels; the painter scales the full-size frame
    // straight to device pixels.
    p.drawImage(QRectF(rect()), m_frame);
}

bool VideoDisplay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && !m_frame.isNull())
        fitToArea();
    return QWidget::eventFilter(watched, event);
}

} // namespace vorlane
