// The page text driver: line format, text runs, the final step, the reset.

#include "core/render/markuprender.h"
#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

using Driver = RenderFixture;

TEST(MarkupRenderTrace, ExampleComesOutByteForByte)
{
    MarkupRenderOptions options;
    options.testMetrics = true;
    const auto trace =
        MarkupRender::trace(QString::fromUtf8("##SI12\r\nH\r\n##IND2\r\nO¶\r\n"), options, nullptr);
    ASSERT_TRUE(trace);
    EXPECT_EQ(*trace,
              QByteArray("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":0,\"y\":0,\"text\":\"H\",\"font\":"
                         "\"Arial\",\"size\":12,"
                         "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
                         "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":144,\"y\":72,\"text\":\"2\","
                         "\"font\":\"Arial\",\"size\":10,"
                         "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
                         "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":264,\"y\":0,\"text\":\"O\",\"font\":"
                         "\"Arial\",\"size\":12,"
                         "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
                         "{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":19.2}\n"
                         "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":288,\"heightPx\":19.2}\n"));
}

TEST(MarkupRenderTrace, EmptyBodyLeavesTheSurfaceZeroHigh)
{
    MarkupRenderOptions options;
    options.testMetrics = true;
    EXPECT_EQ(*MarkupRender::trace(u"", options, nullptr),
              QByteArray("{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":0}\n"
                         "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":0}\n"));
}

