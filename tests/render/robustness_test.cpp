// Malformed bodies draw what the rules give and never crash or hang.

#include "core/render/commandtable.h"
#include "renderfixture.h"

#include <cmath>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

using Malformed = RenderFixture;

TEST_F(Malformed, ShortCommandsReadEmptyOrTagLettersAsZero)
{
    render({"##SI", "##RECT", "##LEWIS", "##POLY", "##IND", "##EXP"});
    // RECT: w = "" and h = "ECT": a box of nothing at (0, 0).
    const auto l = lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_LINE(l[0], 0, 0, 0, 0);
    // LEWIS: dx = "" and dy = "WIS": a dot at the position.
    const auto d = records("pset");
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(num(d[0], "x"), 0);
    EXPECT_EQ(num(d[0], "y"), 0);
    // POLY: character 5 is empty, the last character is "Y".
    const auto p = prints();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_PRINT(p[0], 0, -60, "Y");
    EXPECT_EQ(num(p[0], "size"), 8);
    EXPECT_EQ(body->currentX(), 96);
    EXPECT_EQ(body->font().size, 10);
}

TEST_F(Malformed, NonNumericArgumentsReadAsZero)
{
    render({"##PIXabc", "##PIYa12", "##SIab", "##INTERxxxx", "##DECLIGdown", "##RECTabcdef", "a¶", "b"});
    const auto p = prints();
    // INTER read 0: the line height is 0, so b is on a's line.
    EXPECT_PRINT(p[0], 0, 0, "a");
    EXPECT_PRINT(p[1], 0, 0, "b");
    EXPECT_EQ(num(p[1], "size"), 10);
}

TEST_F(Malformed, ValuesBeyondSinglePrecisionAreSkipped)
{
    render({"##DECLIG1E99", "##SQD", "##SQF1E99", "##INTER9E99", "a¶", "b"});
    EXPECT_TRUE(lines().empty()); // the root's corners do not fit
    const auto p = prints();
    EXPECT_PRINT(p[0], 180, 0, "a");
    EXPECT_PRINT(p[1], 0, 240, "b"); // lineFactor kept at 1
}

TEST_F(Malformed, EveryTagAloneOrWithJunkIsHarmless)
{
    const char *junk[] = {"", "x", "-", "#", "##", "9E99", "-9E99", "1#2#", "999999", "\xc2\xb6", " ", "..."};
    for (const CommandTable::Test &test : CommandTable::tests()) {
        for (const char *j : junk) {
            log.clear();
            state.pageHeight = 0;
            const QString line = u"##"_s + test.tag.toString() + QString::fromUtf8(j) + u"\r\nz\r\n"_s;
            renderer.setSurface(body);
            renderer.RenderPageText(line);
            EXPECT_TRUE(std::isfinite(renderer.currentSurface()->currentX())) << line.toStdString();
            EXPECT_TRUE(std::isfinite(renderer.currentSurface()->currentY())) << line.toStdString();
            EXPECT_FALSE(prints().empty()) << line.toStdString();
        }
    }
}

TEST_F(Malformed, LineOfAHundredThousandCharacters)
{
    const QString longRun = QString(100000, u'a') + u"\u00B6\r\n"_s;
    const QString longCommands = u"##C"_s + QString(100000, u'9') + u"\r\n##IND"_s + QString(100000, u'i') +
                                 u"\r\n##FRAC"_s + QString(100000, u'#') + u"\r\n##FEINC"_s +
                                 QString(100000, u'x') + u"\r\n"_s;
    renderer.RenderPageText(longRun + longCommands + u"b\r\n"_s);
    const auto p = prints();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(str(p[0], "text").size(), 100000);
    EXPECT_EQ(num(p[1], "y"), 300);             // the index, 60 lower on the second line
    EXPECT_EQ(str(p[2], "text").size(), 99998); // the numerator: all but the last two "#"
    EXPECT_EQ(str(p[3], "text"), u"#");
    // FEINC's text is "C" + 100000 x: 100001 characters of 120 twips.
    EXPECT_EQ(num(p[4], "x"), (9000 - 120.0 * 100001) / 2);
    EXPECT_EQ(str(p[4], "color"), u"#000000"); // "999" is outside the colour table
}

TEST_F(Malformed, BodyOfFiftyThousandLines)
{
    QString text;
    text.reserve(50000 * 12);
    for (int i = 0; i < 50000; ++i) {
        switch (i % 5) {
        case 0:
            text += u"x\u00B6\r\n"_s;
            break;
        case 1:
            text += u"##IND2\r\n"_s;
            break;
        case 2:
            text += u"##K003\r\n"_s;
            break;
        case 3:
            text += u"##K101\r\n"_s;
            break;
        default:
            text += u"##PIY-17\r\n"_s;
            break; // PIY reads "-17"
        }
    }
    renderer.RenderPageText(text);
    EXPECT_EQ(prints().size(), 20000u);
    EXPECT_EQ(lines().size(), 20000u);
    // Per five lines: +240, then K003 ends 192 lower, -255 by PIY: +177.
    EXPECT_EQ(state.pageHeight, 10000 * 177);
    EXPECT_DOUBLE_EQ(body->height(), 10000 * 177 / 15.0);
}
