#include "testsupport.h"

#include <gtest/gtest.h>

using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

namespace {

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

TEST(AnswerCommand, JudgesTheTypedAnswerAsTheTestWindowDoes)
{
    const std::tuple<const char *, const char *, const char *> cases[] = {
        {"diffusion", "Diffusion !", "accepted\n"},
        {"electron", "l'électron", "accepted\n"},
        {"electron", "électrons", "accepted\n"},
        {"electron", "electronique", "rejected\n"},
        {"electron", "porte--électron", "rejected\n"},
        {"diffusion", "", "rejected\n"},
        {"ion", "les ions.", "accepted\n"},
    };
    for (const auto &[solution, typed, expected] : cases) {
        const ToolRun run =
            runTool({QStringLiteral("answer"), QStringLiteral("--solution"), u8(solution), u8(typed)});
        EXPECT_EQ(run.code, 0) << typed;
        EXPECT_EQ(run.out, u8(expected)) << typed;
    }
}

TEST(AnswerCommand, AnAnswerStartingWithADashFollowsTheDoubleDash)
{
    const ToolRun run = runTool({QStringLiteral("answer"), QStringLiteral("--solution"),
                                 QStringLiteral("ion"), QStringLiteral("--"), QStringLiteral("-ion")});
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, QStringLiteral("accepted\n"));
}

TEST(AnswerCommand, UsageErrors)
{
    const QStringList cases[] = {
        {QStringLiteral("answer"), QStringLiteral("mot")},
        {QStringLiteral("answer"), QStringLiteral("--solution")},
        {QStringLiteral("answer"), QStringLiteral("--solution"), QStringLiteral("a")},
        {QStringLiteral("answer"), QStringLiteral("--solution"), QStringLiteral("a"), QStringLiteral("b"),
         QStringLiteral("c")},
        {QStringLiteral("answer"), QStringLiteral("--bogus"), QStringLiteral("a")},
    };
    for (const QStringList &args : cases) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_FALSE(run.err.isEmpty());
    }
}

} // namespace
