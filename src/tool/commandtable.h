#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace vorlane::tool {

// One subcommand of vorlane-tool: the table of them both dispatches the command
// line and writes the help, so a new subcommand is one row of it.
struct Command {
    QString name;
    QString synopsis;    // arguments after the name, as in "--course DIR --page N"
    QString description; // one line, shown by "help"
    QList<QCommandLineOption> options;
    int (*run)(const QCommandLineParser &args) = nullptr;
    // Options are read only before the first positional argument, so that a
    // text given after it may start with "-" (record set F 5 -x).
    bool optionsBeforeArguments = false;
};

// Every subcommand, in the order "help" lists them.
const std::vector<Command> &Commands();
const Command *FindCommand(const QString &name);

// The list of subcommands with their one-line descriptions.
QString CommandList();
// The usage line, description and options of one subcommand.
QString CommandHelp(const Command &command);

// Runs the command line (without the program name): "--help" and "help
// [COMMAND]" print the help on standard output (exit 0); no arguments prints the
// list on standard error (exit 2); an unknown command or option is a usage
// error (exit 2).
int RunCommandLine(const QStringList &args);

} // namespace vorlane::tool
