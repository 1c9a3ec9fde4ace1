#include "core/app/coursekeys.h"

#include <algorithm>
#include <array>

namespace vorlane {

namespace {

using B = CourseKeys::Binding;
constexpr auto None = Qt::NoModifier;
constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;
constexpr auto Shift = Qt::ShiftModifier;

const std::array kBindings = {
    B{Qt::Key_PageDown, None, CourseCommand::None, CourseScroll::ScreenDown},
    B{Qt::Key_PageUp, None, CourseCommand::None, CourseScroll::ScreenUp},
    B{Qt::Key_Space, None, CourseCommand::None, CourseScroll::ScreenDown},
    B{Qt::Key_Space, Shift, CourseCommand::None, CourseScroll::ScreenUp},
    B{Qt::Key_Down, None, CourseCommand::None, CourseScroll::LineDown},
    B{Qt::Key_Up, None, CourseCommand::None, CourseScroll::LineUp},
    B{Qt::Key_Home, None, CourseCommand::None, CourseScroll::Top},
    B{Qt::Key_End, None, CourseCommand::None, CourseScroll::Bottom},
    B{Qt::Key_Left, Alt, CourseCommand::Back, CourseScroll::None},
    B{Qt::Key_Right, Alt, CourseCommand::Forward, CourseScroll::None},
    B{Qt::Key_PageDown, Ctrl, CourseCommand::ChapterNext, CourseScroll::None},
    B{Qt::Key_PageUp, Ctrl, CourseCommand::ChapterPrevious, CourseScroll::None},
    B{Qt::Key_F, Ctrl, CourseCommand::Search, CourseScroll::None},
    B{Qt::Key_P, Ctrl, CourseCommand::Print, CourseScroll::None},
    B{Qt::Key_F1, None, CourseCommand::Help, CourseScroll::None},
};

} // namespace

std::span<const CourseKeys::Binding> CourseKeys::bindings()
{
    return kBindings;
}

const CourseKeys::Binding *CourseKeys::find(int key, Qt::KeyboardModifiers modifiers)
{
    // The keypad's flag does not make another key.
    modifiers &= ~Qt::KeypadModifier;
    for (const Binding &b : kBindings) {
        if (b.key == key && b.modifiers == modifiers)
            return &b;
    }
    return nullptr;
}

int CourseKeys::scrolled(CourseScroll scroll, int value, int minimum, int maximum, int pageStep, int lineStep)
{
    int target = value;
    switch (scroll) {
    case CourseScroll::None:
        break;
    case CourseScroll::ScreenDown:
        target = value + pageStep;
        break;
    case CourseScroll::ScreenUp:
        target = value - pageStep;
        break;
    case CourseScroll::LineDown:
        target = value + lineStep;
        break;
    case CourseScroll::LineUp:
        target = value - lineStep;
        break;
    case CourseScroll::Top:
        target = minimum;
        break;
    case CourseScroll::Bottom:
        target = maximum;
        break;
    }
    return std::clamp(target, minimum, std::max(minimum, maximum));
}

} // namespace vorlane
