#pragma once

// The course window as the start-up benchmarks open it: a wide screen, silent
// prompts and desktop, the real files, volumes and processes.

#include "core/app/session.h"
#include "core/course/coursetable.h"
#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/prompts.h"
#include "core/platform/screen.h"
#include "core/platform/volumes.h"
#include "ui/mainwindow.h"
#include "ui/platform/systemprocesses.h"

namespace vorlane::bench {

class WideScreen final : public Screen {
public:
    double widthTwips() const override { return 1280 * 15.0; }
    double heightTwips() const override { return 1024 * 15.0; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 15; }
};

// The platform, the session and the course table outlive the window built on them.
struct BenchCourseWindow {
    explicit BenchCourseWindow(const QString &folder)
        : window(folder, session, course, course, {prompts, screen, files, volumes, processes, desktop})
    {
    }
    SilentPrompts prompts;
    WideScreen screen;
    LocalFiles files;
    MountedVolumes volumes;
    SystemProcesses processes;
    SilentDesktop desktop;
    Session session;
    CourseTable course;
    MainWindow window;
};

} // namespace vorlane::bench
