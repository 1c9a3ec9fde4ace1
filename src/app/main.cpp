// vorlane: the course window. It takes no arguments; the application folder is
// the folder of this executable.

#include "core/course/coursetable.h"
#include "core/course/session.h"
#include "core/platform/files.h"
#include "core/platform/volumes.h"
#include "ui/mainwindow.h"
#include "ui/platform/messageprompts.h"
#include "ui/platform/qtscreen.h"
#include "ui/platform/systemdesktop.h"
#include "ui/platform/systemprocesses.h"
#include "ui/platform/x11topwindows.h"
#include "ui/shutdowncontroller.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    const QString folder = QCoreApplication::applicationDirPath();

    vorlane::Session session;
    vorlane::CourseTable course;
    vorlane::MessagePrompts prompts;
    vorlane::QtScreen screen;
    vorlane::LocalFiles files;
    vorlane::MountedVolumes volumes;
    vorlane::SystemProcesses processes;
    vorlane::SystemDesktop desktop;

    vorlane::MainWindow window(folder, session, course, course,
                               {prompts, screen, files, volumes, processes, desktop});
    vorlane::X11TopWindows topWindows;
    vorlane::ShutdownController shutdown(window, folder, session, prompts, files, processes, topWindows);
    prompts.setParent(&window);
    screen.setWindow(&window);
    if (!window.load())
        return 0;
    return app.exec();
}
