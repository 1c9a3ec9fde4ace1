// Page display and the dispatcher in the course window: page codes, the page
// area and its scroll bar, links, companion programs and the page index cache.

#include "windowfixture.h"

#include "core/app/coursetools.h"
#include "core/records/recordfile.h"
#include "ui/linkelement.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"

#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <cmath>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

using NavigationTest = WindowFixture;

TEST_F(NavigationTest, PagAndPaCodesReachTheSamePage)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    window->navigate(QStringLiteral("PA0040"));
    ASSERT_EQ(shownNumber(), u"40");
    window->navigate(QStringLiteral("PAG001"));
    EXPECT_EQ(shownNumber(), u"1");
    const int position = course->absolutePosition();
    window->navigate(QStringLiteral("PA0040"));
    window->navigate(QStringLiteral("PA0001"));
    EXPECT_EQ(shownNumber(), u"1");
    EXPECT_EQ(course->absolutePosition(), position);
    EXPECT_EQ(session->currentOrder, 1);
}

TEST_F(NavigationTest, MissingPageNumberShowsTheFirstRow)
{
    // Stored order 2, 1, 4: there is no page 3.
    useCourse({coursePage(2, 2, 1), coursePage(1, 1, 1), coursePage(4, 3, 1)});
    ASSERT_TRUE(start());
    EXPECT_EQ(shownNumber(), u"1");
    window->navigate(QStringLiteral("PA0003"));
    EXPECT_EQ(course->absolutePosition(), 0);
    EXPECT_EQ(shownNumber(), u"2");
}

TEST_F(NavigationTest, PageNumberBeyondTheRowCountShowsTheSamePageAgain)
{
    useCourse({coursePage(1, 1, 1), coursePage(2, 2, 1), coursePage(3, 3, 1)});
    ASSERT_TRUE(start());
    window->navigate(QStringLiteral("PAG003"));
    window->navigate(QStringLiteral("PAG161"));
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_EQ(session->historyPos, 3);
}

TEST_F(NavigationTest, SommaireZeroGivesAccueilAndLeadsHome)
{
    useCourse({coursePage(1, 1, 3), coursePage(2, 2, 0), coursePage(3, 3, 1)});
    ASSERT_TRUE(start());
    EXPECT_EQ(window->contentsButton()->text(), u"Sommaire");
    EXPECT_EQ(window->contentsTag(), u"PA0003");
    window->navigate(QStringLiteral("PA0002"));
    EXPECT_EQ(window->contentsButton()->text(), u"Accueil");
    EXPECT_EQ(window->contentsTag(), u"PA0001");
    window->contentsButton()->click();
    EXPECT_EQ(shownNumber(), u"1");
}

// The contents button's icon follows its caption, page after page (it is drawn
// again only when the caption changes between "Sommaire" and "Accueil").
TEST_F(NavigationTest, ContentsButtonIconFollowsItsCaption)
{
    useCourse({coursePage(1, 1, 3), coursePage(2, 2, 0), coursePage(3, 3, 1), coursePage(4, 4, 0)});
    ASSERT_TRUE(start());
    const auto image = [](const QIcon &icon) { return icon.pixmap(20, 20).toImage(); };
    const QImage home = image(ToolIcons::icon(Glyph::Home));
    const QImage contents = image(ToolIcons::icon(Glyph::Contents));
    ASSERT_NE(home, contents);
    for (const char *page : {"PA0002", "PA0004", "PA0003", "PA0002", "PA0001"}) {
        window->navigate(QString::fromLatin1(page));
        const bool accueil = window->contentsButton()->text() == u"Accueil";
        EXPECT_EQ(image(window->contentsButton()->icon()), accueil ? home : contents) << page;
    }
}

