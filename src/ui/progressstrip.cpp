#include "ui/progressstrip.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vorlane {

ProgressStripWidget::ProgressStripWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("labelvorlane"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_clock.start();
}

void ProgressStripWidget::centre()
{
    if (parentWidget())
        move((parentWidget()->width() - width()) / 2, y());
    show();
    raise();
}

void ProgressStripWidget::fill(double fraction)
{
    if (!std::isfinite(fraction))
        return;
    const int filled = int(std::lround(std::clamp(fraction, 0.0, 1.0) * width()));
    // The index loop runs without returning to the event loop: paint at once,
    // but only when the strip really changes, and not more often than the pace
    // allows; a change left unpainted is painted when the loop ends.
    if (filled == m_filled)
        return;
    m_filled = filled;
    if (!isVisible())
        return;
    if (m_pace.due(m_clock.elapsed()))
        repaint();
    else
        update();
}

void ProgressStripWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(0xe4, 0xe8, 0xef));
    p.fillRect(QRect(0, 0, m_filled, height()), QColor(255, 180, 50));
}

} // namespace vorlane
