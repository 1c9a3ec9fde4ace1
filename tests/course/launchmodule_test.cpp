#include "core/course/launchcode.h"
#include "core/course/modulelauncher.h"
#include "core/records/statefile.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

struct CodeCase {
    int code;
    int module;
    const char *fileText;
};

void PrintTo(const CodeCase &c, std::ostream *os)
{
    *os << "code " << c.code;
}

class DecodeLaunchCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(DecodeLaunchCodeTest, GivesModuleAndFileText)
{
    const CodeCase c = GetParam();
    const LaunchRequest r = DecodeLaunchCode(c.code);
    EXPECT_EQ(r.module, c.module);
    EXPECT_EQ(r.fileText, QString::fromUtf8(c.fileText));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, DecodeLaunchCodeTest,
    ::testing::Values(CodeCase{23, 2, "Exercice 03.E32"},  // module 2, exercise 3
                      CodeCase{521, 2, "Exercice 10.E32"}, // 52 - 50 = 2, exercise 1 + 9
                      CodeCase{500, 50, ""},               // multiple of 10: no file, module not reduced
                      CodeCase{70, 7, ""},                 // the web-site button
                      CodeCase{11, 1, "Exercice 01."},     // module 1 has no file code
                      CodeCase{19, 1, "Exercice 09."}, CodeCase{245, 24, "Exercice 05.E44"},
                      CodeCase{559, 5, "Exercice 18."}, // 55 - 50 = 5, 9 + 9
                      CodeCase{227, 22, "Exercice 07.E05"}, CodeCase{0, 0, ""}));

TEST(CompanionExecutableTest, EighteenModulesHaveOneEach)
{
    const QSet<int> without = {9, 14, 15, 17, 18, 20};
    QSet<QString> names;
    for (int module = 1; module <= 24; ++module) {
        const auto exe = CompanionExecutable(module);
        EXPECT_EQ(exe.has_value(), !without.contains(module)) << "module " << module;
        if (exe) {
            EXPECT_TRUE(exe->endsWith(u".EXE")) << exe->toStdString();
            names.insert(*exe);
        }
    }
    EXPECT_EQ(names.size(), 18);
    EXPECT_FALSE(CompanionExecutable(0));
    EXPECT_FALSE(CompanionExecutable(25));
    EXPECT_FALSE(CompanionExecutable(-3));
    EXPECT_FALSE(CompanionExecutable(50));
}

class LaunchModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
        state.resetAtStartup();
    }

    QString exe(int module) const { return folder + *CompanionExecutable(module); }

    QTemporaryDir dir;
    QString folder;
    StateFile state;
    ModuleState session;
    FakeFiles files;
    FakeProcesses processes;
    FakePrompts prompts;

public:
    LaunchModuleTest() : state(dir.path()) {}
};

TEST_F(LaunchModuleTest, Code23StartsModule2WithItsExerciseFile)
{
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    EXPECT_EQ(launcher.LaunchModule(23), ModuleLauncher::Outcome::Started);
    EXPECT_EQ(state.launchFileText(), u"Exercice 03.E32");
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, exe(2));
    EXPECT_TRUE(processes.starts[0].arguments.isEmpty());
    EXPECT_EQ(processes.starts[0].show, WindowShow::NormalFocused);
    EXPECT_EQ(session.companionTasks[2], 1001);
    EXPECT_EQ(processes.broughtToFront, QList<TaskId>{1001});
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(session.currentModule, 0);
}

TEST_F(LaunchModuleTest, Code500StartsNothingButClearsTheFileText)
{
    state.setLaunchFileText(QStringLiteral("Exercice 01.E32"));
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    EXPECT_EQ(launcher.LaunchModule(500), ModuleLauncher::Outcome::NoExecutable);
    EXPECT_EQ(state.launchFileText(), u"");
    EXPECT_TRUE(processes.starts.isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(LaunchModuleTest, ExecutableSpelledInAnotherCaseIsFound)
{
    files.paths << folder + QStringLiteral("periodiq.exe");
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    launcher.LaunchModule(20);
    ASSERT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(processes.starts[0].program, folder + QStringLiteral("periodiq.exe"));
}

TEST_F(LaunchModuleTest, SecondClickOnARunningModuleBringsItForward)
{
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    launcher.LaunchModule(23);
    state.setModuleFlag(2, QStringLiteral("OUI")); // the companion says it runs
    processes.broughtToFront.clear();

    EXPECT_EQ(launcher.LaunchModule(24), ModuleLauncher::Outcome::BroughtToFront);
    EXPECT_EQ(processes.starts.size(), 1); // no second copy
    EXPECT_EQ(processes.broughtToFront, QList<TaskId>{1001});
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(session.currentModule, -1); // its own flag is not "NON"
    EXPECT_EQ(state.launchFileText(), u"Exercice 04.E32");
}

TEST_F(LaunchModuleTest, ModuleThatHasQuitIsStartedAgain)
{
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    launcher.LaunchModule(23);
    // Its flag went back to "NON": it has ended.
    launcher.LaunchModule(23);
    ASSERT_EQ(processes.starts.size(), 2);
    EXPECT_EQ(session.companionTasks[2], 1002);
}

TEST_F(LaunchModuleTest, AnotherRunningModuleAsksForConfirmationAndNoLeavesEverything)
{
    state.setModuleFlag(5, QStringLiteral(" OUI "));
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    prompts.answers.push_back(MessageAnswer::No);

    EXPECT_EQ(launcher.LaunchModule(23), ModuleLauncher::Outcome::Declined);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(
        prompts.asked[0].text,
        QString::fromUtf8("Confirmez-vous cette commande ?\nIl y a déjà un module en cours d'exécution."));
    EXPECT_EQ(prompts.asked[0].title, u"Vorlane");
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(processes.starts.isEmpty());
    EXPECT_EQ(session.companionTasks[2], 0);
    EXPECT_EQ(session.currentModule, 1);
    // Record 31 was written before the question.
    EXPECT_EQ(state.launchFileText(), u"Exercice 03.E32");
}

TEST_F(LaunchModuleTest, ConfirmationYesStartsTheModule)
{
    state.setModuleFlag(5, QStringLiteral("OUI"));
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    prompts.answers.push_back(MessageAnswer::Yes);
    EXPECT_EQ(launcher.LaunchModule(23), ModuleLauncher::Outcome::Started);
    EXPECT_EQ(processes.starts.size(), 1);
    EXPECT_EQ(session.companionTasks[2], 1001);
}

TEST_F(LaunchModuleTest, AStartThatFailsKeepsNoTask)
{
    processes.nextTask = 0;
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    EXPECT_EQ(launcher.LaunchModule(23), ModuleLauncher::Outcome::StartFailed);
    EXPECT_EQ(session.companionTasks[2], 0);
    EXPECT_TRUE(processes.broughtToFront.isEmpty());
}

TEST_F(LaunchModuleTest, ModuleWithoutExecutableStartsNothing)
{
    ModuleLauncher launcher(folder, session, files, processes, prompts);
    EXPECT_EQ(launcher.LaunchModule(91), ModuleLauncher::Outcome::NoExecutable); // module 9
    EXPECT_EQ(state.launchFileText(), u"Exercice 01.");
    EXPECT_TRUE(processes.starts.isEmpty());
}

} // namespace
