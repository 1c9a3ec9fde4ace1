// Text style, colour and positioning commands.

#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

using Style = RenderFixture;

TEST_F(Style, SizeIsTheLastTwoCharacters)
{
    render({"##SI12", "a", "##SI08", "b", "##SI8", "c", "##SI00", "d", "##SI-5", "e", "##SIxx", "f", "##SI",
            "g"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 7u);
    const double sizes[] = {12, 8, 8, 8, 8, 8, 8}; // "I8", "00", "-5", "xx" and "SI" set nothing
    for (size_t i = 0; i < p.size(); ++i)
        EXPECT_EQ(num(p[i], "size"), sizes[i]) << i;
}

TEST_F(Style, BoldItalicUnderline)
{
    render({"##BOL1", "##ITA1", "a", "##UND1", "##BOL0", "b", "##ITA0", "##UND0", "c", "##BOL1xyz", "d"});
    const auto p = prints();
    auto flags = [&](size_t i) {
        return QString::number(p[i].value(u"bold").toBool()) +
               QString::number(p[i].value(u"italic").toBool()) +
               QString::number(p[i].value(u"underline").toBool());
    };
    EXPECT_EQ(flags(0), u"110");
    EXPECT_EQ(flags(1), u"011");
    EXPECT_EQ(flags(2), u"000");
    EXPECT_EQ(flags(3), u"100"); // prefix match
}

TEST_F(Style, TextColourTable)
{
    const char *expected[] = {"#000000", "#000080", "#0000c8", "#0000ff", "#008000", "#800000",
                              "#5a5ad2", "#00ff00", "#b46400", "#1eb450", "#808080", "#ff0000",
                              "#00c000", "#8080ff", "#00c0c0", "#ffff00"};
    for (int i = 0; i < 16; ++i) {
        log.clear();
        state.pageHeight = 0;
        const QByteArray cmd = "##C0" + QByteArray::number(i).rightJustified(2, '0');
        render({cmd.constData(), "a"});
        ASSERT_EQ(prints().size(), 1u);
        EXPECT_EQ(str(prints()[0], "color"), QString::fromLatin1(expected[i])) << cmd.constData();
    }
}

TEST_F(Style, ColourOutOfTheTableIsKept)
{
    render({"##C011", "##C016", "a", "##C-01", "b", "##C999", "c", "##Cxyz", "d", "##C011", "##CLEF", "e"});
    const auto p = prints();
    EXPECT_EQ(str(p[0], "color"), u"#ff0000");
    EXPECT_EQ(str(p[1], "color"), u"#ff0000");
    EXPECT_EQ(str(p[2], "color"), u"#ff0000");
    EXPECT_EQ(str(p[3], "color"), u"#000000"); // not a number: 0, black
    EXPECT_EQ(str(p[4], "color"), u"#000000"); // any command beginning with C
}

TEST_F(Style, FontTable)
{
    render({"##FONT01", "a", "##FONT02", "b", "##FONT03", "c", "##FONT04", "d", "##FONT05", "e", "##FONT09",
            "f", "##FONT00", "g"});
    const auto p = prints();
    const char *fonts[] = {"Symbol",   "Times new roman", "Wingdings", "Comic Sans MS",
                           "MT Extra", "MT Extra",        "Arial"};
    for (size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(str(p[i], "font"), QString::fromLatin1(fonts[i])) << i;
        EXPECT_EQ(num(p[i], "y"), 0) << i; // same heights with the test metrics
    }
}

TEST_F(Style, PointAndArrowPrintInSymbolThenRestoreTheFont)
{
    render({"##FONT02", "a", "##POINT", "b", "##FLECHE", "c", "##POINTS", "d"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 6u);
    EXPECT_PRINT(p[1], 120, 0, "·");
    EXPECT_EQ(str(p[1], "font"), u"Symbol");
    EXPECT_PRINT(p[2], 240, 0, "b");
    EXPECT_EQ(str(p[2], "font"), u"Times new roman");
    EXPECT_PRINT(p[3], 360, 0, "¾®");
    EXPECT_EQ(str(p[3], "font"), u"Symbol");
    EXPECT_PRINT(p[4], 600, 0, "c");
    EXPECT_PRINT(p[5], 720, 0, "d"); // POINT is exact: POINTS does nothing
}

TEST_F(Style, CentredLineIncludesTheFinalCOfTheTag)
{
    // "FEINCab": the text is "Cab", 360 twips wide.
    render({"##FEINCab", "a", "b"});
    EXPECT_PRINT(prints()[0], 4320, 0, "a");
    EXPECT_PRINT(prints()[1], 4440, 0, "b");
}

TEST_F(Style, PixelPositions)
{
    render({"##POX010", "a", "##PIX010", "b", "##PIY020", "c", "##POX5", "d", "##PIX-10", "e"});
    const auto p = prints();
    EXPECT_PRINT(p[0], 150, 0, "a");
    EXPECT_PRINT(p[1], 420, 0, "b");   // 270 + 150
    EXPECT_PRINT(p[2], 540, 300, "c"); // "Y020" reads 20
    EXPECT_PRINT(p[3], 0, 300, "d");   // the last 3 characters are "OX5": 0
    EXPECT_PRINT(p[4], -30, 300, "e"); // 120 - 150
}

TEST_F(Style, OneRunShifts)
{
    render({"##DECABAS", "a", "b", "##DECABA2", "c", "##DECAHAU", "d", "##DECAHA2", "e", "f"});
    const auto p = prints();
    const double ys[] = {120, 0, 60, -120, -60, 0};
    for (size_t i = 0; i < 6; ++i)
        EXPECT_EQ(num(p[i], "y"), ys[i]) << i;
}

TEST_F(Style, OneRunShiftIsWholeTwips)
{
    // Size 9: H = 216, H / 4 = 54; size 11: H = 264, H / 4 = 66; size 13: H = 312 / 4 = 78.
    // Size 7.5 cannot be set by SI; H = 180 at size 7.5 would give 45.
    render({"##SI09", "##DECABA2", "a", "##SI11", "##DECAHA2", "b", "##SI13", "##DECABA2", "c"});
    const auto p = prints();
    EXPECT_EQ(num(p[0], "y"), 54);
    EXPECT_EQ(num(p[1], "y"), -66);
    EXPECT_EQ(num(p[2], "y"), 78);
    body->setFontSize(7.25); // H = 174, H / 4 = 43.5: halves to even, 44
    renderer.ExecuteMarkupLine(u"##DECABA2");
    EXPECT_EQ(state.layout.lineShift, 44);
    body->setFontSize(7.75); // H = 186, H / 4 = 46.5: 46
    renderer.ExecuteMarkupLine(u"##DECABA2");
    EXPECT_EQ(state.layout.lineShift, 46);
}

TEST_F(Style, LastingShifts)
{
    render({"##DECABADEF", "a", "##DECAHADEF", "b", "##DECAB2DEF", "c", "##DECAH2DEF", "d", "##DECLIG2.5",
            "e", "##DECLIG-1", "f", "##DECLIG", "g"});
    const auto p = prints();
    const double ys[] = {120, 0, 60, 0, 600, 360, 360};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(num(p[i], "y"), ys[i]) << i;
}

TEST_F(Style, PloufGrowsThePageUnlessPrinting)
{
    render({"##PLOUF", "##PLOUFS"});
    EXPECT_EQ(ops(), QStringList({u"refresh"_s, u"height"_s, u"height"_s}));
    EXPECT_EQ(num(records("height")[0], "px"), 2000);
    log.clear();
    state.printMode = true;
    render({"##PLOUF"});
    EXPECT_TRUE(log.lines().isEmpty());
}

TEST_F(Style, ReliefArguments)
{
    render({"##RELIEF", "##RELIEFx12"});
    EXPECT_EQ(state.layout.reliefDepth, 0);   // character 7 "x"
    EXPECT_EQ(state.layout.reliefColour, 12); // "12"
    render({"##RELIEF9-3", "a"});
    // Depth 9 in a colour outside the palette: the shadow keeps the text colour.
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[0], 135, 135, "a");
    EXPECT_EQ(str(p[0], "color"), u"#000000");
}
