#include "ui/coursestartupwindow.h"

#include "ui/alertwindow.h"
#include "ui/linkelement.h"
#include "ui/mainwindow.h"

#include <QCoreApplication>

namespace vorlane {

void CourseStartupWindow::copyLinkPointers()
{
    for (int i = 1; i < MainWindow::kLabelCount; ++i)
        m_window.labelien(i)->setCursor(m_window.labelien(0)->cursor());
}

void CourseStartupWindow::setWindowWidth(int pixels)
{
    m_window.resize(pixels, m_window.height());
}

void CourseStartupWindow::processEvents()
{
    QCoreApplication::processEvents();
}

bool CourseStartupWindow::showScreenAlert()
{
    AlertWindow alert(m_window.session().screenAlertMode, m_window.desktop().desktop, &m_window);
    alert.exec();
    return alert.endProgram();
}

void CourseStartupWindow::showNormalAt(const QRect &geometry)
{
    m_window.showNormalAt(geometry);
}

} // namespace vorlane
