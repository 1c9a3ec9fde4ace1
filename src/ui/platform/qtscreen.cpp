#include "ui/platform/qtscreen.h"
#include "core/surface/twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace vorlane {

QRect QtScreen::geometry() const
{
    QScreen *screen = m_window ? m_window->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

double QtScreen::widthTwips() const
{
    return geometry().width() * kTwipsPerPixel;
}
double QtScreen::heightTwips() const
{
    return geometry().height() * kTwipsPerPixel;
}
QPoint QtScreen::originPx() const
{
    return geometry().topLeft();
}

} // namespace vorlane