TEST(MarkupRenderTrace, PrintModeKeepsTheHeightAndLeavesPageHeightZero)
{
    MarkupRenderOptions options;
    options.testMetrics = true;
    options.printMode = true;
    options.widthPx = 300; // the column is 600 pixels whatever the surface
    const auto trace = MarkupRender::trace(QString::fromUtf8("##ALDR\r\nA¶\r\n"), options, nullptr);
    ASSERT_TRUE(trace);
    const QList<QByteArray> lines = trace->split('\n');
    ASSERT_EQ(lines.size(), 3); // print, end, and the empty text after the last line end
    EXPECT_TRUE(lines[0].contains("\"x\":8880,\"y\":0,\"text\":\"A\"")) << lines[0].constData();
    EXPECT_EQ(lines[1],
              QByteArray("{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":1000}"));
}

TEST_F(Driver, RunsBeforeAPilcrowShareTheOutputLine)
{
    render({"H", "##IND2", "O¶", "x"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_PRINT(p[0], 0, 0, "H");
    EXPECT_PRINT(p[1], 120, 60, "2"); // size 10: lowered 60, printed at size 8
    EXPECT_EQ(num(p[1], "size"), 8);
    EXPECT_PRINT(p[2], 216, 0, "O"); // 120 + 8 x 12
    EXPECT_EQ(num(p[2], "size"), 10);
    EXPECT_PRINT(p[3], 0, 240, "x"); // the pilcrow ended the line; it is never drawn
    EXPECT_EQ(state.pageHeight, 240);
}

TEST_F(Driver, TextAfterTheLastLineEndIsNotDrawn)
{
    renderer.RenderPageText(QString::fromUtf8("A¶\r\nB¶\r\nC¶"));
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[1], 0, 240, "B");
    EXPECT_EQ(state.pageHeight, 480);
    EXPECT_EQ(body->height(), 32);
}

TEST_F(Driver, LinesEndOnlyAtCrLf)
{
    // LF alone and CR alone are characters of the run.
    renderer.RenderPageText(QString::fromUtf8("A\nB¶\rC¶\r\n"));
    const auto p = prints();
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(str(p[0], "text"), QString::fromUtf8("A\nB¶\rC"));
    EXPECT_EQ(state.pageHeight, 240);
}

TEST_F(Driver, ASecondBodyIsDrawnBelowTheFirstUnlessPageHeightIsCleared)
{
    render({"A¶"});
    render({"B¶"});
    EXPECT_PRINT(prints()[1], 0, 240, "B");
    EXPECT_EQ(state.pageHeight, 480);
    state.pageHeight = 0;
    render({"C¶"});
    EXPECT_PRINT(prints()[2], 0, 0, "C");
}

TEST_F(Driver, AlignmentActsPerRun)
{
    render({"##ALCE", "AB", "CD¶", "##ALDR", "ABC¶", "##ALGA", "##PIX010", "E¶"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_PRINT(p[0], 4380, 0, "AB"); // (0 + 9000 - 240) / 2
    EXPECT_PRINT(p[1], 4380, 0, "CD"); // centred by itself: the two overlap
    EXPECT_PRINT(p[2], 8640, 240, "ABC");
    EXPECT_PRINT(p[3], 150, 480, "E");
}

TEST_F(Driver, AnEmptyRunStillAlignsAndEndsTheLine)
{
    render({"##ALCE", "", "##ALGA", "x", "##ALDR", "¶", "##ALGA", "y"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[0], 4500, 0, "x");
    EXPECT_PRINT(p[1], 0, 240, "y");
}

TEST_F(Driver, LineFactorScalesTheLineHeight)
{
    render({"##INTER1.50", "A¶", "B¶", "##SI20", "C¶", "D¶"});
    const auto p = prints();
    EXPECT_PRINT(p[1], 0, 360, "B");
    EXPECT_PRINT(p[2], 0, 720, "C");
    EXPECT_PRINT(p[3], 0, 1440, "D"); // 720 + 1.5 x 480
}

TEST_F(Driver, ReliefShadowIsPrintedFirstInItsColour)
{
    render({"##C011", "##RELIEF108", "AB¶", "##RELIEF0", "C"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_PRINT(p[0], 15, 15, "AB");
    EXPECT_EQ(str(p[0], "color"), u"#808080");
    EXPECT_PRINT(p[1], 0, 0, "AB");
    EXPECT_EQ(str(p[1], "color"), u"#ff0000");
    EXPECT_PRINT(p[2], 0, 240, "C");
}

TEST_F(Driver, ReliefShadowFollowsTheAlignmentAndShift)
{
    render({"##RELIEF312", "##ALDR", "##DECABAS", "AB"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[0], 8760 + 45, 120 + 45, "AB");
    EXPECT_EQ(str(p[0], "color"), u"#ff0000");
    EXPECT_PRINT(p[1], 8760, 120, "AB");
}

TEST_F(Driver, ResetLayoutPutsTheStartValuesBack)
{
    render({"##SI14", "##BOL1", "##ITA1", "##UND1", "##C003", "##ALCE", "##INTER2.00", "##RELIEF208", "##UP",
            "x¶"});
    EXPECT_TRUE(state.layout.illustrationUp);
    state.pageHeight = 0;
    render({"y¶", "z¶"});
    const auto p = prints();
    const QJsonObject y = p[p.size() - 2];
    EXPECT_PRINT(y, 0, 0, "y");
    EXPECT_EQ(str(y, "font"), u"Arial");
    EXPECT_EQ(num(y, "size"), 10);
    EXPECT_FALSE(y.value(u"bold").toBool());
    EXPECT_FALSE(y.value(u"italic").toBool());
    EXPECT_FALSE(y.value(u"underline").toBool());
    EXPECT_EQ(str(y, "color"), u"#000000");
    EXPECT_PRINT(p.back(), 0, 240, "z");
    EXPECT_FALSE(state.layout.illustrationUp);
    EXPECT_EQ(state.layout.rightEdge, 9000);
}

TEST_F(Driver, UpIsTracedAndRead)
{
    render({"##UP", "##UPX", "##STAY"});
    EXPECT_EQ(ops(), QStringList({u"up"_s, u"height"_s}));
    EXPECT_TRUE(state.layout.illustrationUp);
}

TEST_F(Driver, UnknownAndLowerCaseCommandsDoNothing)
{
    render({"##", "#", "##ZZZ", "##c011", "##si20", "##K005", "##K0011", "A"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u); // "#" is an ordinary run
    EXPECT_PRINT(p[0], 0, 0, "#");
    EXPECT_PRINT(p[1], 120, 0, "A");
    EXPECT_EQ(str(p[1], "color"), u"#000000");
    EXPECT_EQ(num(p[1], "size"), 10);
    EXPECT_EQ(ops(), QStringList({u"print"_s, u"print"_s, u"height"_s}));
}

TEST_F(Driver, EveryMatchingTestActs)
{
    // CHAPEAU is a C command too: its last three characters read as 0 (black).
    render({"##C011", "##CHAPEAU", "a"});
    const auto p = prints();
    ASSERT_EQ(p.size(), 2u);
    EXPECT_PRINT(p[0], 0, -84, "^");
    EXPECT_EQ(num(p[0], "size"), 12);
    EXPECT_EQ(str(p[0], "color"), u"#000000");
    EXPECT_PRINT(p[1], 0, 0, "a"); // under the hat
    EXPECT_EQ(num(p[1], "size"), 10);
    EXPECT_EQ(str(p[1], "color"), u"#000000");
}

TEST_F(Driver, SixteenBitFieldsKeepTheirValueOnOverflow)
{
    render({"##POX100", "##NUMERATEUR", "##POX999", "##PIX999", "##PIX999", "##NUMERATEUR", "##DENOMINATEUR",
            "a"});
    // The second NUMERATEUR (x 44955) does not fit: fractionLeft stays 1500.
    EXPECT_EQ(state.layout.fractionLeft, 1500);
    EXPECT_PRINT(prints()[0], 1500, -240 + 240, "a"); // two H/2 up, one H down
}

TEST(DriverWide, ARightEdgeBeyondSixteenBitsKeepsItsOldValue)
{
    TraceLog log;
    OffscreenHost host(&log);
    DrawingSurface &s = host.addSurface(std::make_unique<RecordingSurface>(
        u"PictureTEXTE"_s, log, std::make_shared<TestMetrics>(), 3000, 1000));
    RenderState state;
    state.layout.rightEdge = 1234;
    PageRenderer r(state, host);
    r.setSurface(&s);
    r.RenderPageText(QString::fromUtf8("##ALDR\r\nA¶\r\n")); // ScaleWidth 45000
    EXPECT_EQ(state.layout.rightEdge, 1234);
    EXPECT_TRUE(log.lines()[0].contains(u"\"x\":1114,"));
}

TEST_F(Driver, PrintModeUsesTheWidePensAndTheFixedColumn)
{
    state.printMode = true;
    render({"##K001", "##LEWIS001001", "##K001"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(num(l[0], "width"), 3);
    EXPECT_EQ(num(records("pset")[0], "width"), 6);
    EXPECT_EQ(num(l[1], "width"), 3);
    EXPECT_EQ(state.layout.rightEdge, 9000);
    EXPECT_EQ(state.pageHeight, 0);
    EXPECT_TRUE(records("height").empty());
}

TEST_F(Driver, ExecuteMarkupLineTakesTheLineWithItsHashes)
{
    renderer.ResetLayout();
    renderer.ExecuteMarkupLine(u"##SI14");
    renderer.ExecuteMarkupLine(u"##");
    renderer.ExecuteMarkupLine(u"");
    EXPECT_EQ(body->font().size, 14);
    EXPECT_TRUE(log.lines().isEmpty()); // ResetLayout writes nothing
}
