// The geometry and colours the test window paints.

#include "core/exercises/teststrip.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(StripBands, TenQuestionsOn4000Units)
{
    const std::pair<int, TestStrip::Band> expected[] = {
        {1, {0, 398}}, {2, {400, 798}}, {5, {1600, 1998}}, {10, {3600, 3998}}};
    for (const auto &[q, band] : expected) {
        const TestStrip::Band b = TestStrip::band(q, 10, 4000);
        EXPECT_EQ(b.top, band.top) << q;
        EXPECT_EQ(b.bottom, band.bottom) << q;
    }
}

TEST(StripBands, EdgesAreRoundedHalvesToEven)
{
    // 3 questions on 1000: h = 333.33..; band 2 is 333 to 665, band 3 667 to 998.
    EXPECT_EQ(TestStrip::band(2, 3, 1000).top, 333);
    EXPECT_EQ(TestStrip::band(2, 3, 1000).bottom, 665);
    EXPECT_EQ(TestStrip::band(3, 3, 1000).top, 667);
    EXPECT_EQ(TestStrip::band(3, 3, 1000).bottom, 998);
    // 4 questions on 10: h = 2.5; band 2 top 2.5 -> 2, band 4 top 7.5 -> 8.
    EXPECT_EQ(TestStrip::band(2, 4, 10).top, 2);
    EXPECT_EQ(TestStrip::band(4, 4, 10).top, 8);
}

TEST(StripClick, SelectsTheBandUnderTheRelease)
{
    // 10 questions on 4000: y / 4000 x 10 + 0.5, halves to even, within 1..10.
    EXPECT_EQ(TestStrip::questionAt(0, 4000, 10), 1);     // 0.5 -> 0 -> 1
    EXPECT_EQ(TestStrip::questionAt(100, 4000, 10), 1);   // 0.75
    EXPECT_EQ(TestStrip::questionAt(400, 4000, 10), 2);   // 1.5 -> 2
    EXPECT_EQ(TestStrip::questionAt(1200, 4000, 10), 4);  // 3.5 -> 4
    EXPECT_EQ(TestStrip::questionAt(1000, 4000, 10), 3);  // 3.0
    EXPECT_EQ(TestStrip::questionAt(3999, 4000, 10), 10); // 10.4975
    EXPECT_EQ(TestStrip::questionAt(5000, 4000, 10), 10); // below the strip
    EXPECT_EQ(TestStrip::questionAt(-300, 4000, 10), 1);
}

TEST(StripColours, ByState)
{
    EXPECT_EQ(TestStrip::colours(0).fill, QColor(255, 175, 100));
    EXPECT_EQ(TestStrip::colours(0).text, QColor(0, 0, 0));
    EXPECT_EQ(TestStrip::colours(1).fill, QColor(0, 220, 180));
    EXPECT_EQ(TestStrip::colours(1).text, QColor(0, 128, 0));
    EXPECT_EQ(TestStrip::colours(-1).outer, QColor(255, 150, 150));
    EXPECT_EQ(TestStrip::colours(-1).inner, QColor(128, 0, 0));
    EXPECT_EQ(TestStrip::label(7), QStringLiteral("Question 7"));
}

TEST(FacePlacement, CentredOnTheCurrentBand)
{
    // Strip 4000 high, 10 questions, question 3: band centre 400 x 2.5 = 1000.
    EXPECT_EQ(TestStrip::faceTop(4000, 10, 3, 480), 1000 - 240);
    EXPECT_EQ(TestStrip::faceLeft(1500, 480), 510);
}

TEST(TitleBand, ShadesFromPaleYellowToWhite)
{
    const int n = int(TestStrip::titleText().size());
    EXPECT_EQ(n, 29);
    EXPECT_EQ(TestStrip::titleColour(1, n), QColor(255, 255, 158)); // 158.45
    EXPECT_EQ(TestStrip::titleColour(n, n), QColor(255, 255, 255));
    EXPECT_EQ(TestStrip::titleColour(1, 8), QColor(255, 255, 168)); // 167.5 -> 168
    EXPECT_EQ(TestStrip::titleColour(3, 8), QColor(255, 255, 192)); // 192.5 -> 192
}

} // namespace
} // namespace vorlane
