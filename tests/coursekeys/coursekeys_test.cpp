#include "core/app/coursekeys.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;

namespace {

TEST(CourseKeys, EveryKeyOfTheReader)
{
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        CourseCommand command;
        CourseScroll scroll;
    };
    const Case cases[] = {
        {Qt::Key_PageDown, Qt::NoModifier, CourseCommand::None, CourseScroll::ScreenDown},
        {Qt::Key_PageUp, Qt::NoModifier, CourseCommand::None, CourseScroll::ScreenUp},
        {Qt::Key_Space, Qt::NoModifier, CourseCommand::None, CourseScroll::ScreenDown},
        {Qt::Key_Space, Qt::ShiftModifier, CourseCommand::None, CourseScroll::ScreenUp},
        {Qt::Key_Down, Qt::NoModifier, CourseCommand::None, CourseScroll::LineDown},
        {Qt::Key_Up, Qt::NoModifier, CourseCommand::None, CourseScroll::LineUp},
        {Qt::Key_Home, Qt::NoModifier, CourseCommand::None, CourseScroll::Top},
        {Qt::Key_End, Qt::NoModifier, CourseCommand::None, CourseScroll::Bottom},
        {Qt::Key_Left, Qt::AltModifier, CourseCommand::Back, CourseScroll::None},
        {Qt::Key_Right, Qt::AltModifier, CourseCommand::Forward, CourseScroll::None},
        {Qt::Key_PageDown, Qt::ControlModifier, CourseCommand::ChapterNext, CourseScroll::None},
        {Qt::Key_PageUp, Qt::ControlModifier, CourseCommand::ChapterPrevious, CourseScroll::None},
        {Qt::Key_F, Qt::ControlModifier, CourseCommand::Search, CourseScroll::None},
        {Qt::Key_P, Qt::ControlModifier, CourseCommand::Print, CourseScroll::None},
        {Qt::Key_F1, Qt::NoModifier, CourseCommand::Help, CourseScroll::None},
        // The keypad's Page Down is Page Down.
        {Qt::Key_PageDown, Qt::KeypadModifier, CourseCommand::None, CourseScroll::ScreenDown},
    };
    for (const Case &c : cases) {
        const CourseKeys::Binding *b = CourseKeys::find(c.key, c.modifiers);
        ASSERT_NE(b, nullptr) << c.key << " " << int(c.modifiers);
        EXPECT_EQ(int(b->command), int(c.command)) << c.key;
        EXPECT_EQ(int(b->scroll), int(c.scroll)) << c.key;
    }
    // Keys the reader leaves alone: plain arrows sideways, Tab, Enter (links), letters.
    for (const auto &[key, modifiers] :
         {std::pair{int(Qt::Key_Left), Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{int(Qt::Key_Right), Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{int(Qt::Key_Tab), Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{int(Qt::Key_Return), Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{int(Qt::Key_F), Qt::KeyboardModifiers(Qt::NoModifier)},
          std::pair{int(Qt::Key_Left), Qt::KeyboardModifiers(Qt::ControlModifier)}})
        EXPECT_EQ(CourseKeys::find(key, modifiers), nullptr) << key;
}

TEST(CourseKeys, NoKeyIsBoundTwice)
{
    const auto bindings = CourseKeys::bindings();
    for (size_t i = 0; i < bindings.size(); ++i)
        for (size_t j = i + 1; j < bindings.size(); ++j)
            EXPECT_FALSE(bindings[i].key == bindings[j].key && bindings[i].modifiers == bindings[j].modifiers)
                << i << " " << j;
}

TEST(CourseKeys, ScrollsStayWithinTheBar)
{
    struct Case {
        CourseScroll scroll;
        int value;
        int expected;
    };
    // A bar from 0 to 1000, a screen of 300, a line of 20.
    const Case cases[] = {
        {CourseScroll::ScreenDown, 0, 300}, {CourseScroll::ScreenDown, 800, 1000},
        {CourseScroll::ScreenUp, 500, 200}, {CourseScroll::ScreenUp, 100, 0},
        {CourseScroll::LineDown, 500, 520}, {CourseScroll::LineDown, 990, 1000},
        {CourseScroll::LineUp, 500, 480},   {CourseScroll::LineUp, 10, 0},
        {CourseScroll::Top, 640, 0},        {CourseScroll::Bottom, 640, 1000},
        {CourseScroll::None, 640, 640},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CourseKeys::scrolled(c.scroll, c.value, 0, 1000, 300, 20), c.expected)
            << int(c.scroll) << " from " << c.value;
    // A page that fits (nothing to scroll) stays at the top.
    EXPECT_EQ(CourseKeys::scrolled(CourseScroll::Bottom, 0, 0, 0, 300, 20), 0);
}

} // namespace
