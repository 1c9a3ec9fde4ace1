// vorlane: the course window. The application folder is the folder of this
// executable. `--course DIR` opens the course of folder DIR (its databases,
// pictures, videos and page index cache; the state file, companions and help
// stay in the application folder). `--auteur` shows the test window's
// authoring switch.

#include "core/app/session.h"
#include "core/course/coursetable.h"
#include "core/platform/files.h"
#include "core/platform/startupheap.h"
#include "core/platform/volumes.h"
#include "core/surface/programfonts.h"
#include "ui/mainwindow.h"
#include "ui/platform/messageprompts.h"
#include "ui/platform/qtscreen.h"
#include "ui/platform/systemdesktop.h"
#include "ui/platform/systemprocesses.h"
#include "ui/platform/x11topwindows.h"
#include "ui/shutdowncontroller.h"
#include "ui/videopanel.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    vorlane::PrepareStartupHeap();
    vorlane::UseProgramFonts();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    const QString folder = QCoreApplication::applicationDirPath();

    vorlane::Session session;
    const QStringList args = QCoreApplication::arguments();
    session.exercise.authoring = args.contains(QStringLiteral("--auteur"));
    QString courseFolder;
    if (const qsizetype at = args.indexOf(QStringLiteral("--course")); at > 0 && at + 1 < args.size())
        courseFolder = QFileInfo(args.at(at + 1)).absoluteFilePath();
    vorlane::CourseTable course;
    vorlane::MessagePrompts prompts;
    vorlane::QtScreen screen;
    vorlane::LocalFiles files;
    vorlane::MountedVolumes volumes;
    vorlane::SystemProcesses processes;
    vorlane::SystemDesktop desktop;

    vorlane::MainWindow window(folder, session, course, course,
                               {prompts, screen, files, volumes, processes, desktop}, nullptr, courseFolder);
    vorlane::X11TopWindows topWindows;
    vorlane::ShutdownController shutdown(window, folder, session, prompts, files, processes, topWindows);
    // OK on the quit question closes the page's video before the closing window.
    shutdown.closeMediaHook = [&window] { window.videoPanel()->closeForNewPage(); };
    prompts.setParent(&window);
    screen.setWindow(&window);
    if (!window.load())
        return 0;
    return app.exec();
}
