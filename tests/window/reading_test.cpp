// Reading a course with the mouse: the history buttons, the chapter steps,
// link clicks, the floating menu and the emphasis of the link under the mouse.

#include "windowfixture.h"

#include "ui/linkelement.h"
#include "ui/surfaceview.h"

#include <QAction>
#include <QEnterEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

// Pages 1..n, each its own Index, all leading home.
std::vector<CoursePage> plainCourse(int n)
{
    std::vector<CoursePage> pages;
    for (int p = 1; p <= n; ++p)
        pages.push_back(coursePage(p, p, 1));
    return pages;
}

class HistoryTest : public WindowFixture {
protected:
    void startOn(int pages)
    {
        useCourse(plainCourse(pages));
        ASSERT_TRUE(start());
    }
    void show(int page) { window->navigate(QStringLiteral("PA%1").arg(page, 4, 10, QLatin1Char('0'))); }
    bool backEnabled() const { return window->backButton()->isEnabled(); }
    bool forwardEnabled() const { return window->forwardButton()->isEnabled(); }
    void back() { window->backButton()->click(); }
    void forward() { window->forwardButton()->click(); }
};

TEST_F(HistoryTest, AfterStartUpPageOneIsInSlotOneAndBothButtonsAreDisabled)
{
    startOn(3);
    EXPECT_EQ(session->historyPos, 1);
    EXPECT_EQ(session->historyPages[1], 1);
    EXPECT_FALSE(backEnabled());
    EXPECT_FALSE(forwardEnabled());
    EXPECT_TRUE(session->recordInHistory);
}

TEST_F(HistoryTest, FourPagesBackTwiceANewPageThenBackAndForward)
{
    startOn(5);
    for (int p : {2, 3, 4})
        show(p);
    EXPECT_TRUE(backEnabled());
    EXPECT_FALSE(forwardEnabled());

    back();
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_TRUE(forwardEnabled());
    back();
    EXPECT_EQ(shownNumber(), u"2");
    EXPECT_EQ(session->historyPos, 2);
    // A move records nothing: slots 1..4 still hold 1, 2, 3, 4.
    EXPECT_EQ(session->historyPages[3], 3);
    EXPECT_TRUE(session->recordInHistory);

    show(5);
    EXPECT_EQ(session->historyPos, 3);
    EXPECT_EQ(session->historyPages[3], 5);
    EXPECT_EQ(session->historyPages[4], 4); // slots above the position are kept
    EXPECT_FALSE(forwardEnabled());

    back();
    EXPECT_EQ(shownNumber(), u"2");
    forward();
    EXPECT_EQ(shownNumber(), u"5");
    EXPECT_TRUE(backEnabled());
    EXPECT_TRUE(forwardEnabled()); // slot 4 still holds page 4
    forward();
    EXPECT_EQ(shownNumber(), u"4");
    EXPECT_EQ(session->historyPos, 4);
    EXPECT_FALSE(forwardEnabled()); // slot 5 is empty
}

TEST_F(HistoryTest, BackFromSlotTwoShowsSlotOneAndDisablesBack)
{
    startOn(3);
    show(3);
    ASSERT_TRUE(backEnabled());
    back();
    EXPECT_EQ(shownNumber(), u"1");
    EXPECT_EQ(session->historyPos, 1);
    EXPECT_FALSE(backEnabled());
    EXPECT_TRUE(forwardEnabled());
    forward();
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_TRUE(backEnabled());
    EXPECT_FALSE(forwardEnabled());
}

TEST_F(HistoryTest, The101stPageDropsTheOldestAndBackWalksTheKeptSlots)
{
    startOn(7);
    // Page 1 at start-up, then 100 more: pages 2..7 over and over.
    std::vector<int> seen{1};
    for (int i = 0; i < 100; ++i) {
        const int page = 2 + i % 6;
        show(page);
        seen.push_back(page);
    }
    ASSERT_EQ(seen.size(), 101u);
    EXPECT_EQ(session->historyPos, 100);
    for (int slot = 1; slot <= 100; ++slot)
        ASSERT_EQ(session->historyPages[size_t(slot)], seen[size_t(slot)]) << "slot " << slot;

    back();
    EXPECT_EQ(shownNumber(), QString::number(seen[99]));
    EXPECT_EQ(session->historyPos, 99);
    forward();
    EXPECT_EQ(session->historyPos, 100);
    EXPECT_FALSE(forwardEnabled()); // slot 100: nothing beyond it
}

