#pragma once

#include "core/app/session.h"
#include "core/course/coursesources.h"
#include "core/course/coursetable.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"
#include "ui/mainwindow.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vorlane::testing {

// A course page for courses written by the tests.
inline CoursePage coursePage(int number, int index, int sommaire, const QString &body = QString())
{
    CoursePage p;
    p.source = QStringLiteral("page%1.page").arg(number);
    p.titre = QStringLiteral("Page %1").arg(number);
    p.numeropage = number;
    p.index = index;
    p.imprimable = true;
    p.sommaire = sommaire;
    p.debutimp = number;
    p.finimp = number;
    p.fpc = body.isEmpty() ? QStringLiteral("Page %1\u00b6\r\n").arg(number) : body;
    return p;
}

// A course window on a fresh application folder, with the platform fakes.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString folder() const { return dir.path() + u'/'; }
    QString file(const char *name) const { return folder() + QString::fromLatin1(name); }

    // The bundled course, as the build compiled it.
    void useBundledCourse()
    {
        for (const char *name : {"PcTs.sqlite", "couvT.jpg"}) {
            const QString from = QStringLiteral(VORLANE_BIN_DIR "/") + QString::fromLatin1(name);
            ASSERT_TRUE(QFile::copy(from, file(name))) << name;
        }
    }

    // A course of the given pages, in this stored order.
    void useCourse(const std::vector<CoursePage> &pages)
    {
        CourseSources sources;
        sources.pages = pages;
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(sources, folder(), &error)) << error.toStdString();
    }

    MainWindow &makeWindow()
    {
        session = std::make_unique<Session>();
        course = std::make_unique<CourseTable>();
        window = std::make_unique<MainWindow>(
            folder(), *session, *course, *course,
            DesktopServices{prompts, screen, files, volumes, processes, desktop});
        return *window;
    }

    // A window loaded on the folder; false when the start was refused.
    bool start()
    {
        makeWindow();
        return window->load();
    }

    QString shownNumber() const { return course->field(QStringLiteral("Numeropage")); }
    StateFile state() const { return StateFile(folder()); }

    QTemporaryDir dir;
    FakePrompts prompts;
    FakeScreen screen{1024, 768};
    LocalFiles files;
    FakeVolumes volumes;
    FakeProcesses processes;
    FakeDesktop desktop;
    std::unique_ptr<Session> session;
    std::unique_ptr<CourseTable> course;
    std::unique_ptr<MainWindow> window;
};

} // namespace vorlane::testing
