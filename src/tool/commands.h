#pragma once

#include <QStringList>

namespace vorlane::tool {

// Exit codes of every subcommand.
enum Exit : int {
    ExitOk = 0,       // the work was done (an evaluation error or a rejected answer is a result)
    ExitBadInput = 1, // the input cannot be used (missing folder, unreadable database...)
    ExitUsage = 2,    // the command line is wrong
};

// Each subcommand takes the arguments after its name ("--" ends the options).
int recordCommand(const QStringList &args);
int buildCourseCommand(const QStringList &args);
int indexCommand(const QStringList &args);       // index --course DIR
int renderCourseCommand(const QStringList &args); // render --course DIR --page N ...
int evalCommand(const QStringList &args); // eval [--radians] EXPR
int calcCommand(const QStringList &args); // calc [--radians] [--scientific] EXPR
int renderMarkupCommand(const QStringList &args);
// video FILE [--frame N] [--step K] [--png OUT]
int videoCommand(const QStringList &args);

// Writes to standard output / standard error in UTF-8.
void out(const QString &text);
void err(const QString &text);

} // namespace vorlane::tool
