// Links, floating menus, the window caption and the video frame.

#include "core/render/floatmenu.h"
#include "core/render/linkelements.h"
#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

class Links : public RenderFixture {
protected:
    LinkElements &links() { return *host.linkElements(); }
    const LinkItem &label(int i) { return links().element(LinkArray::Labelien, i); }
    const LinkItem &image(int i) { return links().element(LinkArray::Imagelien, i); }
    FloatMenu &menu() { return *host.floatMenu(); }
};

} // namespace

TEST_F(Links, TextLinkAtThePosition)
{
    render({"##PIY010", "##POX020", "##LIERTvoir la loi#PAG012", "x"});
    const auto l = records("label");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(str(l[0], "s"), u"PictureTEXTE");
    EXPECT_EQ(str(l[0], "array"), u"Labelien");
    EXPECT_EQ(num(l[0], "index"), 0);
    EXPECT_EQ(num(l[0], "left"), 300);
    EXPECT_EQ(num(l[0], "top"), 150);
    EXPECT_EQ(str(l[0], "caption"), u"voir la loi");
    EXPECT_EQ(str(l[0], "tag"), u"PAG012");
    // the link is not drawn; the next run starts right after it (11 x 120)
    ASSERT_EQ(prints().size(), 1u);
    EXPECT_PRINT(prints()[0], 300 + 1320, 150, "x");

    const LinkItem &e = label(0);
    EXPECT_TRUE(e.visible);
    EXPECT_EQ(e.container, u"PictureTEXTE");
    EXPECT_EQ(e.left, 300);
    EXPECT_EQ(e.top, 150);
    EXPECT_EQ(e.width, 1320);
    EXPECT_EQ(e.height, 240);
    EXPECT_EQ(e.tag, u"PAG012");
}

TEST_F(Links, LabelsCarryTheSurfacesFontAndColour)
{
    render({"##SI12", "##BOL1", "##ITA1", "##UND1", "##C011", "##FONT02", "##LIERTa#b#PAG3", "x"});
    const auto l = records("label");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(str(l[0], "caption"), u"a#b"); // only the last "#" splits
    EXPECT_EQ(str(l[0], "tag"), u"PAG3");
    EXPECT_EQ(str(l[0], "font"), u"Times new roman");
    EXPECT_EQ(num(l[0], "size"), 12);
    EXPECT_TRUE(l[0].value(u"bold").toBool());
    EXPECT_TRUE(l[0].value(u"italic").toBool());
    EXPECT_EQ(str(l[0], "color"), u"#ff0000");
    EXPECT_FALSE(label(0).font.underline);
    EXPECT_EQ(label(0).width, 3 * 144);
    EXPECT_EQ(label(0).height, 288);
    EXPECT_EQ(num(prints()[0], "x"), 432);
}

TEST_F(Links, SplitAtTheLastHashAmongCharactersFiveToTheLastButOne)
{
    struct Case {
        const char *line;
        const char *caption; // nullptr: nothing placed
        const char *tag;
    };
    const Case cases[] = {
        {"##LIERTvoir#PA0012", "voir", "PA0012"},
        {"##LIERT#PAG1", "", "PAG1"},  // an empty label is still placed
        {"##LIERTvoir#", nullptr, ""}, // a "#" in last place does not count
        {"##LIERTvoir", nullptr, ""},
        {"##LIERT", nullptr, ""},
        {"##LIERT##x", "#", "x"},
    };
    for (const Case &c : cases) {
        log.clear();
        links().hideAll();
        render({c.line});
        const auto l = records("label");
        if (!c.caption) {
            EXPECT_TRUE(l.empty()) << c.line;
            continue;
        }
        ASSERT_EQ(l.size(), 1u) << c.line;
        EXPECT_EQ(str(l[0], "caption"), QString::fromUtf8(c.caption)) << c.line;
        EXPECT_EQ(str(l[0], "tag"), QString::fromUtf8(c.tag)) << c.line;
    }
}

TEST_F(Links, TwoLineCaptionAndThePendingLine)
{
    // LIER1 waits for the next LIERT: the picture link in between does not use it.
    render({"##LIER1Première ligne", "##LIERI05PAG2", "##LIERTseconde#PAG3", "x"});
    const auto i = records("image");
    ASSERT_EQ(i.size(), 1u);
    EXPECT_EQ(num(i[0], "left"), 0);
    EXPECT_EQ(num(i[0], "list"), 1);
    EXPECT_EQ(num(i[0], "icon"), 5);
    EXPECT_EQ(str(i[0], "tag"), u"PAG2");
    EXPECT_EQ(str(i[0], "tooltip"), u"");
    const auto l = records("label");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(num(l[0], "left"), 300); // after the 20-pixel icon
    EXPECT_EQ(str(l[0], "caption"), QString::fromUtf8("Première ligne\r\nseconde"));
    EXPECT_EQ(label(0).width, 14 * 120); // the longer line
    EXPECT_EQ(label(0).height, 2 * 240);
    EXPECT_PRINT(prints()[0], 300 + 1680, 0, "x");
    EXPECT_TRUE(state.layout.pendingLinkText.isEmpty());

    // A later LIER1 replaces the pending line.
    log.clear();
    render({"##LIER1a", "##LIER1b", "##LIERTc#P"});
    EXPECT_EQ(str(records("label")[0], "caption"), u"b\r\nc");
}

