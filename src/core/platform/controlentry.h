#pragma once

#include <QRect>
#include <QString>
#include <optional>

namespace vorlane {

// The pictures of the windows' buttons (drawn by the ui's ToolIcons).
enum class Glyph {
    Back,
    Forward,
    Home,
    Contents,
    Atom,
    Flask,
    Search,
    Calculator,
    Printer,
    Help,
    Quit,
    Update,
    Globe,
    ChapterPrevious,
    ChapterNext,
    Test,
    Info,
    Film,
    Book,
    Star,
};

// The kind of widget a row of a window's control table becomes.
enum class ControlKind {
    Panel,         // a plain area with the window style's background (a tool bar)
    Frame,         // a plain area painted white
    Placeholder,   // an empty area that paints nothing
    Surface,       // a picture area (a surface view) of the rectangle's size
    ScrollBar,     // a vertical scroll bar
    ToolButton,    // a flat button: glyph, tool tip, caption beside the glyph
    BandButton,    // a smaller flat button on a band
    Picture,       // a glyph shown as a picture, with a tool tip
    Label,         // a caption
    GroupBox,      // a titled frame
    LineEdit,      // a read-only field
    CheckBox,      // a check box whose caption is its text
    TextEdit,      // a read-only text of several lines
    ProgressStrip, // the progress strip under a cover
};

// One control of a window, as its table in core declares it; the ui builds the
// widgets from the table in table order (a later row is drawn over an earlier
// one) and sends the clicks of its buttons back with the row clicked.
struct ControlEntry {
    QString name; // object name
    ControlKind kind = ControlKind::Placeholder;
    std::optional<Glyph> glyph;
    QString toolTip; // empty: none
    QString caption; // empty: none
    // Pixels in the parent; a ProgressStrip takes only its size.
    QRect rect;
    // What a click does, in the window's own command numbers (0: nothing), and
    // the target code it hands to the dispatcher when it navigates.
    int command = 0;
    QString target;
    // Name of an earlier row holding this one; empty: the window itself.
    QString parent;
    bool visible = true;
    bool enabled = true;
    // A hidden frame whose rows are made when it is first shown, or when one of
    // them is asked for by name: a frame that stays hidden costs nothing.
    bool rowsWhenShown = false;
};

} // namespace vorlane
