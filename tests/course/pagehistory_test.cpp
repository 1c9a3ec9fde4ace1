#include "core/course/pagehistory.h"

#include <gtest/gtest.h>

using namespace vorlane;

namespace {

TEST(PageHistoryTest, FirstPageGoesIntoSlotOneWithBothButtonsDisabled)
{
    HistoryState s;
    const HistoryButtons b = RecordPageInHistory(s, 1);
    EXPECT_EQ(s.historyPos, 1);
    EXPECT_EQ(s.historyPages[1], 1);
    EXPECT_FALSE(b.backEnabled);
    ASSERT_TRUE(b.forwardEnabled.has_value());
    EXPECT_FALSE(*b.forwardEnabled);
}

TEST(PageHistoryTest, SecondPageEnablesBack)
{
    HistoryState s;
    RecordPageInHistory(s, 1);
    EXPECT_TRUE(RecordPageInHistory(s, 28).backEnabled);
    EXPECT_EQ(s.historyPages[2], 28);
}

TEST(PageHistoryTest, The101stPageDropsTheOldest)
{
    HistoryState s;
    for (int p = 1; p <= 101; ++p)
        RecordPageInHistory(s, 1000 + p);
    EXPECT_EQ(s.historyPos, 100);
    EXPECT_EQ(s.historyPages[1], 1002);
    EXPECT_EQ(s.historyPages[99], 1100);
    EXPECT_EQ(s.historyPages[100], 1101);
    RecordPageInHistory(s, 7);
    EXPECT_EQ(s.historyPages[1], 1003);
    EXPECT_EQ(s.historyPages[100], 7);
}

TEST(PageHistoryTest, AHistoryMoveRecordsNothingAndLeavesForwardAlone)
{
    HistoryState s;
    RecordPageInHistory(s, 1);
    RecordPageInHistory(s, 2);
    s.recordInHistory = false;
    s.historyPos = 1; // a move back
    const HistoryButtons b = RecordPageInHistory(s, 1);
    EXPECT_EQ(s.historyPos, 1);
    EXPECT_EQ(s.historyPages[2], 2);
    EXPECT_FALSE(b.backEnabled);
    EXPECT_FALSE(b.forwardEnabled.has_value());
}

TEST(PageHistoryTest, NewPageAfterGoingBackKeepsTheSlotsAbove)
{
    HistoryState s;
    for (int p : {11, 12, 13, 14})
        RecordPageInHistory(s, p);
    s.historyPos = 2; // back twice: on p2
    RecordPageInHistory(s, 15);
    EXPECT_EQ(s.historyPos, 3);
    EXPECT_EQ(s.historyPages[3], 15);
    EXPECT_EQ(s.historyPages[4], 14);
}

TEST(PageHistoryTest, SamePageTwiceIsRecordedTwice)
{
    HistoryState s;
    RecordPageInHistory(s, 40);
    RecordPageInHistory(s, 40);
    EXPECT_EQ(s.historyPos, 2);
    EXPECT_EQ(s.historyPages[1], 40);
    EXPECT_EQ(s.historyPages[2], 40);
}

TEST(PageHistoryTest, PageNumberThatDoesNotFitKeepsTheSlot)
{
    HistoryState s;
    s.historyPages[1] = 9;
    RecordPageInHistory(s, 40000);
    EXPECT_EQ(s.historyPos, 1);
    EXPECT_EQ(s.historyPages[1], 9);
}

} // namespace
