#pragma once

#include <QString>

namespace vorlane::ToolButtonStyle {

// The look of the course window's flat buttons, as style sheets. Each sheet is
// set on the few widgets it styles, never on the whole window: a sheet there
// makes every widget of the window (and of the windows it owns) polished and
// drawn through the style sheet engine, about a tenth of the start-up.

// Buttons that are flat until pointed at.
inline QString flat()
{
    return QStringLiteral(
        "QToolButton { border: 1px solid transparent; border-radius: 5px; padding: 2px 6px; color: #1d2b45;"
        " font-size: 13px; background: transparent; }\n"
        "QToolButton:hover { background: #e3e9f3; border-color: #c9d3e3; }\n"
        "QToolButton:pressed { background: #d3ddee; }\n"
        "QToolButton:disabled { color: #a8b0bd; }\n");
}

// The tool bar `barre` and its buttons.
inline QString toolBar()
{
    return QStringLiteral("#barre { background: #f3f5f9; border-bottom: 1px solid #d5dbe5; }\n") + flat();
}

// The bottom band `bastitre`: its buttons, smaller, lit in white over the
// orange, and the label of the way back to a test.
inline QString bottomBand()
{
    return flat() + QStringLiteral("QToolButton { font-size: 12px; padding: 1px 5px; }\n"
                                   "QToolButton:hover { background: rgba(255, 255, 255, 150);"
                                   " border-color: rgba(160, 90, 20, 90); }\n"
                                   "#Label16 { color: #1d2b45; font-size: 12px; }\n");
}

// A button of the video panel, its picture alone.
inline QString videoButton()
{
    return flat() + QStringLiteral("QToolButton { padding: 0px; border-radius: 3px; }\n");
}

} // namespace vorlane::ToolButtonStyle
