#include "core/course/navigator.h"
#include "core/course/pagedisplay.h"
#include "core/records/statefile.h"
#include "fakes/fakecourserows.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

// The window geometry of the tests: title band 60 pixels high from y 40, the
// bottom band from y 570, so the frame is 470 pixels high from y 100; a 600
// pixel body with a 16 pixel scroll bar in an 800 pixel window.
PageAreaInputs windowInputs(int bodyHeight)
{
    PageAreaInputs in;
    in.titre = QRect(0, 40, 800, 60);
    in.bastitre = QRect(0, 570, 800, 30);
    in.body = QSize(600, bodyHeight);
    in.scrollBarWidth = 16;
    in.innerWidth = 800;
    in.illustration = QSize(180, 420);
    return in;
}

TEST(PageAreaTest, FrameFillsTheSpaceBetweenTheBandsAgainstTheRightEdge)
{
    const PageAreaLayout l = ComputePageArea(windowInputs(300));
    EXPECT_EQ(l.frame, QRect(184, 100, 616, 470));
    EXPECT_EQ(l.body, QPoint(0, 0));
    EXPECT_EQ(l.scrollBar.value, 0);
    EXPECT_EQ(l.scrollBar.smallChange, 10);
    EXPECT_EQ(l.scrollBar.largeChange, 455);
}

struct ScrollCase {
    int bodyHeight;
    bool visible;
    int maximum;
};

void PrintTo(const ScrollCase &c, std::ostream *os)
{
    *os << "body " << c.bodyHeight << " px";
}

class ScrollBarTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollBarTest, AppearsExactlyWhenTheBodyIsTallerThanItsFrame)
{
    const ScrollCase c = GetParam();
    const PageAreaLayout l = ComputePageArea(windowInputs(c.bodyHeight));
    EXPECT_EQ(l.scrollBar.visible, c.visible);
    if (c.visible) {
        EXPECT_EQ(l.scrollBar.minimum, 0);
        EXPECT_EQ(l.scrollBar.maximum, c.maximum);
        EXPECT_EQ(l.scrollBar.geometry, QRect(600, 0, 16, 470));
    } else {
        EXPECT_FALSE(l.scrollBar.maximum.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, ScrollBarTest,
                         ::testing::Values(ScrollCase{0, false, 0}, ScrollCase{469, false, 0},
                                           ScrollCase{470, false, 0}, ScrollCase{471, true, 1},
                                           ScrollCase{1000, true, 530}, ScrollCase{32000, true, 31530}));

TEST(PageAreaTest, IllustrationIsCentredLeftOfTheFrame)
{
    PageAreaInputs in = windowInputs(300);
    in.body = QSize(500, 300); // LARGEUR made the body narrower: the frame moves right
    const PageAreaLayout l = ComputePageArea(in);
    EXPECT_EQ(l.frame, QRect(284, 100, 516, 470));
    ASSERT_TRUE(l.illustration.has_value());
    // (284 - 180) / 2 = 52; 100 + (470 - 420) / 2 = 125.
    EXPECT_EQ(*l.illustration, QPoint(52, 125));
}

TEST(PageAreaTest, UpPutsTheIllustrationAtTheTopOfTheFrame)
{
    PageAreaInputs in = windowInputs(300);
    in.illustrationUp = true;
    EXPECT_EQ(*ComputePageArea(in).illustration, QPoint(2, 100));
}

TEST(PageAreaTest, NoIllustrationWhenItsWidthIsZero)
{
    PageAreaInputs in = windowInputs(300);
    in.illustration = QSize(0, 420);
    in.videoFrameVisible = true;
    const PageAreaLayout l = ComputePageArea(in);
    EXPECT_FALSE(l.illustration.has_value());
    EXPECT_FALSE(l.videoFrame.has_value());
}

TEST(PageAreaTest, VideoFrameSitsCentredJustBelowTheIllustration)
{
    PageAreaInputs in = windowInputs(300);
    in.illustration = QSize(180, 200);
    in.illustrationUp = true;
    in.videoFrameVisible = true;
    in.videoFrame = QSize(160, 40);
    const PageAreaLayout l = ComputePageArea(in);
    // Illustration at (2, 100), 200 high: the frame 10 pixels in, one pixel below.
    EXPECT_EQ(*l.videoFrame, QPoint(12, 301));
}

// A page view that keeps every call in order.
class RecordingView final : public PageView {
public:
    void setIllustrationVisible(bool v) override { log << QStringLiteral("illustration %1").arg(v); }
    void setBodyVisible(bool v) override { log << QStringLiteral("body %1").arg(v); }
    void clearLinks() override { log << QStringLiteral("clearLinks"); }
    void setScrollBarVisible(bool v) override { log << QStringLiteral("scrollBar %1").arg(v); }
    void resetDrawing() override { log << QStringLiteral("resetDrawing"); }
    void setCaption(const QString &c) override { log << QStringLiteral("caption ") + c; }
    void setBackEnabled(bool e) override { log << QStringLiteral("back %1").arg(e); }
    void setForwardEnabled(bool e) override { log << QStringLiteral("forward %1").arg(e); }
    void renderBody(const QString &body) override
    {
        log << QStringLiteral("render");
        rendered = body;
    }
    PageAreaInputs pageAreaInputs() const override { return windowInputs(bodyHeight); }
    void applyPageArea(const PageAreaLayout &l) override
    {
        log << QStringLiteral("layout");
        layout = l;
    }
    void setChapterButtons(bool p, bool n) override { log << QStringLiteral("chapter %1 %2").arg(p).arg(n); }
    void setPrintEnabled(bool e) override { log << QStringLiteral("print %1").arg(e); }
    void setContentsButton(const QString &tag, const QString &caption) override
    {
        log << QStringLiteral("contents ") + tag + u' ' + caption;
    }

    QStringList log;
    QString rendered;
    int bodyHeight = 300;
    PageAreaLayout layout;
};

TEST(DisplayPageTest, RebuildsThePageAreaInOrder)
{
    CourseSession session;
    session.videoOpen = true;
    session.floatMenu.setCell(3, 2, 1, QStringLiteral("old entry"));
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(40, 40, QString(), 28)};
    rows.rows[0][QStringLiteral("precedent")] = QStringLiteral("1");
    rows.rows[0][QStringLiteral("suite")] = QStringLiteral("0");
    rows.rows[0][QStringLiteral("imprimable")] = QStringLiteral("0");
    rows.moveFirst();
    RecordingView view;

    PageDisplay(session, rows, view).DisplayPage();

    EXPECT_EQ(view.log,
              (QStringList{QStringLiteral("illustration 0"), QStringLiteral("body 0"),
                           QStringLiteral("clearLinks"), QStringLiteral("scrollBar 0"),
                           QStringLiteral("resetDrawing"), QStringLiteral("caption Vorlane - Dorvance"),
                           QStringLiteral("forward 0"), QStringLiteral("back 0"), QStringLiteral("render"),
                           QStringLiteral("layout"), QStringLiteral("chapter 1 0"), QStringLiteral("print 0"),
                           QStringLiteral("contents PA0028 Sommaire"), QStringLiteral("illustration 1"),
                           QStringLiteral("body 1")}));
    EXPECT_EQ(view.rendered, u"Page 40\u00b6\r\n");
    EXPECT_FALSE(session.videoOpen);
    EXPECT_TRUE(session.floatMenu.cell(3, 2, 1).isEmpty());
    EXPECT_EQ(session.historyPages[1], 40);
}

struct ContentsCase {
    const char *sommaire;
    const char *tag;
    const char *caption;
};

void PrintTo(const ContentsCase &c, std::ostream *os)
{
    *os << "sommaire \"" << c.sommaire << '"';
}

class ContentsButtonTest : public ::testing::TestWithParam<ContentsCase> {};

TEST_P(ContentsButtonTest, LeadsToTheTableOfContents)
{
    const ContentsCase c = GetParam();
    CourseSession session;
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(40, 40)};
    rows.rows[0][QStringLiteral("sommaire")] = QString::fromUtf8(c.sommaire);
    rows.moveFirst();
    RecordingView view;
    PageDisplay(session, rows, view).DisplayPage();
    EXPECT_TRUE(view.log.contains(QStringLiteral("contents ") + QString::fromUtf8(c.tag) + u' ' +
                                  QString::fromUtf8(c.caption)))
        << view.log.join(u" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Values, ContentsButtonTest,
    ::testing::Values(ContentsCase{"0", "PA0001", "Accueil"}, ContentsCase{"", "PA0001", "Accueil"},
                      ContentsCase{"-4", "PA0001", "Accueil"}, ContentsCase{"1", "PA0001", "Accueil"},
                      ContentsCase{"12", "PA0012", "Sommaire"}, ContentsCase{"161", "PA0161", "Sommaire"},
                      ContentsCase{"12345", "PA12345", "Sommaire"}));

TEST(DisplayPageTest, TallBodyGetsTheScrollBar)
{
    CourseSession session;
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1)};
    rows.moveFirst();
    RecordingView view;
    view.bodyHeight = 471;
    PageDisplay(session, rows, view).DisplayPage();
    EXPECT_TRUE(view.layout.scrollBar.visible);
    EXPECT_EQ(view.layout.scrollBar.maximum, 1);
}

