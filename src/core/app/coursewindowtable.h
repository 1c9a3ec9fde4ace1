#pragma once

#include "core/platform/controlentry.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorlane {

// What a click on a control of the course window does.
enum class CourseCommand {
    None = 0,
    Navigate,        // hands the row's target code to the dispatcher
    Contents,        // hands the Tag of `Command2` (the page's table of contents) to the dispatcher
    Back,            // one history slot back
    Forward,         // one history slot forward
    ChapterPrevious, // the page of Index currentOrder - 1
    ChapterNext,     // the page of Index currentOrder + 1
    Calculator,      // the calculator window
    Help,            // the help file
    Update,          // the update window (refused while a module runs)
    Quit,            // closes the window
    Search,          // the search window
    Print,           // the print menu, which the button carries
};

// The course window `multim`, declared: its size, its controls and what their
// clicks do. The window builds its controls from controls() and wires every
// button's click to its command; the link elements, the floating menu and the
// cover are added by the window itself.
class CourseWindowTable {
public:
    // The window's inner area, in pixels.
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;
    // The illustration area is this high whenever it has a width.
    static constexpr int kIllustrationHeight = 420;

    // Every control, in creation order: the title bands, the page frame with
    // the body and its scroll bar, the illustration, the video frame, the tool
    // bar and its buttons, the bottom band's controls, the progress strip and
    // the hidden frame of bound fields.
    static const std::vector<ControlEntry> &controls();
    // The row of that object name, or nullptr.
    static const ControlEntry *find(const QString &name);

    // The target code a click on `control` hands to the dispatcher: its own
    // target for Navigate, `contentsTag` (Command2's Tag) for Contents;
    // nullopt for every other command.
    static std::optional<QString> navigationTarget(const ControlEntry &control, const QString &contentsTag);
    // The Index a chapter step asks for: currentOrder - 1 for
    // ChapterPrevious, + 1 for ChapterNext; nullopt for other commands.
    static std::optional<double> chapterStepOrder(CourseCommand command, std::int32_t currentOrder);
};

} // namespace vorlane
