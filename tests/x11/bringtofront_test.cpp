// Bringing a companion program forward, on a real X server: xmessage stands in
// for the companion programs. Run under xvfb-run (CTest does); without a
// display the tests skip themselves.

#include "core/course/modulelauncher.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"
#include "ui/platform/systemprocesses.h"
#include "ui/platform/x11display.h"
#include "ui/platform/x11topwindows.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class BringToFrontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !display.isOpen())
            GTEST_SKIP() << "no X display (run under xvfb-run)";
        if (QStandardPaths::findExecutable(QStringLiteral("xmessage")).isEmpty())
            GTEST_SKIP() << "xmessage is not installed";
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
        StateFile(folder).resetAtStartup();
        // Two companion programs: each shows a window with its own title.
        companion(QStringLiteral("ONDES.EXE"), QStringLiteral("Module ondes"), QStringLiteral("+20+20"));
        companion(QStringLiteral("PERIODIQ.EXE"), QStringLiteral("Module periodique"),
                  QStringLiteral("+40+40"));
    }

    void TearDown() override
    {
        for (TaskId task : session.companionTasks) {
            if (task > 0)
                ::kill(pid_t(task), SIGTERM);
        }
    }

    void companion(const QString &name, const QString &title, const QString &geometry)
    {
        QFile f(folder + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nexec xmessage -geometry 300x120%1 -title '%2' '%2'\n")
                    .arg(geometry, title)
                    .toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

    // The windows titled `title`, waiting up to 15 s for at least one.
    QList<quint32> windowsTitled(const QString &title, bool wait = true)
    {
        QDeadlineTimer deadline(15000);
        for (;;) {
            QList<quint32> found;
            for (quint32 w : display.topLevelWindows()) {
                if (display.title(w) == title)
                    found.append(w);
            }
            if (!found.isEmpty() || !wait || deadline.hasExpired())
                return found;
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
    }

    // Runs events until the focus is on `window` (the first start brings its
    // window forward once it appears), up to 5 s.
    bool focusReaches(quint32 window)
    {
        QDeadlineTimer deadline(15000);
        while (display.focusWindow() != window && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
        return display.focusWindow() == window;
    }

    // Position in the root's stacking order (higher is nearer the front).
    int stackPosition(quint32 window) { return int(display.stackingOrder().indexOf(window)); }

    X11Display display;
    QTemporaryDir dir;
    QString folder;
    ModuleState session;
    LocalFiles files;
    SystemProcesses processes;
    FakePrompts prompts;
};

TEST_F(BringToFrontTest, SecondClickOnARunningModuleBringsItsWindowForward)
{
    ModuleLauncher launcher(folder, session, files, processes, prompts);

    ASSERT_EQ(launcher.LaunchModule(10), ModuleLauncher::Outcome::Started); // module 1
    const QList<quint32> ondes = windowsTitled(QStringLiteral("Module ondes"));
    ASSERT_EQ(ondes.size(), 1);
    EXPECT_EQ(display.processId(ondes[0]), session.companionTasks[1]);
    EXPECT_TRUE(focusReaches(ondes[0]));
    StateFile(folder).setModuleFlag(1, QStringLiteral("OUI")); // as the companion does

    // A second module covers it (confirmed, since module 1 runs).
    prompts.answers.push_back(MessageAnswer::Yes);
    ASSERT_EQ(launcher.LaunchModule(20), ModuleLauncher::Outcome::Started);
    const QList<quint32> periodique = windowsTitled(QStringLiteral("Module periodique"));
    ASSERT_EQ(periodique.size(), 1);
    ASSERT_TRUE(focusReaches(periodique[0]));
    EXPECT_GT(stackPosition(periodique[0]), stackPosition(ondes[0]));
    StateFile(folder).setModuleFlag(2, QStringLiteral("OUI"));

    // Module 1 again: no second copy, its window comes to the front.
    EXPECT_EQ(launcher.LaunchModule(10), ModuleLauncher::Outcome::BroughtToFront);
    EXPECT_EQ(display.focusWindow(), ondes[0]);
    EXPECT_GT(stackPosition(ondes[0]), stackPosition(periodique[0]));
    EXPECT_EQ(windowsTitled(QStringLiteral("Module ondes"), false).size(), 1);
}

TEST_F(BringToFrontTest, TopWindowsListsTitlesAndQuitClosesTheWindow)
{
    const TaskId task = processes.start(folder + QStringLiteral("ONDES.EXE"), {}, WindowShow::NormalFocused);
    ASSERT_GT(task, 0);
    session.companionTasks[1] = task;
    const QList<quint32> ondes = windowsTitled(QStringLiteral("Module ondes"));
    ASSERT_EQ(ondes.size(), 1);

    X11TopWindows top;
    const QList<TopWindow> listed = top.list();
    const auto it =
        std::find_if(listed.begin(), listed.end(), [&](const TopWindow &w) { return w.id == ondes[0]; });
    ASSERT_NE(it, listed.end());
    EXPECT_EQ(it->title, u"Module ondes");

    EXPECT_TRUE(top.postQuit(ondes[0]));
    QDeadlineTimer deadline(15000);
    while (!windowsTitled(QStringLiteral("Module ondes"), false).isEmpty() && !deadline.hasExpired())
        QThread::msleep(50);
    EXPECT_TRUE(windowsTitled(QStringLiteral("Module ondes"), false).isEmpty());
}

TEST_F(BringToFrontTest, ATaskWithoutAWindowIsNotBroughtForward)
{
    EXPECT_FALSE(processes.bringToFront(999999));
}

TEST(ProcessTreeTest, HoldsTheProcessItsChildrenAndTheirChildren)
{
    // sh -> sh -> sleep: the grandchild belongs to the tree of the first.
    QProcess p;
    p.start(QStringLiteral("/bin/sh"),
            {QStringLiteral("-c"), QStringLiteral("sh -c 'sleep 5; true' & wait")});
    ASSERT_TRUE(p.waitForStarted());
    QDeadlineTimer deadline(10000);
    QSet<qint64> tree;
    while (!deadline.hasExpired()) {
        tree = SystemProcesses::processTree(p.processId());
        if (tree.size() >= 3)
            break;
        QThread::msleep(20);
    }
    EXPECT_GE(tree.size(), 3);
    EXPECT_TRUE(tree.contains(p.processId()));
    EXPECT_FALSE(tree.contains(QCoreApplication::applicationPid()));
    p.kill();
    p.waitForFinished();
}

} // namespace
