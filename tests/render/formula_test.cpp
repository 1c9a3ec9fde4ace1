// Formula notation: indexes, exponents, fractions, roots, arcs, bars, vectors.

#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

using Formula = RenderFixture;

TEST_F(Formula, IndexAndExponentAtSizeTwelve)
{
    render({"##SI12", "x", "##EXP2", "y", "##IND12", "z"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_PRINT(p[1], 144, -72, "2");
    EXPECT_EQ(num(p[1], "size"), 10);
    EXPECT_PRINT(p[2], 264, 0, "y");
    EXPECT_EQ(num(p[2], "size"), 12);
    EXPECT_PRINT(p[3], 408, 72, "12");
    EXPECT_PRINT(p[4], 648, 0, "z");
}

TEST_F(Formula, IndexInAnEightPointFontKeepsTheSize)
{
    render({"##SI08", "x", "##IND2", "y"});
    const auto p = prints();
    EXPECT_PRINT(p[1], 96, 48, "2");
    EXPECT_EQ(num(p[1], "size"), 8);
    EXPECT_PRINT(p[2], 192, 0, "y");
}

TEST_F(Formula, IndexRestoresTheRoundedSize)
{
    renderer.ResetLayout();
    body->setFontSize(10.5); // s = 10 (halves to even)
    renderer.ExecuteMarkupLine(u"##INDi");
    EXPECT_EQ(num(prints()[0], "y"), 60);
    EXPECT_EQ(num(prints()[0], "size"), 8);
    EXPECT_EQ(body->font().size, 10);
}

TEST_F(Formula, StackedIndexes)
{
    render({"##POLY3-", "x"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PRINT(p[0], 0, 90, "3");
    EXPECT_EQ(num(p[0], "size"), 8);
    EXPECT_PRINT(p[1], 0, -60, "-");
    EXPECT_PRINT(p[2], 96, 0, "x"); // the wider of the two in size 8
    EXPECT_EQ(num(p[2], "size"), 10);
}

TEST_F(Formula, HatLeavesThePositionUnderIt)
{
    render({"##SI12", "##PIX010", "##CHAPEAU", "v"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[0], 150, -98, "^"); // 7 x 14
    EXPECT_EQ(num(p[0], "size"), 14);
    EXPECT_PRINT(p[1], 150, 0, "v");
    EXPECT_EQ(num(p[1], "size"), 12);
}

TEST_F(Formula, FractionSplitsAtTheLastHash)
{
    render({"##FRAC1#2#3", "="});
    const auto p = prints();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PRINT(p[0], 0, -120, "1#2");
    EXPECT_PRINT(p[1], 120, 120, "3"); // centred on the 360 of the numerator
    ASSERT_EQ(lines().size(), 1u);
    EXPECT_LINE(lines()[0], 0, 120, 360, 120);
    EXPECT_EQ(str(lines()[0], "style"), u"line");
    EXPECT_PRINT(p[2], 360, 0, "=");
}

TEST_F(Formula, FractionCentresTheNarrowerPart)
{
    render({"##C011", "##PIX010", "##FRACm#2.5"});
    const auto p = prints();
    EXPECT_PRINT(p[0], 150 + 120, -120, "m");
    EXPECT_PRINT(p[1], 150, 120, "2.5");
    EXPECT_EQ(str(lines()[0], "color"), u"#ff0000");
}

TEST_F(Formula, FractionWithoutAUsableHashDoesNothing)
{
    render({"##FRAC12", "##FRAC1#", "##FRAC", "##FRAC#", "a"});
    EXPECT_TRUE(lines().empty());
    ASSERT_EQ(prints().size(), 1u);
    EXPECT_PRINT(prints()[0], 0, 0, "a");
}

TEST_F(Formula, FractionWithAnEmptyNumerator)
{
    render({"##FRAC#2"});
    ASSERT_EQ(prints().size(), 1u);
    EXPECT_PRINT(prints()[0], 0, 120, "2");
    EXPECT_LINE(lines()[0], 0, 120, 120, 120);
}

TEST_F(Formula, MultiRunFraction)
{
    render({"a", "##NUMERATEUR", "bc", "##DENOMINATEUR", "d", "##FINFRAC", "=", "##NUMERATEUR", "e",
            "##DENOMINATEUR", "fgh", "##FINFRAC", "!"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 7u);
    EXPECT_PRINT(p[1], 120, -120, "bc");
    EXPECT_PRINT(p[2], 120, 120, "d"); // not centred
    EXPECT_PRINT(p[3], 360, 0, "=");   // at the end of the wider part
    EXPECT_PRINT(p[4], 480, -120, "e");
    EXPECT_PRINT(p[5], 480, 120, "fgh");
    EXPECT_PRINT(p[6], 840, 0, "!");
    const auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_LINE(l[0], 120, 120, 360, 120);
    EXPECT_LINE(l[1], 480, 120, 840, 120);
}

TEST_F(Formula, SquareRootOfOneLine)
{
    render({"##SQD", "x", "##SQF1", "="});
    const auto p = prints();
    EXPECT_PRINT(p[0], 180, 0, "x"); // room of 1.5 x TextWidth("X")
    const auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_LINE(l[0], 0, 120, 60, 240);
    EXPECT_LINE(l[1], 60, 240, 120, 0);
    EXPECT_LINE(l[2], 120, 0, 360, 0);
    EXPECT_PRINT(p[1], 360, 0, "=");
}

TEST_F(Formula, SquareRootTwoLinesHighIsCentredOnTheFirstLine)
{
    render({"##PIY010", "##SQD", "x", "##SQF 2", "="});
    const auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    // h = 480: from 150 + 240 = 390 down to 150 + 120 + 240 = 510, up to 30.
    EXPECT_LINE(l[0], 0, 390, 60, 510);
    EXPECT_LINE(l[1], 60, 510, 120, 30);
    EXPECT_LINE(l[2], 120, 30, 360, 30);
    EXPECT_PRINT(prints()[1], 360, 150, "=");
}

TEST_F(Formula, SquareRootCornersAreWholeTwips)
{
    // Size 11: Wx = 132, H = 264; k = 1.5: h = 396.
    render({"##SI11", "##SQD", "ab", "##SQF1.5"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_LINE(l[0], 0, 198, 66, 330);
    EXPECT_LINE(l[1], 66, 330, 132, -66);
    // x after "ab" = 198 + 264 = 462; P4.x = 462 + 66
    EXPECT_LINE(l[2], 132, -66, 528, -66);
}

TEST_F(Formula, SquareRootHalvesGoToEven)
{
    // h = nearest(243) ; P1.y = nearest(121.5) = 122; P2.y = nearest(241.5) = 242.
    render({"##SQD", "x", "##SQF1.0125"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_LINE(l[0], 0, 122, 60, 242);
    EXPECT_LINE(l[1], 60, 242, 120, -1);
    EXPECT_LINE(l[2], 120, -1, 360, -1);
}

TEST_F(Formula, ArcOverTheText)
{
    render({"##PIY010", "##ARCD", "AB", "##ARCF", "C"});
    const auto c = records("circle");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(num(c[0], "x"), 120);
    EXPECT_DOUBLE_EQ(num(c[0], "y"), 358.8); // 150 + 0.87 r: below the line's top
    EXPECT_EQ(num(c[0], "r"), 240);
    EXPECT_EQ(num(c[0], "start"), 1.05); // 1.047 written to two decimals
    EXPECT_EQ(num(c[0], "end"), 2.09);
    EXPECT_PRINT(prints()[1], 240, 150, "C");
}

TEST_F(Formula, ArcWithNothingBetweenHasRadiusZero)
{
    render({"##POX010", "##ARCD", "##ARCF", "##POX000", "##ARCF"});
    const auto c = records("circle");
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(num(c[0], "x"), 150);
    EXPECT_EQ(num(c[0], "r"), 0);
    EXPECT_EQ(num(c[1], "x"), 75); // drawn as computed, radius -150
    EXPECT_EQ(num(c[1], "y"), -130.5);
    EXPECT_EQ(num(c[1], "r"), -150);
}

TEST_F(Formula, VectorsAndBars)
{
    render({"##VE1AB", "c", "##VA2x", "##VE2", "##VA1"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 8u);
    // A quarter of a space (30) beyond each end of the text; the arrow head
    // 60 back and 30 to each side.
    EXPECT_LINE(l[0], -30, 0, 270, 0);
    EXPECT_LINE(l[1], 210, -30, 270, 0);
    EXPECT_LINE(l[2], 210, 30, 270, 0);
    EXPECT_PRINT(prints()[1], 270, 0, "c");
    EXPECT_PRINT(prints()[2], 390, 0, "x");
    EXPECT_LINE(l[3], 360, 30, 540, 30); // VA2: 30 lower
    EXPECT_LINE(l[4], 510, 30, 570, 30); // VE2 with no text
    EXPECT_LINE(l[5], 510, 0, 570, 30);
    EXPECT_LINE(l[6], 510, 60, 570, 30);
    EXPECT_LINE(l[7], 540, 0, 600, 0); // VA1 starts from the end of VE2's line
}

TEST_F(Formula, BarEndsAreWholeTwips)
{
    renderer.ResetLayout();
    body->setFontSize(12.5); // Sp = 150: a quarter is 37.5
    renderer.ExecuteMarkupLine(u"##VA1a");
    EXPECT_LINE(lines()[0], -38, 0, 188, 0); // -37.5 and 187.5 halves to even
    EXPECT_EQ(body->currentX(), 188);
}