TEST_F(HistoryTest, ShowingTheSamePageTwiceRecordsItTwice)
{
    startOn(3);
    show(2);
    show(2);
    EXPECT_EQ(session->historyPos, 3);
    back();
    EXPECT_EQ(shownNumber(), u"2");
    EXPECT_EQ(session->historyPos, 2);
}

TEST_F(HistoryTest, PagesShownByOtherMeansAreRecorded)
{
    CoursePage first = coursePage(1, 1, 2);
    first.suite = true;
    useCourse({first, coursePage(2, 2, 1)});
    ASSERT_TRUE(start());
    window->chapterNextButton()->click(); // chapter step to page 2
    window->contentsButton()->click();    // its table of contents: page 1
    EXPECT_EQ(session->historyPos, 3);
    EXPECT_EQ(session->historyPages[2], 2);
    EXPECT_EQ(session->historyPages[3], 1);
}

// ---- Chapter steps ------------------------------------------------------------

class ChapterStepTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        // Stored order and page numbers do not follow the reading order: page
        // 7 has Index 5; Index 4 is page 2 and Index 6 is page 3.
        CoursePage p1 = coursePage(1, 1, 1);
        CoursePage p2 = coursePage(2, 4, 1);
        p2.suite = true;
        CoursePage p3 = coursePage(3, 6, 1);
        p3.precedent = true;
        CoursePage p4 = coursePage(4, 2, 1);
        CoursePage p5 = coursePage(5, 3, 1);
        CoursePage p6 = coursePage(6, 7, 1);
        CoursePage p7 = coursePage(7, 5, 1);
        p7.precedent = true;
        p7.suite = true;
        useCourse({p1, p3, p7, p2, p5, p6, p4});
        ASSERT_TRUE(start());
        window->navigate(QStringLiteral("PA0007"));
        ASSERT_EQ(session->currentOrder, 5);
    }
};

TEST_F(ChapterStepTest, NextShowsThePageOfTheNextIndexWhateverItsNumber)
{
    ASSERT_TRUE(window->chapterNextButton()->isVisible());
    window->chapterNextButton()->click();
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_EQ(session->currentOrder, 6);
    EXPECT_EQ(session->historyPages[size_t(session->historyPos)], 3);
    EXPECT_TRUE(window->chapterPreviousButton()->isVisible());
    EXPECT_FALSE(window->chapterNextButton()->isVisible());
}

TEST_F(ChapterStepTest, PreviousShowsThePageOfThePreviousIndex)
{
    window->chapterPreviousButton()->click();
    EXPECT_EQ(shownNumber(), u"2");
    EXPECT_EQ(session->currentOrder, 4);
    EXPECT_FALSE(window->chapterPreviousButton()->isVisible());
    EXPECT_TRUE(window->chapterNextButton()->isVisible());
    window->chapterNextButton()->click();
    EXPECT_EQ(shownNumber(), u"7");
}

TEST_F(ChapterStepTest, AnIndexBeyondTheIndexShowsThePageOnDisplayAgain)
{
    session->currentOrder = 7; // page 6; Index 8 has no slot in a course of 7 rows
    window->chapterNextButton()->click();
    EXPECT_EQ(shownNumber(), u"7");
    EXPECT_EQ(session->currentOrder, 5);
}

// ---- Links and the floating menu ----------------------------------------------

class LinkTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        useCourse(plainCourse(6));
        ASSERT_TRUE(start());
    }
    // Draws one markup line on the page on display and returns the element of
    // `array` it showed (the one visible now that was not before), or -1.
    int drawLink(LinkArray array, int count, const QString &line)
    {
        std::vector<bool> before;
        for (int i = 0; i < count; ++i)
            before.push_back(window->renderHost().linkElements()->element(array, i).visible);
        window->pageView().renderBody(line + QStringLiteral("\r\n"));
        for (int i = 0; i < count; ++i) {
            if (window->renderHost().linkElements()->element(array, i).visible && !before[size_t(i)])
                return i;
        }
        ADD_FAILURE() << "no element shown by " << line.toStdString();
        return -1;
    }
    int placeText(const QString &caption, const QString &tag)
    {
        return drawLink(LinkArray::Labelien, MainWindow::kLabelCount,
                        QStringLiteral("##LIERT%1#%2").arg(caption, tag));
    }
    // The same, `top` twips lower than the start of the body.
    int placeText(int top, const QString &caption, const QString &tag)
    {
        return drawLink(LinkArray::Labelien, MainWindow::kLabelCount,
                        QStringLiteral("##PIY%1\r\n##LIERT%2#%3")
                            .arg(top / 15, 3, 10, QLatin1Char('0'))
                            .arg(caption, tag));
    }
    int placePicture(const QString &tag)
    {
        if (tag == u"FLOTTANT")
            return drawLink(LinkArray::Imagelien, MainWindow::kImageCount, QStringLiteral("##LIERF01"));
        return drawLink(LinkArray::Imagelien, MainWindow::kImageCount,
                        QStringLiteral("##LIERXMenu#01") + tag);
    }
    void setMenuCell(int link, int entry, int column, const QString &text)
    {
        session->floatMenu.setCell(link, entry, column, text);
    }
    QList<QAction *> shownItems() const
    {
        QList<QAction *> shown;
        for (QAction *a : window->floatingMenu()->actions()) {
            if (a->isVisible())
                shown.push_back(a);
        }
        return shown;
    }
};

TEST_F(LinkTest, AFloatingMenuWithEntriesInRowsZeroAndTwoShowsTwoItems)
{
    const int k = placePicture(QStringLiteral("FLOTTANT"));
    setMenuCell(k, 0, 1, QStringLiteral("Célérité"));
    setMenuCell(k, 0, 2, QStringLiteral("PA0004"));
    setMenuCell(k, 2, 1, QStringLiteral("Le retard"));
    setMenuCell(k, 2, 2, QStringLiteral("PAG005"));
    // A target without a caption is no entry.
    setMenuCell(k, 5, 2, QStringLiteral("PA0006"));

    QTest::mouseClick(window->imagelien(k), Qt::LeftButton);
    EXPECT_EQ(shownNumber(), u"1"); // the menu opens; nothing is shown yet
    const QList<QAction *> items = shownItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), QStringLiteral("Célérité"));
    EXPECT_EQ(items[0]->objectName(), u"choixflot_0");
    EXPECT_EQ(items[1]->text(), u"Le retard");
    EXPECT_EQ(items[1]->objectName(), u"choixflot_2");
    window->floatingMenu()->close();

    items[1]->trigger();
    EXPECT_EQ(shownNumber(), u"5");
}

TEST_F(LinkTest, TheMenuOfTheClickedLinkReplacesTheItemsOfAnEarlierOne)
{
    const int first = placePicture(QStringLiteral("FLOTTANT"));
    const int second = placePicture(QStringLiteral("FLOTTANT"));
    ASSERT_NE(first, second);
    for (int j = 0; j < 3; ++j) {
        setMenuCell(first, j, 1, QStringLiteral("un %1").arg(j));
        setMenuCell(first, j, 2, QStringLiteral("PA0002"));
    }
    setMenuCell(second, 1, 1, QStringLiteral("deux"));
    setMenuCell(second, 1, 2, QStringLiteral("PA0003"));

    QTest::mouseClick(window->imagelien(first), Qt::LeftButton);
    EXPECT_EQ(shownItems().size(), 3);
    window->floatingMenu()->close();
    QTest::mouseClick(window->imagelien(second), Qt::LeftButton);
    const QList<QAction *> items = shownItems();
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->text(), u"deux");
    window->floatingMenu()->close();
    items[0]->trigger();
    EXPECT_EQ(shownNumber(), u"3");
}