// ---- Navigate ------------------------------------------------------------

class NullHost final : public NavigatorHost {
public:
    void setBusyPointer(bool busy) override
    {
        log << (busy ? QStringLiteral("busy") : QStringLiteral("idle"));
    }
    void runTestWindow() override
    {
        log << QStringLiteral("test %1").arg(handOff->pendingExercise);
        handOff->exerciseReturnPage = returnPage;
    }
    void setTestRecallVisible(bool v) override { log << QStringLiteral("recall %1").arg(v); }
    void showOrderForm(int form) override { log << QStringLiteral("form %1").arg(form); }

    TestHandOff *handOff = nullptr;
    std::int16_t returnPage = 0;
    QStringList log;
};

class NavigateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        StateFile(dir.path()).resetAtStartup();
        // Stored order differs from page order; page 5 is missing.
        rows.rows = {FakeCourseRows::page(2, 3), FakeCourseRows::page(1, 1), FakeCourseRows::page(28, 2),
                     FakeCourseRows::page(3, 4)};
        session.pageIndex.reset(4);
        session.pageIndex.byNumber = {0, 1, 0, 3, 0};
        session.pageIndex.byOrder = {0, 1, 2, 0, 3};
        host.handOff = &handOff;
        rows.moveLast();
    }

    QString shownTitle() { return rows.field(QStringLiteral("titre")); }

    QTemporaryDir dir;
    CourseSession session;
    FakeCourseRows rows;
    RecordingView view;
    FakeFiles files;
    FakeProcesses processes;
    FakePrompts prompts;
    NullHost host;
    PageDisplay display{session, rows, view};
    ModuleLauncher launcher{dir.path(), session, files, processes, prompts};
    TestHandOff handOff;
    Navigator navigator{session, handOff, rows, display, launcher, host};
};

TEST_F(NavigateTest, NumberBeyondTheIndexShowsTheCurrentRowAgain)
{
    navigator.Navigate(QStringLiteral("PA0003"));
    ASSERT_EQ(rows.absolutePosition(), 3);
    const int before = rows.positionSets;
    navigator.Navigate(QStringLiteral("PAG161"));
    EXPECT_EQ(rows.positionSets, before);
    EXPECT_EQ(rows.absolutePosition(), 3);
    EXPECT_EQ(session.historyPos, 2); // displayed (and recorded) again
    EXPECT_EQ(session.historyPages[2], 3);
}