TEST_F(NavigationTest, ChapterButtonsAndPrintFollowTheRecord)
{
    CoursePage first = coursePage(1, 1, 1);
    first.suite = true;
    CoursePage second = coursePage(2, 2, 1);
    second.precedent = true;
    second.imprimable = false;
    useCourse({first, second});
    ASSERT_TRUE(start());
    auto *previous = window->findChild<QToolButton *>(QStringLiteral("avantcours"));
    auto *next = window->findChild<QToolButton *>(QStringLiteral("suite"));
    auto *print = window->findChild<QToolButton *>(QStringLiteral("CommandIMPRIME"));
    EXPECT_FALSE(previous->isVisible());
    EXPECT_TRUE(next->isVisible());
    EXPECT_TRUE(print->isEnabled());
    window->navigate(QStringLiteral("PA0002"));
    EXPECT_TRUE(previous->isVisible());
    EXPECT_FALSE(next->isVisible());
    EXPECT_FALSE(print->isEnabled());
}

// The frame is 470 pixels high (from below the 60-pixel title band at y 40 to
// the bottom band at y 570); PIY moves the end of the body down by pixels.
class ScrollBarTest : public WindowFixture, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ScrollBarTest, AppearsExactlyWhenTheBodyIsTallerThanItsFrame)
{
    const auto [bodyPixels, maximum] = GetParam();
    useCourse({coursePage(1, 1, 1, QStringLiteral("##PIY%1\r\n").arg(bodyPixels, 3, 10, QLatin1Char('0')))});
    ASSERT_TRUE(start());
    EXPECT_EQ(window->pageFrame()->height(), 470);
    EXPECT_EQ(window->body()->height(), bodyPixels);
    QScrollBar *bar = window->scrollBar();
    EXPECT_EQ(bar->isVisible(), maximum > 0);
    EXPECT_EQ(bar->singleStep(), 10);
    EXPECT_EQ(bar->pageStep(), 470 - 15);
    if (maximum > 0) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), maximum);
        EXPECT_EQ(bar->geometry(), QRect(600, 0, 16, 470));
        // At the maximum the bottom of the body is the bottom of the frame.
        bar->setValue(bar->maximum());
        EXPECT_EQ(window->body()->y(), -maximum);
        EXPECT_EQ(window->body()->y() + window->body()->height(), window->pageFrame()->height());
    }
}

INSTANTIATE_TEST_SUITE_P(Heights, ScrollBarTest,
                         ::testing::Values(std::pair{300, 0}, std::pair{470, 0}, std::pair{471, 1},
                                           std::pair{999, 529}));

TEST_F(NavigationTest, PageFrameSitsAgainstTheRightEdgeWithTheIllustrationLeftOfIt)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    EXPECT_EQ(window->pageFrame()->geometry(), QRect(184, 100, 616, 470));
    EXPECT_EQ(window->illustration()->geometry(), QRect(2, 125, 180, 420));
}

// Draws a body of markup lines on the page area from its top left, as page
// display does after clearing the links.
void renderOnFreshPage(MainWindow &window, const QStringList &lines)
{
    window.pageView().clearLinks();
    window.pageView().resetDrawing();
    window.pageView().renderBody(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

TEST_F(NavigationTest, LinksArePlacedOnTheirSurfaceAndClearedByTheNextPage)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    renderOnFreshPage(*window, {QStringLiteral("##POX100"), QStringLiteral("##PIY020"),
                                QStringLiteral("##C002"), QStringLiteral("##LIERTvoir la loi#PAG042")});
    LinkElement *link = window->labelien(0);
    DrawingSurface &body = window->body()->surface();
    EXPECT_EQ(link->parentWidget(), window->body());
    EXPECT_EQ(link->pos(), QPoint(100, 20));
    EXPECT_EQ(link->text(), u"voir la loi");
    EXPECT_EQ(link->tag(), u"PAG042");
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 200));
    EXPECT_EQ(link->width(), int(std::ceil(body.textWidth(QStringLiteral("voir la loi")) / 15)) + 1);
    EXPECT_TRUE(link->isVisible());

    QTest::mouseClick(link, Qt::LeftButton);
    EXPECT_EQ(shownNumber(), u"42");
    // The element now shows what page 42 put in it, if anything: never the old link.
    const LinkItem &item = window->renderHost().linkElements()->element(LinkArray::Labelien, 0);
    EXPECT_NE(link->tag(), u"PAG042");
    EXPECT_EQ(link->tag(), item.tag);
    EXPECT_EQ(link->isVisible(), item.visible);
}

