#pragma once

#include "core/course/courserows.h"
#include "core/course/coursesession.h"
#include "core/course/modulelauncher.h"
#include "core/course/pagedisplay.h"
#include "core/course/testhandoff.h"

#include <QString>

namespace vorlane {

// The window side of the dispatcher: the pointer, and the windows that target
// codes open.
class NavigatorHost {
public:
    virtual ~NavigatorHost() = default;

    // The hourglass during a navigation (true), the default pointer after.
    virtual void setBusyPointer(bool busy) = 0;
    // Shows the test window modally on session.pendingExercise; it sets
    // session.exerciseReturnPage before it closes.
    virtual void runTestWindow() = 0;
    // The button `btexo` and the label `Label16` ("Retrouver le test").
    virtual void setTestRecallVisible(bool visible) = 0;
    // Shows order form 1 ("BDC") or 2 ("BD2") modally.
    virtual void showOrderForm(int form) = 0;
};

// The dispatcher: every navigation of the course window is a target code.
//   "PAG" + 3 digits, "PA" + 4 digits  the page with that Numeropage
//   "EXE" + 3 digits                    LaunchModule with that launch code
//   "EXO" + 3 digits                    the test window on that chapter's test
//   "BDC", "BD2"                        the order forms
// The code is compared exactly (not trimmed, upper case); its number is a
// decimal read of its last three (four for "PA") characters. Any other code
// does nothing.
class Navigator {
public:
    // `handOff` is the test handed to the test window and the page it hands
    // back.
    Navigator(CourseSession &session, TestHandOff &handOff, CourseRows &rows, PageDisplay &display,
              ModuleLauncher &launcher, NavigatorHost &host);

    // `code` may be replaced: an "EXO" code whose test hands back a page
    // becomes the "PA" code of that page.
    void Navigate(QString &code);
    void Navigate(const QString &code)
    {
        QString copy = code;
        Navigate(copy);
    }

    // The chapter steps (`avantcours` with currentOrder - 1, `suite` with
    // currentOrder + 1): shows the page whose Index is `order`, through
    // PageByOrder, whatever its page number. An order without a slot leaves
    // the current row, which is shown again.
    void ChapterStep(double order);

    // "PA" + the number in at least four digits: the page targets the program
    // builds itself.
    static QString pageTarget(long long number);
    // "EXO" + the chapter in at least three digits: the target of the return
    // button `btexo`, which reopens the test in progress where it was left.
    static QString testTarget(long long chapter);

private:
    // Moves the data control to the row of the page number and shows it; a
    // number without a slot leaves the current row, which is shown again.
    void showPage(double number);
    // Sets currentOrder from the row on display (TextIndex) and shows it.
    void showCurrentRow();

    CourseSession &m_session;
    TestHandOff &m_handOff;
    CourseRows &m_rows;
    PageDisplay &m_display;
    ModuleLauncher &m_launcher;
    NavigatorHost &m_host;
};

} // namespace vorlane