TEST_F(Links, AFortySecondTextLinkReplacesTheFirst)
{
    std::vector<QByteArray> body;
    for (int i = 1; i <= 42; ++i)
        body.push_back("##LIERTl" + QByteArray::number(i) + "#T" + QByteArray::number(i));
    QString text;
    for (const QByteArray &l : body)
        text += QString::fromUtf8(l) + u"\r\n"_s;
    renderer.RenderPageText(text);
    const auto l = records("label");
    ASSERT_EQ(l.size(), 42u);
    for (int i = 0; i < 41; ++i)
        EXPECT_EQ(num(l[size_t(i)], "index"), i);
    EXPECT_EQ(num(l[41], "index"), 0);
    EXPECT_EQ(label(0).tag, u"T42");
    EXPECT_EQ(label(0).caption, u"l42");
    EXPECT_EQ(label(0).left, num(l[41], "left"));
    EXPECT_EQ(label(40).tag, u"T41");
    EXPECT_EQ(links().visibleCount(LinkArray::Labelien), 41);
}

TEST_F(Links, AnElementWithoutTargetStaysFree)
{
    render({"##LIERI05", "##LIERI06", "##LIERI07PAG1", "##LIERI08PAG2"});
    const auto i = records("image");
    ASSERT_EQ(i.size(), 4u);
    const double indexes[] = {0, 0, 0, 1};
    const double lefts[] = {0, 300, 600, 900};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(num(i[k], "index"), indexes[k]) << k;
        EXPECT_EQ(num(i[k], "left"), lefts[k]) << k;
    }
}

TEST_F(Links, PictureLinks)
{
    render({"##LIERXCalculatrice#08EXE001", "##LIERF00", "##LIERI-1P", "x"});
    const auto i = records("image");
    ASSERT_EQ(i.size(), 3u);
    EXPECT_EQ(num(i[0], "list"), 2);
    EXPECT_EQ(num(i[0], "icon"), 8);
    EXPECT_EQ(str(i[0], "tag"), u"EXE001");
    EXPECT_EQ(str(i[0], "tooltip"), u"Calculatrice");
    EXPECT_EQ(image(0).width, 480);
    EXPECT_EQ(image(0).height, 480);
    // An icon number below 1 names no picture; the link is still placed.
    EXPECT_EQ(num(i[1], "left"), 480);
    EXPECT_EQ(num(i[1], "icon"), 0);
    EXPECT_EQ(str(i[1], "tag"), u"FLOTTANT");
    EXPECT_EQ(num(i[2], "left"), 960);
    EXPECT_EQ(num(i[2], "icon"), -1);
    EXPECT_EQ(image(2).width, 300);
    EXPECT_PRINT(prints()[0], 1260, 0, "x");
    EXPECT_TRUE(records("picture").empty()); // links are not drawn on the surface
}

TEST_F(Links, LinksOnAnotherSurface)
{
    render({"##OBJILLUS", "##PIY010", "##LIERTa#P", "##OBJPRINCIPAL"});
    const auto l = records("label");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(str(l[0], "s"), u"PICTUREILLUS");
    EXPECT_EQ(label(0).container, u"PICTUREILLUS");
    EXPECT_EQ(label(0).top, 150);
}

TEST_F(Links, HideAllClearsTargetsAndToolTips)
{
    render({"##LIERTa#P1", "##LIERTb#P2", "##LIERXtip#01P3"});
    links().hideAll();
    EXPECT_EQ(links().visibleCount(LinkArray::Labelien), 0);
    EXPECT_EQ(links().visibleCount(LinkArray::Imagelien), 0);
    EXPECT_TRUE(label(1).tag.isEmpty());
    EXPECT_TRUE(image(0).toolTip.isEmpty());
    EXPECT_EQ(links().takeFree(LinkArray::Labelien), 0);
    log.clear();
    render({"##LIERTc#P4"});
    EXPECT_EQ(num(records("label")[0], "index"), 0);
}

TEST_F(Links, FloatingMenusGoToTheirOwnLink)
{
    render({"##LIERF03", "##ADMENun#PAG1", "##LIERF04", "##LIER1Titre", "##ADMENdeux#PAG2",
            "##ADMENtrois#PAG3"});
    EXPECT_EQ(state.layout.menuLink, 1);
    const auto m = records("menu");
    ASSERT_EQ(m.size(), 3u);
    const double linksOf[] = {0, 1, 1};
    const double entries[] = {0, 0, 1};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(num(m[k], "link"), linksOf[k]);
        EXPECT_EQ(num(m[k], "entry"), entries[k]);
    }
    EXPECT_EQ(str(m[1], "caption"), u"Titre\r\ndeux");
    EXPECT_EQ(str(m[1], "tag"), u"PAG2");
    EXPECT_EQ(menu().cell(0, 0, 1), u"un");
    EXPECT_EQ(menu().cell(0, 0, 2), u"PAG1");
    EXPECT_EQ(menu().cell(1, 1, 1), u"trois");
    EXPECT_EQ(menu().entryCount(0), 1);
    EXPECT_EQ(menu().entryCount(1), 2);
    EXPECT_EQ(image(1).tag, u"FLOTTANT");
}