TEST_F(NavigationTest, TheFortySecondLinkOfAPageTakesElementZeroAgain)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    QStringList lines;
    for (int i = 0; i < MainWindow::kLabelCount; ++i)
        lines << QStringLiteral("##LIERTlien %1#PA%2").arg(i).arg(i, 4, 10, QLatin1Char('0'));
    lines << QStringLiteral("##LIERTen trop#PA0001");
    renderOnFreshPage(*window, lines);
    EXPECT_EQ(window->labelien(40)->text(), u"lien 40");
    EXPECT_EQ(window->labelien(0)->text(), u"en trop");
    EXPECT_EQ(window->labelien(0)->tag(), u"PA0001");
}

TEST_F(NavigationTest, TwoLineLinkCaptionsAndPictureLinks)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    renderOnFreshPage(*window,
                      {QStringLiteral("##LIER1premi\u00e8re"), QStringLiteral("##LIERTseconde ligne#PA0028"),
                       QStringLiteral("##POX010"), QStringLiteral("##PIY010"),
                       QStringLiteral("##LIERXSommaire chimie#03PA0030")});
    DrawingSurface &body = window->body()->surface();
    EXPECT_EQ(window->labelien(0)->text(), QStringLiteral("premi\u00e8re\nseconde ligne"));
    EXPECT_EQ(window->labelien(0)->width(),
              int(std::ceil(body.textWidth(QStringLiteral("seconde ligne")) / 15)) + 1);

    LinkElement *image = window->imagelien(0);
    EXPECT_EQ(image->geometry(), QRect(10, 10, 32, 32));
    EXPECT_EQ(image->toolTip(), u"Sommaire chimie");
    EXPECT_FALSE(image->pixmap().isNull());
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(shownNumber(), u"30");
    const LinkItem &item = window->renderHost().linkElements()->element(LinkArray::Imagelien, 0);
    EXPECT_EQ(image->toolTip(), item.toolTip);
    EXPECT_NE(image->toolTip(), u"Sommaire chimie");
}

// ---- Companion programs ---------------------------------------------------------

class LaunchTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        useBundledCourse();
        ASSERT_TRUE(start());
    }
};

TEST_F(LaunchTest, Code23StartsModule2WithItsFile)
{
    window->navigate(QStringLiteral("EXE023"));
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, file("PERIODIQ.EXE"));
    EXPECT_EQ(state().launchFileText(), u"Exercice 03.E32");
    EXPECT_EQ(session->companionTasks[2], 1001);
    EXPECT_EQ(shownNumber(), u"1"); // the page stays
}

TEST_F(LaunchTest, Code521StartsModule2WithExerciseTen)
{
    window->navigate(QStringLiteral("EXE521"));
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, file("PERIODIQ.EXE"));
    EXPECT_EQ(state().launchFileText(), u"Exercice 10.E32");
}

TEST_F(LaunchTest, Code500StartsNothing)
{
    window->navigate(QStringLiteral("EXE500"));
    EXPECT_TRUE(processes.starts.isEmpty());
    EXPECT_EQ(state().launchFileText(), u"");
}

TEST_F(LaunchTest, WebSiteButtonSendsExe070)
{
    QFile module(file("INTERNET.EXE"));
    ASSERT_TRUE(module.open(QIODevice::WriteOnly));
    module.close();
    state().setLaunchFileText(QStringLiteral("Exercice 03.E32"));
    window->findChild<QToolButton *>(QStringLiteral("Command12"))->click();
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, file("INTERNET.EXE"));
    EXPECT_EQ(state().launchFileText(), u"");
    EXPECT_TRUE(desktop.addressesOpened.isEmpty());
}

