#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace vorlane::tool {

// Exit codes of every subcommand.
enum Exit : int {
    ExitOk = 0,       // the work was done (an evaluation error or a rejected answer is a result)
    ExitBadInput = 1, // the input cannot be used (missing folder, unreadable database...)
    ExitUsage = 2,    // the command line is wrong
};

// Each subcommand receives its command line already parsed against the options
// of its row of the command table (commandtable.cpp): options through
// isSet()/value(), the rest through positionalArguments(). "--" ends the options.
int recordCommand(const QCommandLineParser &args);       // record get FILE N | record set FILE N TEXT
int buildCourseCommand(const QCommandLineParser &args);  // build-course SRC DIR
int checkCommand(const QCommandLineParser &args);        // check [--strict] SRC
int indexCommand(const QCommandLineParser &args);        // index --course DIR
int renderCourseCommand(const QCommandLineParser &args); // render --course DIR --page N ...
int evalCommand(const QCommandLineParser &args);         // eval [--radians] EXPR
int calcCommand(const QCommandLineParser &args);         // calc [--radians] [--scientific] EXPR
int renderMarkupCommand(const QCommandLineParser &args); // render-markup [options] < body
int searchCommand(const QCommandLineParser &args);       // search --course DIR [--all] [--sans-accents] WORDS
int printCommand(const QCommandLineParser &args);        // print --course DIR --page N --pdf FILE
int answerCommand(const QCommandLineParser &args);       // answer --solution S TYPED
int videoCommand(const QCommandLineParser &args);        // video FILE [--frame N] [--step K] [--png OUT]

// Writes to standard output / standard error in UTF-8.
void out(const QString &text);
void err(const QString &text);

// Writes "vorlane-tool COMMAND: message" and the command's usage line to
// standard error; returns ExitUsage.
int usageError(const QString &command, const QString &message);

} // namespace vorlane::tool
