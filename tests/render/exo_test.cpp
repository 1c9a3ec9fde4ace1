// The commands that place the test window's answer controls. Sizes with the
// test metrics: at size 10 a character is 120 twips wide, a line 240 high.

#include "renderfixture.h"

namespace vorlane::testing {
namespace {

class ExoCommandsTest : public RenderFixture {
protected:
    std::vector<QJsonObject> exo() const { return records("exo"); }
};

#define EXPECT_EXO(rec, kind, index, left, top)                                                              \
    do {                                                                                                     \
        EXPECT_EQ(str(rec, "s"), QStringLiteral("PictureTEXTE"));                                            \
        EXPECT_EQ(str(rec, "kind"), QStringLiteral(kind));                                                   \
        EXPECT_EQ(num(rec, "index"), (index));                                                               \
        EXPECT_EQ(num(rec, "left"), (left));                                                                 \
        EXPECT_EQ(num(rec, "top"), (top));                                                                   \
    } while (0)

TEST_F(ExoCommandsTest, OptionButtonsFollowTheTextInOrderEach45TwipsBelowTheLineTop)
{
    // "Q¶" ends line 1 (y 240); "ab" is 240 wide; the option then advances 270.
    render({"Q¶", "##EXOOP", "ab", "##EXOOP", "c¶"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EXO(r[0], "option", 0, 0, 240 + 45);
    EXPECT_EXO(r[1], "option", 1, 270 + 240, 240 + 45);
    // The run after the second button starts 270 further.
    const auto p = prints();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PRINT(p[2], 270 + 240 + 270, 240, "c");
    EXPECT_TRUE(host.testControls()->option1[1].visible);
    EXPECT_FALSE(host.testControls()->option1[2].visible);
}

TEST_F(ExoCommandsTest, CheckBoxesAre30BelowAndASixthOneIsNotPlaced)
{
    render({"##EXOCK", "##EXOCK", "##EXOCK", "##EXOCK", "##EXOCK", "##EXOCK", "x"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EXO(r[size_t(i)], "check", i, 270 * i, 30);
    // The sixth command does nothing: the run follows the fifth box.
    ASSERT_EQ(prints().size(), 1u);
    EXPECT_EQ(num(prints()[0], "x"), 5 * 270);
}

TEST_F(ExoCommandsTest, OptionsAndChecksAreCountedSeparately)
{
    render({"##EXOCK", "##EXOOP", "##EXOCK"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EXO(r[0], "check", 0, 0, 30);
    EXPECT_EXO(r[1], "option", 0, 270, 45);
    EXPECT_EXO(r[2], "check", 1, 540, 30);
}

TEST_F(ExoCommandsTest, TextBoxIsPlacedEveryTimeAndAdvancesByItsWidth)
{
    render({"Réponse : ", "##EXOTX", "m¶", "##EXOTX", "z"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EXO(r[0], "text", -1, 10 * 120, 30);
    EXPECT_EXO(r[1], "text", -1, 0, 240 + 30);
    const auto p = prints();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PRINT(p[1], 1200 + 1500, 0, "m");
    EXPECT_PRINT(p[2], 1500, 240, "z");
}

TEST_F(ExoCommandsTest, CourseLinkPlacesTheImageThenTheLabelInTheSurfaceFont)
{
    render({"Voir ", "##SI12", "##BOL1", "##C004", "##EXOLI la page#12", "!"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EXO(r[0], "image1", -1, 600, 0);
    EXPECT_EXO(r[1], "label", -1, 600 + 300, 0);
    EXPECT_TRUE(records("label").empty());
    const TestControls &c = *host.testControls();
    EXPECT_EQ(c.labelCaption, QStringLiteral(" la page"));
    EXPECT_EQ(c.labelTag, QStringLiteral("12"));
    EXPECT_EQ(c.labelFont.size, 12);
    EXPECT_TRUE(c.labelFont.bold);
    // The colour is the surface's: the run after the link is printed in it.
    EXPECT_NE(c.labelColour, QColor(Qt::black));
    EXPECT_EQ(c.labelColour.name(), str(prints().back(), "color"));
    // " la page" is 8 characters at size 12: 8 x 144.
    EXPECT_EQ(c.labelWidth, 8 * 144);
    EXPECT_EQ(num(prints().back(), "x"), 600 + 300 + 8 * 144);
}

TEST_F(ExoCommandsTest, CourseLinkSplitsAtTheLastHash)
{
    render({"##EXOLIa#b#0042"});
    EXPECT_EQ(host.testControls()->labelCaption, QStringLiteral("a#b"));
    EXPECT_EQ(host.testControls()->labelTag, QStringLiteral("0042"));
    // A "#" right after the tag gives an empty caption: the label is placed
    // with no width.
    log.clear();
    render({"##EXOLI#12", "x"});
    EXPECT_EQ(exo().size(), 2u);
    EXPECT_EQ(host.testControls()->labelTag, QStringLiteral("12"));
    EXPECT_EQ(num(prints()[0], "x"), 300);
}

TEST_F(ExoCommandsTest, LinkOrVideoWithoutAHashPlacesNothing)
{
    // The "#" must lie between character 5 and the one before last.
    render({"##EXOLIsans cible", "##EXOLI12#", "##EXOVIastuce#", "##EXOVI", "x"});
    EXPECT_TRUE(exo().empty());
    EXPECT_EQ(num(prints()[0], "x"), 0);
}

TEST_F(ExoCommandsTest, VideoIconCarriesItsToolTipAndTag)
{
    render({"ab", "##EXOVIVoir la vidéo#0031", "c"});
    const auto r = exo();
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EXO(r[0], "icovideo", -1, 240, 0);
    EXPECT_EQ(host.testControls()->videoToolTip, QString::fromUtf8("Voir la vidéo"));
    EXPECT_EQ(host.testControls()->videoTag, QStringLiteral("0031"));
    EXPECT_EQ(num(prints()[1], "x"), 240 + 480);
}

TEST(ExoCommandsWithoutControls, AHostWithoutTestControlsPlacesNothingAndDoesNotMove)
{
    TraceLog log;
    RenderHost host; // the course window's kind of host: no test controls
    RenderState state;
    PageRenderer renderer(state, host);
    RecordingSurface body(QStringLiteral("PictureTEXTE"), log, std::make_shared<TestMetrics>(), 600, 1000);
    renderer.setSurface(&body);
    renderer.RenderPageText(QStringLiteral("##EXOOP\r\n##EXOTX\r\n##EXOLIx#1\r\na\r\n"));
    int prints = 0;
    for (const QString &line : log.lines()) {
        EXPECT_FALSE(line.contains(QStringLiteral("\"exo\"")));
        if (line.contains(QStringLiteral("\"print\""))) {
            ++prints;
            EXPECT_TRUE(line.contains(QStringLiteral("\"x\":0,")));
        }
    }
    EXPECT_EQ(prints, 1);
}

} // namespace
} // namespace vorlane::testing
