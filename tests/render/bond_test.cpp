// Bonds, electron dots, filled rectangles and title bands.

#include "core/render/titleband.h"
#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

using Bonds = RenderFixture;

TEST_F(Bonds, ChainedStrokes)
{
    // W = 120, H = 240: the cell's top left is the position.
    render({"##K001", "##K002", "##K003", "##K004", "O"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_LINE(l[0], 0, 120, 120, 120);
    EXPECT_LINE(l[1], 180, 120, 180, 360);
    EXPECT_LINE(l[2], 204, 408, 276, 552);
    EXPECT_LINE(l[3], 372, 600, 300, 744);
    EXPECT_PRINT(prints()[0], 300, 744, "O");
}

TEST_F(Bonds, ZigzagK003ThenK004)
{
    render({"##PIY010", "##K003", "##K004"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_LINE(l[0], 24, 198, 96, 342);
    // The second cell starts at the end of the first stroke.
    EXPECT_LINE(l[1], 192, 390, 120, 534);
    EXPECT_EQ(body->currentX(), 120);
    EXPECT_EQ(body->currentY(), 534);
}

TEST_F(Bonds, StillStrokesLeaveThePosition)
{
    render({"##POX010", "##K101", "##K102", "##K103", "##K104", "O"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_LINE(l[0], 150, 120, 270, 120);
    EXPECT_LINE(l[1], 210, 0, 210, 240);
    EXPECT_LINE(l[2], 174, 48, 246, 192);
    EXPECT_LINE(l[3], 246, 48, 174, 192);
    EXPECT_PRINT(prints()[0], 150, 0, "O"); // over the bond's cell
}

TEST_F(Bonds, StrokesFollowTheFontAndColour)
{
    render({"##SI20", "##C003", "##K002", "##K0021"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 1u); // K0021 is not exact
    EXPECT_LINE(l[0], 120, 0, 120, 480);
    EXPECT_EQ(str(l[0], "color"), u"#0000ff");
    EXPECT_EQ(num(l[0], "width"), 1);
    EXPECT_EQ(num(l[0], "mode"), 13);
}

TEST_F(Bonds, LewisDot)
{
    render({"##POX020", "##PIY016", "##LEWIS-05010", "O", "##LEWIS003-02", "##K101"});
    const auto d = records("pset");
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(num(d[0], "x"), 225); // 5 pixels left
    EXPECT_EQ(num(d[0], "y"), 390); // 10 pixels below
    EXPECT_EQ(num(d[0], "width"), 2);
    EXPECT_PRINT(prints()[0], 300, 240, "O");
    EXPECT_EQ(num(d[1], "x"), 465);
    EXPECT_EQ(num(d[1], "y"), 210);
    EXPECT_EQ(num(lines()[0], "width"), 1); // the pen is back
    EXPECT_LINE(lines()[0], 420, 360, 540, 360);
}

TEST_F(Bonds, LeftAlignedRectangle)
{
    render({"##C011", "##RECT020010", "a"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_LINE(l[0], 0, 0, 300, 150);
    EXPECT_EQ(str(l[0], "style"), u"fill");
    EXPECT_EQ(str(l[0], "color"), u"#ff0000");
    EXPECT_PRINT(prints()[0], 300, 150, "a");
}

TEST_F(Bonds, CentredRectangleOfOddWidth)
{
    render({"##ALCE", "##C011", "##PIY010", "##RECT005010", "##RECT007010"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_LINE(l[0], 4470, 150, 4530, 300); // k = nearest(2.5) = 2: 60 twips
    EXPECT_EQ(str(l[0], "style"), u"fill");
    EXPECT_EQ(str(l[0], "color"), u"#ff0000");
    EXPECT_LINE(l[1], 4470, 150, 4530, 300);
    EXPECT_EQ(str(l[1], "style"), u"box");
    EXPECT_EQ(str(l[1], "color"), u"#000000");
    EXPECT_LINE(l[2], 4440, 300, 4560, 450); // k = nearest(3.5) = 4: 120 twips
    EXPECT_LINE(l[3], 4440, 300, 4560, 450);
    EXPECT_EQ(body->currentX(), 4560);
    EXPECT_EQ(body->currentY(), 450);
}

TEST_F(Bonds, RightAlignedRectangleIsCentredToo)
{
    render({"##ALDR", "##RECT010002"});
    EXPECT_LINE(lines()[0], 4425, 0, 4575, 30);
}

TEST_F(Bonds, TitleBandStyleTwo)
{
    render({"a", "##DGFOND2", "b"});
    const auto r = records();
    // print a, three sizes, 61 + 31 lines, print b, the body's height
    ASSERT_EQ(r.size(), 1u + 3 + 61 + 31 + 1 + 1);
    EXPECT_EQ(str(r[1], "op"), u"height");
    EXPECT_EQ(str(r[1], "s"), u"titre");
    EXPECT_EQ(num(r[1], "px"), 60);
    EXPECT_EQ(str(r[2], "op"), u"width");
    EXPECT_EQ(num(r[2], "px"), 600);
    EXPECT_EQ(str(r[3], "s"), u"bastitre");
    EXPECT_EQ(num(r[3], "px"), 30);
    const QJsonObject first = r[4], second = r[5], fourth = r[7], last = r[64];
    EXPECT_EQ(str(first, "s"), u"titre");
    EXPECT_LINE(first, 0, 0, 9000, 0);
    EXPECT_EQ(str(first, "color"), u"#ffe1c3");  // (255, 225, 195)
    EXPECT_EQ(str(second, "color"), u"#ffe2c4"); // m = nearest(225.5) = 226
    EXPECT_EQ(str(fourth, "color"), u"#ffe2c6"); // m = nearest(226.5) = 226
    EXPECT_LINE(last, 0, 900, 9000, 900);
    EXPECT_EQ(str(last, "color"), u"#ffffff");
    const QJsonObject low = r[65], lowLast = r[95];
    EXPECT_EQ(str(low, "s"), u"bastitre");
    EXPECT_LINE(low, 0, 450, 9000, 450);
    EXPECT_EQ(str(low, "color"), u"#ffe1c3"); // j = 30: (255, 225, 195)
    EXPECT_LINE(lowLast, 0, 0, 9000, 0);
    EXPECT_EQ(str(lowLast, "color"), u"#ffffff");
    EXPECT_PRINT(r[96], 120, 0, "b"); // the body's position is not affected
}

TEST_F(Bonds, TitleBandColoursOfEachStyle)
{
    // Line i = 10 of titre (m = 230) and line j = 10 of bastitre.
    const char *upper[] = {"#cde6ff", "#cdffe6", "#ffe6cd", "#ffffcd", "#cdffff"};
    const char *lower[] = {"#eBf5ff", "#ebfff5", "#fff5eb", "#ffffeb", "#ebffff"};
    for (int style = 0; style < 5; ++style) {
        log.clear();
        TitleBand::PaintTitleBand(host, style);
        const auto l = lines();
        ASSERT_EQ(l.size(), 92u);
        EXPECT_EQ(str(l[10], "color"), QString::fromLatin1(upper[style]).toLower()) << style;
        EXPECT_EQ(str(l[61 + 20], "color"), QString::fromLatin1(lower[style]).toLower()) << style;
    }
}

TEST_F(Bonds, TitleBandOutsideTheStylesOnlySizes)
{
    render({"##DGFOND9", "##DGFOND"});
    // "DGFOND" alone: its last character "D" reads 0, style 0.
    EXPECT_EQ(records("height").size(), 2u + 2 + 1);
    const auto l = lines();
    ASSERT_EQ(l.size(), 92u);
    EXPECT_EQ(str(l[0], "color"), u"#c3e1ff");
}

TEST_F(Bonds, TitleBandKeepsTheBandsPositionsAndFollowsBastitre)
{
    titre->setCurrentX(77);
    titre->setCurrentY(88);
    bastitre->setWidth(500);
    log.clear();
    TitleBand::PaintTitleBand(host, 4);
    EXPECT_EQ(titre->currentX(), 77);
    EXPECT_EQ(titre->currentY(), 88);
    EXPECT_EQ(bastitre->currentX(), 0);
    EXPECT_EQ(num(records("width")[0], "px"), 500);
    EXPECT_EQ(num(lines()[0], "x2"), 7500);
}
