#include "testsupport.h"

#include <gtest/gtest.h>

using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

namespace {

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

TEST(EvalCommand, PrintsTheCodeATabAndTheResult)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{QStringLiteral("2+3*4")}, "0\t14\n"},
        {{QStringLiteral("--"), QStringLiteral("-3^2")}, "0\t9\n"},
        {{QStringLiteral("--radians"), QStringLiteral("invTAN 1")}, "0\t.785398163397448\n"},
        {{QStringLiteral("invTAN 1")}, "0\t45\n"},
        {{QStringLiteral("--radians"), QStringLiteral("--"), QStringLiteral("--5")}, "0\t5\n"},
        {{QString()}, "0\t\n"},
        {{QStringLiteral("ln(2+3)")}, "0\t1.6094379124341\n"},
    };
    for (const auto &[args, expected] : cases) {
        const ToolRun run = runTool(QStringList{QStringLiteral("eval")} + args);
        EXPECT_EQ(run.code, 0) << args.join(u' ').toStdString();
        EXPECT_EQ(run.out, u8(expected)) << args.join(u' ').toStdString();
    }
}

TEST(EvalCommand, AnEvaluationErrorIsAResult)
{
    const std::pair<const char *, const char *> cases[] = {{"(2", "2\t"}, {"2*/3", "3\t"}, {"1/0", "1\t"}};
    for (const auto &[expression, prefix] : cases) {
        const ToolRun run = runTool({QStringLiteral("eval"), QString::fromUtf8(expression)});
        EXPECT_EQ(run.code, 0) << expression;
        EXPECT_TRUE(run.out.startsWith(QString::fromUtf8(prefix)))
            << expression << " gave " << run.out.toStdString();
        EXPECT_TRUE(run.out.endsWith(u'\n'));
    }
}

TEST(CalcCommand, PrintsTheDisplayAfterExe)
{
    const std::pair<QStringList, const char *> cases[] = {
        {{QStringLiteral("1/4")}, " .25\n"},
        {{QStringLiteral("--scientific"), QStringLiteral("1/4")}, "2.5E-01\n"},
        {{QStringLiteral("--scientific"), QStringLiteral("1")}, "1.E+00\n"},
        {{QString()}, " 0\n"},
        {{QStringLiteral("--"), QStringLiteral("-3^2")}, " 9\n"},
        {{QStringLiteral("--"), QStringLiteral("2-5")}, "-3\n"},
        {{QStringLiteral("--radians"), QStringLiteral("sin 90")}, " .893996663600558\n"},
        {{QStringLiteral("1/0")}, "Calcul impossible\n"},
        {{QStringLiteral("(2")}, "Erreur saisie: revoir les parenth\u00e8ses\n"},
        {{QStringLiteral("1E999")}, "D\u00e9passement de capacit\u00e9\n"},
    };
    for (const auto &[args, expected] : cases) {
        const ToolRun run = runTool(QStringList{QStringLiteral("calc")} + args);
        EXPECT_EQ(run.code, 0) << args.join(u' ').toStdString();
        EXPECT_EQ(run.out, u8(expected)) << args.join(u' ').toStdString();
    }
}

TEST(CalcCommands, UsageErrors)
{
    const QStringList cases[] = {
        {QStringLiteral("eval")},
        {QStringLiteral("eval"), QStringLiteral("1"), QStringLiteral("2")},
        {QStringLiteral("eval"), QStringLiteral("--scientific"), QStringLiteral("1")},
        {QStringLiteral("eval"), QStringLiteral("-3^2")}, // needs "--" before it
        {QStringLiteral("calc"), QStringLiteral("--bogus"), QStringLiteral("1")},
        {QStringLiteral("calc")},
    };
    for (const QStringList &args : cases) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty()) << args.join(u' ').toStdString();
    }
}

} // namespace
