// vorlane: the course window. The application folder is the folder of this
// executable. `--auteur` shows the test window's authoring switch.

#include "core/course/coursetable.h"
#include "core/course/session.h"
#include "core/platform/files.h"
#include "core/platform/volumes.h"
#include "ui/mainwindow.h"
#include "ui/platform/messageprompts.h"
#include "ui/platform/qtscreen.h"
#include "ui/platform/systemdesktop.h"
#include "ui/platform/systemprocesses.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorlane"));
    const QString folder = QCoreApplication::applicationDirPath();

    vorlane::Session session;
    session.exercise.authoring = QCoreApplication::arguments().contains(QStringLiteral("--auteur"));
    vorlane::CourseTable course;
    vorlane::MessagePrompts prompts;
    vorlane::QtScreen screen;
    vorlane::LocalFiles files;
    vorlane::MountedVolumes volumes;
    vorlane::SystemProcesses processes;
    vorlane::SystemDesktop desktop;

    vorlane::MainWindow window(folder, session, course, course,
                               {prompts, screen, files, volumes, processes, desktop});
    prompts.setParent(&window);
    screen.setWindow(&window);
    if (!window.load())
        return 0;
    return app.exec();
}