TEST_F(LinkTest, APictureLinkWithATargetNavigates)
{
    const int k = placePicture(QStringLiteral("PAG004"));
    QTest::mouseClick(window->imagelien(k), Qt::LeftButton);
    EXPECT_EQ(shownNumber(), u"4");
    EXPECT_FALSE(window->floatingMenu()->isVisible());
}

TEST_F(LinkTest, ATextLinkNavigates)
{
    const int link = placeText(QStringLiteral("la page 3"), QStringLiteral("PA0003"));
    ASSERT_GE(link, 0);
    EXPECT_EQ(session->historyPos, 1);
    QTest::mouseClick(window->labelien(link), Qt::LeftButton);
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_EQ(window->labelien(link)->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(LinkTest, EveryLinkOfThePreviousPageIsHiddenAndClearedBeforeTheNextBody)
{
    std::vector<int> labels;
    for (int i = 0; i < 5; ++i)
        labels.push_back(placeText(QStringLiteral("lien %1").arg(i), QStringLiteral("PA0002")));
    const int picture = placePicture(QStringLiteral("PA0003"));
    const int menu = placePicture(QStringLiteral("FLOTTANT"));
    setMenuCell(menu, 0, 1, QStringLiteral("entrée"));
    setMenuCell(menu, 0, 2, QStringLiteral("PA0004"));

    window->navigate(QStringLiteral("PA0005"));
    for (int i : labels) {
        EXPECT_FALSE(window->labelien(i)->isVisible()) << i;
        EXPECT_TRUE(window->labelien(i)->tag().isEmpty()) << i;
    }
    for (int i : {picture, menu}) {
        EXPECT_FALSE(window->imagelien(i)->isVisible()) << i;
        EXPECT_TRUE(window->imagelien(i)->tag().isEmpty()) << i;
        EXPECT_TRUE(window->imagelien(i)->toolTip().isEmpty()) << i;
    }
    EXPECT_TRUE(session->floatMenu.cell(menu, 0, 1).isEmpty());
    EXPECT_TRUE(session->floatMenu.cell(menu, 0, 2).isEmpty());
    // The elements are free again: the next link takes element 0.
    EXPECT_EQ(placeText(QStringLiteral("neuf"), QStringLiteral("PA0001")), 0);
}

// ---- Link hover -------------------------------------------------------------------

class LinkHoverTest : public LinkTest {
protected:
    void enter(QWidget *w)
    {
        QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(w, &e);
    }
    void moveOver(QWidget *w)
    {
        QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &e);
    }
};

TEST_F(LinkHoverTest, MovingFromOneLinkToAnotherLeavesOnlyTheSecondUnderlined)
{
    ASSERT_EQ(session->linkStyle, 1); // start-up painted the bands in style 2
    LinkElement *a = window->labelien(placeText(0, QStringLiteral("premier"), QStringLiteral("PA0002")));
    LinkElement *b = window->labelien(placeText(300, QStringLiteral("second"), QStringLiteral("PA0003")));
    const QSize sizeBefore = a->size();

    enter(a);
    EXPECT_TRUE(a->font().underline());
    EXPECT_FALSE(b->font().underline());
    EXPECT_EQ(a->size(), sizeBefore); // the emphasis keeps the element's size
    enter(b);
    EXPECT_FALSE(a->font().underline());
    EXPECT_TRUE(b->font().underline());
    EXPECT_FALSE(b->font().bold());

    moveOver(window->body());
    EXPECT_FALSE(b->font().underline());
}

TEST_F(LinkHoverTest, WithoutTheLinkStyleFlagTheEmphasisIsBold)
{
    session->linkStyle = 0;
    LinkElement *a = window->labelien(placeText(0, QStringLiteral("premier"), QStringLiteral("PA0002")));
    enter(a);
    EXPECT_TRUE(a->font().bold());
    EXPECT_FALSE(a->font().underline());
    moveOver(window->pageFrame());
    EXPECT_FALSE(a->font().bold());
    enter(a);
    moveOver(window->titleBand());
    EXPECT_FALSE(a->font().bold());
}

} // namespace