TEST_F(Links, AnEleventhEntryOverwritesTheFirst)
{
    std::vector<QByteArray> body = {"##LIERF02"};
    for (int i = 0; i < 11; ++i)
        body.push_back("##ADMENe" + QByteArray::number(i) + "#P" + QByteArray::number(i));
    QString text;
    for (const QByteArray &l : body)
        text += QString::fromUtf8(l) + u"\r\n"_s;
    renderer.RenderPageText(text);
    const auto m = records("menu");
    ASSERT_EQ(m.size(), 11u);
    EXPECT_EQ(num(m[9], "entry"), 9);
    EXPECT_EQ(num(m[10], "entry"), 0);
    EXPECT_EQ(menu().cell(0, 0, 1), u"e10");
    EXPECT_EQ(menu().cell(0, 9, 2), u"P9");
}

TEST_F(Links, MenuEntriesThatCannotBePlaced)
{
    state.layout.menuLink = 21;
    render({"##LIER1x", "##ADMENa#P1", "##ADMENb"});
    EXPECT_TRUE(records("menu").empty());
    EXPECT_EQ(state.layout.pendingLinkText, u"x\r\n"); // without effect
    for (int link = 0; link < FloatMenu::kLinks; ++link)
        EXPECT_EQ(menu().entryCount(link), 0);
    state.layout.menuLink = 0;
    render({"##ADMENc"}); // no "#": nothing
    EXPECT_EQ(menu().entryCount(0), 0);
}

TEST(FloatMenuTable, CellsAndClear)
{
    FloatMenu menu;
    EXPECT_TRUE(menu.setCell(20, 9, 2, u"x"_s));
    EXPECT_FALSE(menu.setCell(21, 0, 1, u"x"_s));
    EXPECT_FALSE(menu.setCell(0, 10, 1, u"x"_s));
    EXPECT_FALSE(menu.setCell(0, 0, 3, u"x"_s));
    EXPECT_FALSE(menu.addEntry(-1, u"a"_s, u"b"_s));
    EXPECT_EQ(menu.cell(21, 0, 1), QString());
    EXPECT_EQ(menu.addEntry(3, u"a"_s, u"b"_s), 0);
    menu.setCell(3, 0, 1, QString());
    menu.setCell(3, 1, 1, u"c"_s);
    EXPECT_EQ(menu.addEntry(3, u"d"_s, u"e"_s), 0); // the lowest empty caption
    EXPECT_EQ(menu.addEntry(3, u"f"_s, u"g"_s), 2);
    menu.clear();
    EXPECT_EQ(menu.cell(20, 9, 2), QString());
    EXPECT_EQ(menu.entryCount(3), 0);
}

namespace {
// A host without link elements, as printing is.
class NoLinksHost : public OffscreenHost {
public:
    using OffscreenHost::OffscreenHost;
    LinkElements *linkElements() override { return nullptr; }
};
} // namespace

TEST(LinksWithoutElements, ThePositionStillMovesByTheLinksWidth)
{
    TraceLog log;
    NoLinksHost host(&log);
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(&host.addSurface(
        std::make_unique<RecordingSurface>(u"printer"_s, log, std::make_shared<TestMetrics>(), 600, 1000)));
    renderer.RenderPageText(u"##LIERTabc#P\r\n##LIERX?#01P\r\nx\r\n"_s);
    ASSERT_EQ(log.lines().size(), 2u); // the print and the final height
    EXPECT_TRUE(log.lines()[0].contains(u"\"x\":840,"_s)) << log.lines()[0].toStdString(); // 360 + 480
}

TEST_F(Links, TitleBarCaption)
{
    render({"##TITBAR", "##TITBARChapitre 3 : les ondes"});
    const auto c = records("caption");
    ASSERT_EQ(c.size(), 2u);
    const QString title = u"Vorlane - Dorvance"_s + QString(18, u' ');
    EXPECT_EQ(str(c[0], "text"), title);
    EXPECT_EQ(str(c[1], "text"), title + u"Chapitre 3 : les ondes"_s);
    EXPECT_EQ(host.caption(), title + u"Chapitre 3 : les ondes"_s);
}

TEST_F(Links, VideoNamesTheVideoAndShowsTheFrame)
{
    EXPECT_FALSE(host.videoFrameShown());
    render({"A", "##VIDEOchute.avi", "B"});
    const auto v = records("video");
    ASSERT_EQ(v.size(), 1u);
    EXPECT_EQ(str(v[0], "name"), u"chute.avi");
    EXPECT_EQ(host.videoName(), u"chute.avi");
    EXPECT_TRUE(host.videoFrameShown());
    EXPECT_PRINT(prints()[1], 120, 0, "B"); // nothing drawn, nothing moved
}
