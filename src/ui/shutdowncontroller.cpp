#include "ui/shutdowncontroller.h"

#include "ui/companions/closingwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>
#include <QWidget>

namespace vorlane {

ShutdownController::ShutdownController(QWidget &mainWindow, const QString &applicationFolder,
                                       Session &session, Prompts &prompts, const Files &files,
                                       Processes &processes, TopWindows &windows)
    : QObject(&mainWindow), m_window(mainWindow),
      m_closer(applicationFolder, session, files, processes, windows), m_sequence(prompts, *this)
{
    mainWindow.installEventFilter(this);
    // Without a window manager nobody turns Alt+F4 into a close request.
    auto *altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), &mainWindow);
    altF4->setContext(Qt::WindowShortcut);
    connect(altF4, &QShortcut::activated, &mainWindow, &QWidget::close);
}

bool ShutdownController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window && event->type() == QEvent::Close && !m_ended) {
        // The close goes on only through endProgram.
        event->ignore();
        m_sequence.requestClose();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ShutdownController::storePendingEdits()
{
    if (storePendingEditsHook)
        storePendingEditsHook();
}

bool ShutdownController::isMinimized() const
{
    return m_window.isMinimized();
}

void ShutdownController::restoreNormal()
{
    m_window.showNormal();
}

void ShutdownController::closeMedia()
{
    if (closeMediaHook)
        closeMediaHook();
}

void ShutdownController::runClosingWindow()
{
    ClosingWindow fermeur(m_closer, &m_window);
    fermeur.exec();
    m_report = fermeur.report();
}

void ShutdownController::unloadWindows()
{
    m_window.hide();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != &m_window && w->isVisible())
            w->close();
    }
}

void ShutdownController::endProgram()
{
    m_ended = true;
    if (endProgramHook)
        endProgramHook();
    else
        QCoreApplication::exit(0);
}

} // namespace vorlane
