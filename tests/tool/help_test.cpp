#include "testsupport.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

namespace {

// Every subcommand the tool has, with a word of its one-line description.
const std::pair<const char *, const char *> kCommands[] = {
    {"render-markup", "standard input"},
    {"render", "Numeropage"},
    {"eval", "expression"},
    {"calc", "calculator"},
    {"index", "page index"},
    {"record", "record file"},
    {"build-course", "course sources"},
    {"check", "without writing"},
    {"search", "search window"},
    {"print", "PDF"},
    {"answer", "typed answer"},
    {"video", "media control"},
    {"help", "subcommands"},
};

QStringList lines(const QString &text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

// The line of the list that names `command`.
QString listLine(const QString &list, const QString &command)
{
    for (const QString &line : lines(list)) {
        const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        if (line.startsWith(u"  ") && !words.isEmpty() && words.first() == command)
            return line;
    }
    return {};
}

TEST(ToolHelp, ListsEverySubcommandWithOneLineOnStandardOutput)
{
    for (const QStringList &args :
         {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("help")}}) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.code, 0) << args.join(u' ').toStdString();
        EXPECT_EQ(run.err, QString()) << run.err.toStdString();
        for (const auto &[command, word] : kCommands) {
            const QString line = listLine(run.out, QString::fromLatin1(command));
            EXPECT_TRUE(line.contains(QString::fromLatin1(word))) << command << " in\n"
                                                                  << run.out.toStdString();
        }
        // One line per subcommand, plus the usage lines and the heading.
        int listed = 0;
        for (const QString &line : lines(run.out))
            listed += line.startsWith(u"  ") ? 1 : 0;
        EXPECT_EQ(listed, int(std::size(kCommands))) << run.out.toStdString();
    }
}

TEST(ToolHelp, NoArgumentsGivesTheListOnStandardErrorAndExit2)
{
    const ToolRun run = runTool({});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, runTool({QStringLiteral("--help")}).out);
}

TEST(ToolHelp, HelpOfOneCommandGivesItsUsageAndOptions)
{
    struct Case {
        const char *command;
        const char *usage;
        QStringList options;
    } cases[] = {
        {"eval", "usage: vorlane-tool eval [--radians] EXPR", {QStringLiteral("--radians")}},
        {"calc",
         "usage: vorlane-tool calc [--radians] [--scientific] EXPR",
         {QStringLiteral("--radians"), QStringLiteral("--scientific")}},
        {"render",
         "usage: vorlane-tool render --course DIR --page N",
         {QStringLiteral("--course DIR"), QStringLiteral("--page N"), QStringLiteral("--test-metrics"),
          QStringLiteral("--trace FILE"), QStringLiteral("--png FILE")}},
        {"render-markup",
         "usage: vorlane-tool render-markup [--test-metrics]",
         {QStringLiteral("--width PX"), QStringLiteral("--print-mode"), QStringLiteral("--data DIR")}},
        {"index", "usage: vorlane-tool index --course DIR", {QStringLiteral("--course DIR")}},
        {"record", "usage: vorlane-tool record get FILE N | record set FILE N TEXT", {}},
        {"build-course", "usage: vorlane-tool build-course SRC DIR", {}},
    };
    for (const Case &c : cases) {
        const QString command = QString::fromLatin1(c.command);
        const ToolRun run = runTool({QStringLiteral("help"), command});
        EXPECT_EQ(run.code, 0) << c.command;
        EXPECT_TRUE(run.out.startsWith(QString::fromLatin1(c.usage))) << run.out.toStdString();
        for (const QString &option : c.options)
            EXPECT_TRUE(run.out.contains(QStringLiteral("  ") + option + u' '))
                << c.command << ": " << option.toStdString();
        // "COMMAND --help" is the same help.
        const ToolRun own = runTool({command, QStringLiteral("--help")});
        EXPECT_EQ(own.code, 0) << c.command;
        EXPECT_EQ(own.out, run.out) << c.command;
    }
    const ToolRun unknown = runTool({QStringLiteral("help"), QStringLiteral("frob")});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.err.contains(u"frob"));
    EXPECT_EQ(unknown.out, QString());
}

TEST(ToolHelp, UsageErrorsExit2AndNameTheOffendingInput)
{
    const struct {
        QStringList args;
        const char *named;
    } cases[] = {
        {{QStringLiteral("frob")}, "frob"},
        {{QStringLiteral("eval"), QStringLiteral("--nope"), QStringLiteral("1")}, "nope"},
        {{QStringLiteral("eval"), QStringLiteral("-3^2")}, "--"}, // the hint to write "--" first
        {{QStringLiteral("eval"), QStringLiteral("1"), QStringLiteral("2")}, "eval"},
        {{QStringLiteral("calc")}, "calc"},
        {{QStringLiteral("render"), QStringLiteral("--course")}, "course"},
        {{QStringLiteral("render"), QStringLiteral("--course"), QStringLiteral("x"), QStringLiteral("--page"),
          QStringLiteral("deux")},
         "deux"},
        {{QStringLiteral("index"), QStringLiteral("--course"), QStringLiteral("x"), QStringLiteral("extra")},
         "extra"},
        {{QStringLiteral("render-markup"), QStringLiteral("--width"), QStringLiteral("0")}, "width"},
        {{QStringLiteral("record"), QStringLiteral("get"), QStringLiteral("F")}, "record"},
        {{QStringLiteral("build-course"), QStringLiteral("src")}, "build-course"},
    };
    for (const auto &c : cases) {
        const ToolRun run = runTool(c.args);
        EXPECT_EQ(run.code, 2) << c.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.named))) << run.err.toStdString();
    }
}

TEST(ToolHelp, TextsAndExpressionsMayStartWithADash)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    for (const char *text : {"-x", "--radians", "-"}) {
        const QString t = QString::fromLatin1(text);
        ASSERT_EQ(
            runTool({QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("5"), t}).code, 0)
            << text;
        EXPECT_EQ(runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("5")}).out,
                  t + u'\n');
    }
    EXPECT_EQ(runTool({QStringLiteral("eval"), QStringLiteral("--"), QStringLiteral("-3^2")}).out, u"0\t9\n");
    EXPECT_EQ(runTool({QStringLiteral("eval"), QStringLiteral("2"), QStringLiteral("--radians")}).code, 0);
    EXPECT_EQ(runTool({QStringLiteral("calc"), QStringLiteral("--"), QStringLiteral("-1")}).out, u"-1\n");
}

TEST(ToolHelp, ANormalRunPrintsNoWarningWithoutARuntimeFolder)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VORLANE_TOOL), {QStringLiteral("eval"), QStringLiteral("1+1")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()), u"0\t2\n");
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()), QString());
}

} // namespace