TEST_F(NavigateTest, PagCodeWithALetterReadsAsPageZero)
{
    session.pageIndex.byNumber[0] = 2;
    navigator.Navigate(QStringLiteral("PAGA12"));
    EXPECT_EQ(rows.absolutePosition(), 2);
}

TEST_F(NavigateTest, PaReadsFourDigitsAndPagThree)
{
    // "PAG0028" is a PAG code: its last three characters are 028.
    navigator.Navigate(QStringLiteral("PAG0028"));
    EXPECT_EQ(session.pageIndex.PageByNumber(28), std::nullopt); // no slot 28 in this small table
    EXPECT_EQ(rows.absolutePosition(), 3);                       // current row shown again
    navigator.Navigate(QStringLiteral("PA10003"));               // last four: 0003
    EXPECT_EQ(rows.absolutePosition(), 3);
    navigator.Navigate(QStringLiteral("PA0002"));
    EXPECT_EQ(rows.absolutePosition(), 0);
}

TEST_F(NavigateTest, CodesAreExactAndUpperCase)
{
    for (const char *code : {"pag001", " PAG001", "XYZ", "", "P"}) {
        const int sets = rows.positionSets;
        navigator.Navigate(QString::fromLatin1(code));
        EXPECT_EQ(rows.positionSets, sets) << code;
        EXPECT_EQ(session.historyPos, 0) << code;
    }
    EXPECT_TRUE(processes.starts.isEmpty());
}

TEST_F(NavigateTest, Exe070StartsTheWebSiteModuleWithoutAFile)
{
    navigator.Navigate(QStringLiteral("EXE070"));
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_TRUE(processes.starts[0].program.endsWith(u"/INTERNET.EXE"));
    EXPECT_EQ(StateFile(dir.path()).launchFileText(), u"");
    EXPECT_EQ(session.companionTasks[7], 1001);
}

TEST_F(NavigateTest, ExoOpensTheTestWindowAndFollowsTheReturnPage)
{
    host.returnPage = 28;
    session.pageIndex.reset(28);
    session.pageIndex.byNumber[28] = 2;
    QString code = QStringLiteral("EXO004");
    navigator.Navigate(code);
    EXPECT_EQ(handOff.pendingExercise, 4);
    EXPECT_EQ(code, u"PA0028");
    EXPECT_EQ(rows.absolutePosition(), 2);
    EXPECT_EQ(host.log,
              (QStringList{QStringLiteral("busy"), QStringLiteral("test 4"), QStringLiteral("recall 1"),
                           QStringLiteral("busy"), QStringLiteral("idle")}));
}

TEST_F(NavigateTest, ExoKeepsATestInProgressAndWithoutReturnHidesTheRecall)
{
    handOff.pendingExercise = 2;
    navigator.Navigate(QStringLiteral("EXO009"));
    EXPECT_EQ(handOff.pendingExercise, 2);
    EXPECT_EQ(host.log, (QStringList{QStringLiteral("busy"), QStringLiteral("test 2"),
                                     QStringLiteral("recall 0"), QStringLiteral("idle")}));
    EXPECT_EQ(session.historyPos, 0);
}

TEST_F(NavigateTest, OrderForms)
{
    navigator.Navigate(QStringLiteral("BDC"));
    navigator.Navigate(QStringLiteral("BD2x"));
    EXPECT_EQ(host.log,
              (QStringList{QStringLiteral("busy"), QStringLiteral("form 1"), QStringLiteral("idle"),
                           QStringLiteral("busy"), QStringLiteral("form 2"), QStringLiteral("idle")}));
}

TEST(PageTargetTest, FourDigitsAtLeast)
{
    EXPECT_EQ(Navigator::pageTarget(1), u"PA0001");
    EXPECT_EQ(Navigator::pageTarget(161), u"PA0161");
    EXPECT_EQ(Navigator::pageTarget(12345), u"PA12345");
}

} // namespace