// Without the connection module, the publisher's site opens in the desktop's
// browser; without a browser, a message gives the address to copy.
TEST_F(LaunchTest, WebSiteButtonWithoutItsModuleOpensThePublishersSite)
{
    auto *button = window->findChild<QToolButton *>(QStringLiteral("Command12"));
    button->click();
    EXPECT_TRUE(processes.starts.isEmpty());
    EXPECT_EQ(desktop.addressesOpened, QStringList{CourseTools::publisherAddress()});
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(shownNumber(), u"1"); // the page stays

    desktop.browser = false;
    button->click();
    EXPECT_TRUE(processes.starts.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Site de l'éditeur"));
    EXPECT_TRUE(prompts.asked[0].text.endsWith(CourseTools::publisherAddress()));
}

TEST_F(LaunchTest, SecondClickOnARunningModuleBringsItForward)
{
    window->navigate(QStringLiteral("EXE023"));
    state().setModuleFlag(2, QStringLiteral("OUI"));
    processes.broughtToFront.clear();
    window->navigate(QStringLiteral("EXE023"));
    EXPECT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.broughtToFront, QList<TaskId>{1001});
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(LaunchTest, AnotherRunningModuleAsksForConfirmation)
{
    state().setModuleFlag(6, QStringLiteral("OUI"));
    prompts.answers.push_back(MessageAnswer::No);
    window->navigate(QStringLiteral("EXE023"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(
        prompts.asked[0].text,
        QString::fromUtf8("Confirmez-vous cette commande ?\nIl y a déjà un module en cours d'exécution."));
    EXPECT_TRUE(processes.starts.isEmpty());
    prompts.answers.push_back(MessageAnswer::Yes);
    window->navigate(QStringLiteral("EXE023"));
    EXPECT_EQ(processes.starts.size(), 1);
}

// ---- The page index and its cache ------------------------------------------------

using PageIndexCacheTest = WindowFixture;

TEST_F(PageIndexCacheTest, FirstStartWritesTheCacheAndSecondStartTrustsIt)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    const int rows = session->pageIndex.slotCount() - 1;
    ASSERT_EQ(rows, 201);
    QFile cache(file("LISTETS.MPC"));
    EXPECT_EQ(cache.size(), 2 * rows * RecordFile::kRecordLength);
    EXPECT_EQ(state().indexCacheState(), u"VU");
    // Pages of the bundled course are stored in page order: page k is row k - 1.
    const RecordFile records(file("LISTETS.MPC"));
    EXPECT_EQ(records.read(2 * 161 - 1), u"160");
    window.reset();

    // A cache the second start believes: page 1 now names the row of page 28.
    records.write(1, QStringLiteral("27"));
    prompts.asked.clear();
    ASSERT_TRUE(start());
    EXPECT_EQ(shownNumber(), u"28");
    window.reset();

    // Asked for a rebuild: the table is scanned again and page 1 is right.
    state().setIndexCacheState(QStringLiteral("VOIR"));
    ASSERT_TRUE(start());
    EXPECT_EQ(shownNumber(), u"1");
    EXPECT_EQ(records.read(1), u"0");
    EXPECT_EQ(state().indexCacheState(), u"VU");
}

TEST_F(PageIndexCacheTest, DuplicatePageNumbersTheLaterRowWins)
{
    useCourse({coursePage(1, 1, 1, QStringLiteral("premier\u00b6\r\n")), coursePage(2, 2, 1),
               coursePage(1, 3, 1, QStringLiteral("second\u00b6\r\n"))});
    ASSERT_TRUE(start());
    EXPECT_EQ(course->absolutePosition(), 2);
    EXPECT_EQ(course->field(QStringLiteral("fpc")), QStringLiteral("second\u00b6\r\n"));
}

} // namespace
