#include "tool/commandtable.h"

#include "tool/commands.h"

#include <algorithm>

namespace vorlane::tool {

namespace {

QCommandLineOption flag(const QString &name, const QString &description)
{
    return {name, description};
}

QCommandLineOption valued(const QString &name, const QString &valueName, const QString &description)
{
    return {name, description, valueName};
}

int helpCommand(const QCommandLineParser &args);

// Every subcommand answers to --help with its own help.
QCommandLineOption helpOption()
{
    return flag(QStringLiteral("help"), QStringLiteral("shows this help"));
}

QString optionText(const QCommandLineOption &option)
{
    QString text = QStringLiteral("--") + option.names().constFirst();
    if (!option.valueName().isEmpty())
        text += u' ' + option.valueName();
    return text;
}

} // namespace

const std::vector<Command> &Commands()
{
    static const std::vector<Command> table = {
        {QStringLiteral("render-markup"),
         QStringLiteral(
             "[--test-metrics] [--width PX] [--print-mode] [--trace FILE] [--png FILE] [--data DIR] < BODY"),
         QStringLiteral("draws one page body read from standard input (CR LF line ends) and writes its trace "
                        "or picture"),
         {flag(QStringLiteral("test-metrics"), QStringLiteral("measures text with the fixed test metrics")),
          valued(QStringLiteral("width"), QStringLiteral("PX"),
                 QStringLiteral("width of the body in pixels (default 600)")),
          flag(QStringLiteral("print-mode"), QStringLiteral("draws as for the printer")),
          valued(QStringLiteral("trace"), QStringLiteral("FILE"),
                 QStringLiteral("writes the drawing trace to FILE (- for standard output)")),
          valued(QStringLiteral("png"), QStringLiteral("FILE"),
                 QStringLiteral("writes the drawn body as a PNG picture")),
          valued(QStringLiteral("data"), QStringLiteral("DIR"),
                 QStringLiteral("folder where pictures are looked up"))},
         renderMarkupCommand},
        {QStringLiteral("render"),
         QStringLiteral("--course DIR --page N [--test-metrics] [--trace FILE] [--png FILE]"),
         QStringLiteral(
             "draws the page whose Numeropage is N in the course of folder DIR, as the window reaches it"),
         {valued(QStringLiteral("course"), QStringLiteral("DIR"),
                 QStringLiteral("application folder of the course")),
          valued(QStringLiteral("page"), QStringLiteral("N"), QStringLiteral("page number (Numeropage)")),
          flag(QStringLiteral("test-metrics"), QStringLiteral("measures text with the fixed test metrics")),
          valued(QStringLiteral("trace"), QStringLiteral("FILE"),
                 QStringLiteral("writes the drawing trace to FILE (- for standard output)")),
          valued(QStringLiteral("png"), QStringLiteral("FILE"),
                 QStringLiteral("writes the drawn page as a PNG picture"))},
         renderCourseCommand},
        {QStringLiteral("eval"),
         QStringLiteral("[--radians] EXPR"),
         QStringLiteral("evaluates an expression: the error code, a tab and the result"),
         {flag(QStringLiteral("radians"), QStringLiteral("angles in radians (default degrees)"))},
         evalCommand},
        {QStringLiteral("calc"),
         QStringLiteral("[--radians] [--scientific] EXPR"),
         QStringLiteral("what the calculator's display shows after EXPR and EXE"),
         {flag(QStringLiteral("radians"), QStringLiteral("angles in radians (default degrees)")),
          flag(QStringLiteral("scientific"), QStringLiteral("scientific notation"))},
         calcCommand},
        {QStringLiteral("index"),
         QStringLiteral("--course DIR"),
         QStringLiteral(
             "loads the page index as start-up does and prints slot, page by number, page by order"),
         {valued(QStringLiteral("course"), QStringLiteral("DIR"),
                 QStringLiteral("application folder of the course"))},
         indexCommand},
        {QStringLiteral("record"),
         QStringLiteral("get FILE N | record set FILE N TEXT"),
         QStringLiteral("reads or writes record N of a record file (TEMPTS.TMP, LISTETS.MPC)"),
         {},
         recordCommand,
         true},
        {QStringLiteral("build-course"),
         QStringLiteral("SRC DIR"),
         QStringLiteral("compiles the course sources SRC into the databases of the application folder DIR, "
                        "then checks them as check does (warnings on standard error)"),
         {},
         buildCourseCommand,
         true},
        {QStringLiteral("check"),
         QStringLiteral("[--strict] SRC"),
         QStringLiteral("checks the course sources SRC without writing anything: one line per finding, "
                        "FILE:LINE: message"),
         {flag(QStringLiteral("strict"), QStringLiteral("any finding is an error (exit 1)"))},
         checkCommand},
        {QStringLiteral("search"),
         QStringLiteral("--course DIR [--all] [--sans-accents] WORDS"),
         QStringLiteral("lists the pages the search window finds for WORDS: page number, tab, title"),
         {valued(QStringLiteral("course"), QStringLiteral("DIR"),
                 QStringLiteral("application folder of the course")),
          flag(QStringLiteral("all"), QStringLiteral("every word must be found (\"Tous les mots\")")),
          flag(QStringLiteral("sans-accents"),
               QStringLiteral("letters are compared without their accents (\"Ignorer les accents\")"))},
         searchCommand},
        {QStringLiteral("print"),
         QStringLiteral("--course DIR --page N --pdf FILE"),
         QStringLiteral("prints the print range of page N into a PDF file, as the print button would"),
         {valued(QStringLiteral("course"), QStringLiteral("DIR"),
                 QStringLiteral("application folder of the course")),
          valued(QStringLiteral("page"), QStringLiteral("N"), QStringLiteral("page number (Numeropage)")),
          valued(QStringLiteral("pdf"), QStringLiteral("FILE"), QStringLiteral("the PDF file to write"))},
         printCommand},
        {QStringLiteral("answer"),
         QStringLiteral("--solution S TYPED"),
         QStringLiteral("judges a typed answer as the test window does: accepted or rejected"),
         {valued(QStringLiteral("solution"), QStringLiteral("S"), QStringLiteral("the question's solution"))},
         answerCommand},
        {QStringLiteral("video"),
         QStringLiteral("FILE [--frame N] [--step K] [--png OUT]"),
         QStringLiteral("opens a video through the window's media control and prints its length, size and "
                        "the position reached"),
         {valued(QStringLiteral("frame"), QStringLiteral("N"),
                 QStringLiteral("positions on frame N as From = N, Play, Stop does (default 0)")),
          valued(QStringLiteral("step"), QStringLiteral("K"),
                 QStringLiteral("then sends Step K times (Back -K times when K < 0)")),
          valued(QStringLiteral("png"), QStringLiteral("OUT"),
                 QStringLiteral("writes the frame shown at the file's own size"))},
         videoCommand},
        {QStringLiteral("help"),
         QStringLiteral("[COMMAND]"),
         QStringLiteral("lists the subcommands, or shows the options of one"),
         {},
         helpCommand},
    };
    return table;
}

const Command *FindCommand(const QString &name)
{
    const auto &table = Commands();
    const auto it =
        std::find_if(table.begin(), table.end(), [&](const Command &c) { return c.name == name; });
    return it == table.end() ? nullptr : &*it;
}

QString CommandList()
{
    qsizetype width = 0;
    for (const Command &c : Commands())
        width = std::max(width, c.name.size());
    QString text = QStringLiteral("usage: vorlane-tool COMMAND [OPTIONS] [--] ARGUMENTS\n"
                                  "The options of one command: vorlane-tool help COMMAND\n\n"
                                  "commands:\n");
    for (const Command &c : Commands())
        text += QStringLiteral("  %1  %2\n").arg(c.name.leftJustified(width), c.description);
    return text;
}

QString CommandHelp(const Command &command)
{
    QString text = QStringLiteral("usage: vorlane-tool %1 %2\n%3\n")
                       .arg(command.name, command.synopsis, command.description);
    QList<QCommandLineOption> options = command.options;
    options.append(helpOption());
    qsizetype width = 2;
    for (const QCommandLineOption &o : options)
        width = std::max(width, optionText(o).size());
    text += QStringLiteral("\noptions:\n");
    for (const QCommandLineOption &o : options)
        text += QStringLiteral("  %1  %2\n").arg(optionText(o).leftJustified(width), o.description());
    text += QStringLiteral("  %1  %2\n")
                .arg(QStringLiteral("--").leftJustified(width),
                     command.optionsBeforeArguments
                         ? QStringLiteral("ends the options (options come before the arguments)")
                         : QStringLiteral("ends the options, so that an argument may start with -"));
    return text;
}

int usageError(const QString &command, const QString &message)
{
    const Command *c = FindCommand(command);
    err(QStringLiteral("vorlane-tool %1: %2\n").arg(command, message));
    if (c)
        err(QStringLiteral("usage: vorlane-tool %1 %2\n").arg(c->name, c->synopsis));
    return ExitUsage;
}

namespace {

int helpCommand(const QCommandLineParser &args)
{
    const QStringList names = args.positionalArguments();
    if (names.isEmpty()) {
        out(CommandList());
        return ExitOk;
    }
    const Command *c = names.size() == 1 ? FindCommand(names.first()) : nullptr;
    if (!c) {
        err(QStringLiteral("vorlane-tool help: unknown command '%1'\n").arg(names.join(u' ')) +
            CommandList());
        return ExitUsage;
    }
    out(CommandHelp(*c));
    return ExitOk;
}

} // namespace

int RunCommandLine(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.isEmpty()) {
        err(CommandList());
        return ExitUsage;
    }
    const QString name = args.takeFirst();
    if (name == u"--help" || name == u"-h") {
        out(CommandList());
        return ExitOk;
    }
    const Command *command = FindCommand(name);
    if (!command) {
        err(QStringLiteral("vorlane-tool: unknown command '%1'\n").arg(name) + CommandList());
        return ExitUsage;
    }
    QCommandLineParser parser;
    if (command->optionsBeforeArguments)
        parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions(command->options);
    parser.addOption(helpOption());
    // parse() reads the first element as the program's name.
    if (!parser.parse(QStringList{name} + args)) {
        return usageError(name, parser.errorText() +
                                    QStringLiteral(" (write -- before an argument that starts with -)"));
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out(CommandHelp(*command));
        return ExitOk;
    }
    return command->run(parser);
}

} // namespace vorlane::tool
