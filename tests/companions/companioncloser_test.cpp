// The closing window's work against fake windows and processes.

#include "core/companions/companioncloser.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// Fake windows that also count how often they were listed.
class CountingWindows final : public TopWindows {
public:
    QList<TopWindow> list() const override
    {
        ++lists;
        return windows;
    }
    bool postQuit(quint64 window) override
    {
        posted.append(window);
        return true;
    }
    QList<TopWindow> windows;
    QList<quint64> posted;
    mutable int lists = 0;
};

class CompanionCloserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
        StateFile(folder).resetAtStartup();
    }
    CompanionCloser::Report run(const QSet<quint64> &own = {})
    {
        CompanionCloser closer(folder, session, files, processes, windows);
        return closer.CloseCompanions(own);
    }

    QTemporaryDir dir;
    QString folder;
    ModuleState session;
    FakeFiles files;
    FakeProcesses processes;
    CountingWindows windows;
};

TEST_F(CompanionCloserTest, NoModuleRunningExaminesNoWindowAndStillStartsRefunst)
{
    windows.windows = {{11, u"Titrages - Vorlane TS"_s}};
    files.paths = {folder + u"REFUNST.EXE"_s};
    const auto report = run();
    EXPECT_EQ(report.runningModules, 0);
    EXPECT_EQ(session.currentModule, 0);
    EXPECT_EQ(windows.lists, 0);
    EXPECT_TRUE(windows.posted.isEmpty());
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, folder + u"REFUNST.EXE"_s);
    EXPECT_EQ(processes.starts[0].show, WindowShow::NormalFocused);
    EXPECT_TRUE(report.refunstFound);
    EXPECT_EQ(report.refunst, 1001);
}

TEST_F(CompanionCloserTest, MatchingWindowsAreAskedOncePerMatchingSlot)
{
    StateFile(folder).setModuleFlag(22, u" OUI "_s);
    StateFile(folder).setModuleFlag(6, u"OUI"_s);
    windows.windows = {
        {1, u"Titrages - Vorlane TS"_s},                             // slot 17
        {2, u"TITRAGES - VORLANE TS"_s},                             // another case: left alone
        {3, QString()},                                              // untitled: passed over
        {4, u"Circuit RC - Vorlane TS / Circuit RL - Vorlane TS"_s}, // slots 6 and 9
        {5, u"Titrages - Vorlane TS (copie)"_s},                     // this program's own window
        {6, u"Ondes progressives — Wikipédia — Mozilla Firefox"_s},
    };
    const auto report = run({5});
    EXPECT_EQ(report.runningModules, 2);
    EXPECT_EQ(session.currentModule, 2);
    EXPECT_EQ(windows.lists, 20);
    // Slots in increasing order: 6 and 9 for window 4, then 17 for window 1.
    EXPECT_EQ(windows.posted, (QList<quint64>{4, 4, 1}));
    EXPECT_EQ(report.quitPosted, windows.posted);
    // No REFUNST.EXE in the folder: nothing started, no error.
    EXPECT_FALSE(report.refunstFound);
    EXPECT_TRUE(processes.starts.isEmpty());
}

TEST_F(CompanionCloserTest, RefunstIsFoundWhateverItsLetterCaseAndAFailedStartIsNoError)
{
    files.paths = {folder + u"Refunst.exe"_s};
    processes.nextTask = 0;
    const auto report = run();
    EXPECT_TRUE(report.refunstFound);
    EXPECT_EQ(report.refunst, 0);
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, folder + u"Refunst.exe"_s);
}

TEST_F(CompanionCloserTest, AStateFileThatCannotBeReadClosesNothing)
{
    QFile::remove(StateFile(folder).path());
    QDir(folder).mkdir(u"TEMPTS.TMP"_s); // a folder where the file should be
    windows.windows = {{1, u"Titrages - Vorlane TS"_s}};
    const auto report = run();
    EXPECT_LE(report.runningModules, 0);
    EXPECT_EQ(windows.lists, 0);
}

} // namespace
