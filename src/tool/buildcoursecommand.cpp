#include "core/course/coursesources.h"
#include "tool/commands.h"

#include <QSet>

namespace vorlane::tool {

int buildCourseCommand(const QCommandLineParser &parsed)
{
    QStringList args = parsed.positionalArguments();
    args.removeAll(QStringLiteral("--"));
    if (args.size() != 2)
        return usageError(QStringLiteral("build-course"), QStringLiteral("expected SRC and DIR"));
    SourceError error;
    const auto sources = ReadCourseSources(args[0], &error);
    if (!sources) {
        err(QStringLiteral("vorlane-tool build-course: %1\n").arg(error.text()));
        return ExitBadInput;
    }
    // Two rows with one page number are legal (the later row wins in the page
    // index) but almost always an author's slip: say so.
    QSet<int> seen;
    for (const CoursePage &p : sources->pages) {
        if (seen.contains(p.numeropage))
            err(QStringLiteral("vorlane-tool build-course: warning: page %1 is defined again in %2\n")
                    .arg(p.numeropage)
                    .arg(p.source));
        seen.insert(p.numeropage);
    }
    QString message;
    if (!WriteCourseDatabases(*sources, args[1], &message)) {
        err(QStringLiteral("vorlane-tool build-course: %1\n").arg(message));
        return ExitBadInput;
    }
    out(QStringLiteral("%1 pages, %2 tests written to %3\n")
            .arg(sources->pages.size())
            .arg(sources->tests.size())
            .arg(args[1]));
    return ExitOk;
}

} // namespace vorlane::tool
