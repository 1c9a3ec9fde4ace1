// Reading a course with the keyboard: scrolling, history, chapter steps, links
// reached with Tab and followed with Enter, the print menu, the mouse's Back and
// Forward buttons.

#include "windowfixture.h"

#include "ui/helpwindow.h"
#include "ui/linkelement.h"
#include "ui/surfaceview.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class CourseKeyboardTest : public WindowFixture {
protected:
    void startShown(const std::vector<CoursePage> &pages)
    {
        useCourse(pages);
        ASSERT_TRUE(start());
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window.get();
        QTest::keyClick(target, k, modifiers);
    }
    void mouseButton(Qt::MouseButton button)
    {
        QWidget *body = window->body();
        const QPointF at(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, body->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(body, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, body->mapToGlobal(at), button, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(body, &release);
    }
    void show(int page) { window->navigate(QStringLiteral("PA%1").arg(page, 4, 10, QLatin1Char('0'))); }
};

TEST_F(CourseKeyboardTest, KeysScrollTheLongPage)
{
    // A body 999 pixels high in a frame of 470: the bar runs from 0 to 529, a line is
    // 10 pixels and a screen the frame's height less a line (460).
    startShown({coursePage(1, 1, 1, QStringLiteral("##PIY999\r\n"))});
    QScrollBar *bar = window->scrollBar();
    ASSERT_TRUE(bar->isVisible());
    ASSERT_EQ(bar->maximum(), 529);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int value;
    } steps[] = {
        {Qt::Key_PageDown, Qt::NoModifier, 460}, {Qt::Key_PageDown, Qt::NoModifier, 529},
        {Qt::Key_PageUp, Qt::NoModifier, 69},    {Qt::Key_Up, Qt::NoModifier, 59},
        {Qt::Key_Down, Qt::NoModifier, 69},      {Qt::Key_Home, Qt::NoModifier, 0},
        {Qt::Key_Space, Qt::NoModifier, 460},    {Qt::Key_Space, Qt::ShiftModifier, 0},
        {Qt::Key_End, Qt::NoModifier, 529},
    };
    for (const auto &s : steps) {
        key(s.key, s.modifiers);
        EXPECT_EQ(bar->value(), s.value) << s.key;
        EXPECT_EQ(window->body()->y(), -s.value) << s.key; // the page itself moved
    }
    // Space scrolls even when a button has the focus (it does not click it).
    window->backButton()->setFocus();
    key(Qt::Key_Home);
    key(Qt::Key_Space);
    EXPECT_EQ(bar->value(), 460);
    EXPECT_EQ(shownNumber(), u"1");
}

TEST_F(CourseKeyboardTest, AltArrowsAndMouseButtonsMoveThroughTheHistory)
{
    startShown({coursePage(1, 1, 1), coursePage(2, 2, 1), coursePage(3, 3, 1)});
    show(2);
    show(3);
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(shownNumber(), u"2");
    mouseButton(Qt::BackButton);
    EXPECT_EQ(shownNumber(), u"1");
    // At the start of the history the back button is disabled: nothing happens.
    key(Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(shownNumber(), u"1");
    key(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(shownNumber(), u"2");
    mouseButton(Qt::ForwardButton);
    EXPECT_EQ(shownNumber(), u"3");
}

TEST_F(CourseKeyboardTest, CtrlPageKeysStepThroughTheChapter)
{
    CoursePage first = coursePage(1, 1, 1), second = coursePage(2, 2, 1);
    first.suite = true;
    second.precedent = true;
    startShown({first, second});
    key(Qt::Key_PageUp, Qt::ControlModifier); // no previous page: the arrow is hidden
    EXPECT_EQ(shownNumber(), u"1");
    key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(shownNumber(), u"2");
    key(Qt::Key_PageDown, Qt::ControlModifier); // the last page of the chapter
    EXPECT_EQ(shownNumber(), u"2");
    key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(shownNumber(), u"1");
}

TEST_F(CourseKeyboardTest, TabReachesALinkWithAFrameAndEnterFollowsIt)
{
    startShown(
        {coursePage(1, 1, 1, QStringLiteral("##POX100\r\n##PIY020\r\n##LIERTvoir la page 2#PA0002\r\n")),
         coursePage(2, 2, 1)});
    LinkElement *link = window->labelien(0);
    ASSERT_TRUE(link->isVisible());
    const QImage before = link->grab().toImage();
    for (int i = 0; i < 80 && !link->hasFocus(); ++i)
        key(Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    // The dotted frame: the top left pixel is dark now.
    const QImage focused = link->grab().toImage();
    EXPECT_NE(focused.pixelColor(0, 0), before.pixelColor(0, 0));
    EXPECT_LT(focused.pixelColor(0, 0).lightness(), 100);
    // The window with the framed link, to look at, when VORLANE_SCREENSHOT_DIR is set.
    if (const QString folder = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR"); !folder.isEmpty())
        EXPECT_TRUE(window->grab().save(folder + QStringLiteral("/link-focus.png")) &&
                    focused.save(folder + QStringLiteral("/link-focus-element.png")));
    key(Qt::Key_Return);
    EXPECT_EQ(shownNumber(), u"2");
}

TEST_F(CourseKeyboardTest, CtrlPOpensThePrintButtonsMenu)
{
    startShown({coursePage(1, 1, 1)});
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            if (auto *menu = qobject_cast<QMenu *>(popup); menu && !menu->actions().isEmpty())
                opened = menu->actions().first()->text();
            popup->close();
        }
    });
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(opened.startsWith(QString::fromUtf8("Imprimer"))) << opened.toStdString();
}

TEST_F(CourseKeyboardTest, CtrlFOpensTheSearch)
{
    startShown({coursePage(1, 1, 1)});
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = modal->objectName();
            modal->close();
        }
    });
    key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(opened, u"coordon");
}

TEST_F(CourseKeyboardTest, F1OpensTheHelp)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLANE_BIN_DIR "/PCTS.html"), file("PCTS.html")));
    startShown({coursePage(1, 1, 1)});
    key(Qt::Key_F1);
    // The help page opens in the program's own help window.
    EXPECT_TRUE(desktop.helpOpened.isEmpty());
    ASSERT_NE(window->helpWindow(), nullptr);
    EXPECT_TRUE(window->helpWindow()->isVisible());
    EXPECT_EQ(window->helpWindow()->browser()->source(), QUrl::fromLocalFile(file("PCTS.html")));
}

} // namespace
