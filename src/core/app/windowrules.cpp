#include "core/app/windowrules.h"

#include "core/app/startupchecks.h"

namespace vorlane {

ResizeResponse OnWindowResize(Session &session, const Screen &screen, WindowState state)
{
    ResizeResponse response;
    if (ScreenWidthPx(screen) > 810) {
        if (session.screenAlertMode == 2) {
            response.normalAt = CentredWindowGeometry(screen);
            state = WindowState::Normal;
        } else {
            session.screenAlertMode = 2;
        }
    }
    response.restoreSize = state == WindowState::Normal;
    return response;
}

bool MaximizeOffered(const Screen &screen)
{
    const double width = ScreenWidthPx(screen);
    return width >= 700 && width <= 810;
}

} // namespace vorlane
