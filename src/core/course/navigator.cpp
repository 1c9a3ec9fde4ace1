#include "core/course/navigator.h"

#include "core/course/pagerecord.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"
#include "core/text/numbertext.h"

namespace vorlane {

namespace {
double lastDigits(const QString &code, int count)
{
    return DecimalRead(QStringView(code).right(count));
}
} // namespace

Navigator::Navigator(CourseSession &session, TestHandOff &handOff, CourseRows &rows, PageDisplay &display,
                     ModuleLauncher &launcher, NavigatorHost &host)
    : m_session(session), m_handOff(handOff), m_rows(rows), m_display(display), m_launcher(launcher),
      m_host(host)
{
}

QString Navigator::pageTarget(long long number)
{
    return QStringLiteral("PA") + ZeroPadded(number, 4);
}

QString Navigator::testTarget(long long chapter)
{
    return QStringLiteral("EXO") + ZeroPadded(chapter, 3);
}

void Navigator::showPage(double number)
{
    if (const std::optional<int> position = m_session.pageIndex.PageByNumber(number))
        m_rows.setAbsolutePosition(*position);
    showCurrentRow();
}

void Navigator::showCurrentRow()
{
    AssignInt32(m_session.currentOrder, DecimalRead(m_rows.field(CoursField::index())));
    m_display.DisplayPage();
}

void Navigator::ChapterStep(double order)
{
    m_host.setBusyPointer(true);
    if (const std::optional<int> position = m_session.pageIndex.PageByOrder(order))
        m_rows.setAbsolutePosition(*position);
    showCurrentRow();
    m_host.setBusyPointer(false);
}

void Navigator::Navigate(QString &code)
{
    // An "EXO" code that hands back a page starts again with that page's code;
    // the page code is not an "EXO" code, so this runs at most twice.
    for (int pass = 0; pass < 2; ++pass) {
        m_host.setBusyPointer(true);

        if (code.startsWith(u"PAG"))
            showPage(lastDigits(code, 3));
        else if (code.startsWith(u"PA"))
            showPage(lastDigits(code, 4));

        if (code.startsWith(u"EXE")) {
            std::int16_t launchCode = 0;
            if (AssignInt16(launchCode, lastDigits(code, 3)))
                m_launcher.LaunchModule(launchCode);
        }

        if (code.startsWith(u"EXO")) {
            if (m_handOff.pendingExercise == 0)
                AssignInt16(m_handOff.pendingExercise, lastDigits(code, 3));
            m_host.runTestWindow();
            if (m_handOff.exerciseReturnPage != 0) {
                m_host.setTestRecallVisible(true);
                code = pageTarget(m_handOff.exerciseReturnPage);
                continue;
            }
            m_host.setTestRecallVisible(false);
        }

        if (code.startsWith(u"BDC"))
            m_host.showOrderForm(1);
        if (code.startsWith(u"BD2"))
            m_host.showOrderForm(2);

        m_host.setBusyPointer(false);
        return;
    }
}

} // namespace vorlane
