#pragma once

#include "core/app/coursewindowtable.h"

#include <QtCore/qnamespace.h>
#include <span>

namespace vorlane {

// How a key moves the page in its frame.
enum class CourseScroll {
    None,
    ScreenDown, // Page Down, Space: one screen (the frame's height) down
    ScreenUp,   // Page Up, Shift+Space
    LineDown,   // Down arrow: one line
    LineUp,     // Up arrow
    Top,        // Home
    Bottom,     // End
};

// The keyboard of the course window, as in any document reader. A key either
// scrolls the page or runs the command of a control, exactly as a click on that
// control would (and only when the control is there to be clicked: shown and
// enabled), so the keyboard never does what the mouse could not.
class CourseKeys {
public:
    struct Binding {
        int key;
        Qt::KeyboardModifiers modifiers;
        CourseCommand command; // None: the key scrolls
        CourseScroll scroll;   // None: the key runs `command`
    };

    // Page Down / Page Up / Space / Shift+Space a screen, Down / Up a line,
    // Home / End the top and the bottom; Alt+Left / Alt+Right the history;
    // Ctrl+Page Down / Ctrl+Page Up the chapter; Ctrl+F the search; Ctrl+P the
    // print button's actions; F1 the help.
    static std::span<const Binding> bindings();

    // The binding of a key, or nullptr.
    static const Binding *find(int key, Qt::KeyboardModifiers modifiers);

    // The scroll bar value after `scroll`, from `value` within min..max, where a
    // screen is `pageStep` and a line `lineStep`.
    static int scrolled(CourseScroll scroll, int value, int minimum, int maximum, int pageStep, int lineStep);
};

} // namespace vorlane
