#include "ui/coursenavigatorhost.h"

#include "ui/exowindow.h"
#include "ui/mainwindow.h"
#include "ui/orders/orderformwindow.h"

using namespace Qt::StringLiterals;

namespace vorlane {

void CourseNavigatorHost::setBusyPointer(bool busy)
{
    if (busy)
        m_window.setCursor(Qt::WaitCursor);
    else
        m_window.unsetCursor();
}

void CourseNavigatorHost::runTestWindow()
{
    ExoWindow::run(m_window, m_window.session(), &m_window.renderHost(), m_window.desktop().prompts,
                   m_window.desktop().desktop, m_window.courseFolder(),
                   int(ScreenWidthPx(m_window.desktop().screen)));
}

void CourseNavigatorHost::setTestRecallVisible(bool visible)
{
    m_window.controls().widget(u"btexo"_s)->setVisible(visible);
    m_window.controls().widget(u"Label16"_s)->setVisible(visible);
}

void CourseNavigatorHost::showOrderForm(int form)
{
    // The catalogue is a table of the course database.
    OrderFormWindow::run(form, m_window.courseFolder(), &m_window);
}

} // namespace vorlane
