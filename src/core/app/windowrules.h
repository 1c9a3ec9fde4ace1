#pragma once

#include "core/app/session.h"
#include "core/platform/screen.h"

#include <QRect>
#include <optional>

namespace vorlane {

// The size rules of the course window, an 800 x 600 pixel window.
enum class WindowState { Normal, Minimized, Maximized };

// What a resize of the main window asks for.
struct ResizeResponse {
    // Normal state at this geometry (centred, 800 x 600).
    std::optional<QRect> normalAt;
    // Back to 800 x 600 at its place (a normal window whose border was dragged).
    bool restoreSize = false;
};

// On a screen wider than 810 pixels the first resize only sets
// screenAlertMode to 2; every later one puts the window back in the normal
// state at 800 x 600, centred (maximizing included). On a narrower screen a
// maximized or minimized window keeps its state. A window in the normal state
// is always brought back to 800 x 600.
ResizeResponse OnWindowResize(Session &session, const Screen &screen, WindowState state);

// The window offers its maximize box only where a maximized window stays
// maximized: on a screen 700 to 810 pixels wide. On a wider one the resize
// rules put it back at 800 x 600 at once; on a narrower one the program does
// not run.
bool MaximizeOffered(const Screen &screen);

} // namespace vorlane
