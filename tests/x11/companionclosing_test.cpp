// The closing window's work on a real X server: small Tk windows stand in for
// the companion programs. Run under xvfb-run (CTest does); without a display
// the tests skip themselves.

#include "core/companions/companioncloser.h"
#include "core/platform/files.h"
#include "core/records/statefile.h"
#include "ui/platform/systemprocesses.h"
#include "ui/platform/x11display.h"
#include "ui/platform/x11topwindows.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

using namespace vorlane;
using namespace Qt::Literals::StringLiterals;

namespace {

// The real windows, counting how often they are listed.
class CountingTopWindows final : public TopWindows {
public:
    QList<TopWindow> list() const override
    {
        ++lists;
        return m_windows.list();
    }
    bool postQuit(quint64 window) override { return m_windows.postQuit(window); }
    mutable int lists = 0;

private:
    X11TopWindows m_windows;
};

class CompanionClosingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !display.isOpen())
            GTEST_SKIP() << "no X display (run under xvfb-run)";
        QProcess probe;
        probe.start(u"python3"_s, {u"-c"_s, u"import tkinter"_s});
        if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
            GTEST_SKIP() << "python3 with tkinter is not installed";
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
        StateFile(folder).resetAtStartup();
        // REFUNST.EXE leaves a mark when it runs.
        QFile f(folder + u"REFUNST.EXE"_s);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\necho lance > '%1'\n").arg(marker()).toUtf8());
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }

    void TearDown() override
    {
        for (auto &p : clients) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    QString marker() const { return folder + u"refunst-a-tourne"_s; }

    // A window titled `title`; its X id once it shows (0 after 20 s).
    quint32 client(const QString &title)
    {
        auto p = std::make_unique<QProcess>();
        p->start(u"python3"_s, {u"-c"_s,
                                u"import sys, tkinter\n"
                                "r = tkinter.Tk()\n"
                                "r.title(sys.argv[1])\n"
                                "r.geometry('240x60+%1+40')\n"
                                "r.mainloop()\n"_s.arg(40 + 260 * int(clients.size())),
                                title});
        p->waitForStarted(10000);
        clients.push_back(std::move(p));
        QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired()) {
            for (quint32 w : display.topLevelWindows()) {
                if (display.title(w) == title)
                    return w;
            }
            QThread::msleep(50);
        }
        return 0;
    }

    bool waitFor(const std::function<bool()> &condition, int ms = 10000)
    {
        QDeadlineTimer deadline(ms);
        while (!condition() && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
        return condition();
    }

    X11Display display;
    QTemporaryDir dir;
    QString folder;
    ModuleState session;
    LocalFiles files;
    SystemProcesses processes;
    CountingTopWindows windows;
    std::vector<std::unique_ptr<QProcess>> clients;
};

TEST_F(CompanionClosingTest, OnlyTheWindowWhoseTitleMatchesInItsCaseIsAskedToClose)
{
    const quint32 right = client(u"Titrages - Vorlane TS"_s);
    const quint32 wrong = client(u"TITRAGES - VORLANE TS"_s);
    ASSERT_NE(right, 0u);
    ASSERT_NE(wrong, 0u);
    StateFile(folder).setModuleFlag(22, u"OUI"_s);

    CompanionCloser closer(folder, session, files, processes, windows);
    const auto report = closer.CloseCompanions({});
    EXPECT_EQ(report.runningModules, 1);
    EXPECT_EQ(windows.lists, 20);
    EXPECT_EQ(report.quitPosted, QList<quint64>{right});

    // The matching program closes its window and ends; the other goes on.
    EXPECT_TRUE(clients[0]->waitForFinished(15000));
    QThread::msleep(500);
    EXPECT_EQ(clients[1]->state(), QProcess::Running);
    EXPECT_TRUE(display.topLevelWindows().contains(wrong));
    EXPECT_TRUE(waitFor([&] { return QFile::exists(marker()); }));
}

TEST_F(CompanionClosingTest, WithNoModuleRunningNoWindowIsExaminedAndRefunstStillStarts)
{
    ASSERT_NE(client(u"Titrages - Vorlane TS"_s), 0u);
    CompanionCloser closer(folder, session, files, processes, windows);
    const auto report = closer.CloseCompanions({});
    EXPECT_EQ(report.runningModules, 0);
    EXPECT_EQ(windows.lists, 0);
    EXPECT_TRUE(report.quitPosted.isEmpty());
    EXPECT_TRUE(report.refunstFound);
    EXPECT_NE(report.refunst, 0);
    EXPECT_TRUE(waitFor([&] { return QFile::exists(marker()); }));
    QThread::msleep(300);
    EXPECT_EQ(clients[0]->state(), QProcess::Running);
}

TEST_F(CompanionClosingTest, AWindowWithoutTheDeleteProtocolIsLeftAlone)
{
    // A bare window with a matching title and no WM_PROTOCOLS: it cannot be
    // asked, and it is never killed.
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    ASSERT_FALSE(xcb_connection_has_error(c));
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t bare = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, bare, screen->root, 10, 200, 200, 50, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const QByteArray title = "Titrages - Vorlane TS";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, bare, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        quint32(title.size()), title.constData());
    xcb_map_window(c, bare);
    xcb_flush(c);
    ASSERT_TRUE(waitFor([&] { return display.title(bare) == u"Titrages - Vorlane TS"_s; }));
    StateFile(folder).setModuleFlag(22, u"OUI"_s);

    CompanionCloser closer(folder, session, files, processes, windows);
    const auto report = closer.CloseCompanions({});
    EXPECT_EQ(windows.lists, 20);
    EXPECT_TRUE(report.quitPosted.isEmpty());
    EXPECT_TRUE(display.topLevelWindows().contains(bare));
    xcb_destroy_window(c, bare);
    xcb_disconnect(c);
}

} // namespace
