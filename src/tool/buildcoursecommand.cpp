#include "core/course/coursecheck.h"
#include "core/course/coursesources.h"
#include "tool/commands.h"

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
    QString message;
    if (!WriteCourseDatabases(*sources, args[1], &message)) {
        err(QStringLiteral("vorlane-tool build-course: %1\n").arg(message));
        return ExitBadInput;
    }
    out(QStringLiteral("%1 pages, %2 tests written to %3\n")
            .arg(sources->pages.size())
            .arg(sources->tests.size())
            .arg(args[1]));
    // The course is built; what an author should still look at goes to standard error.
    for (const CourseFinding &f : CourseCheck::checkFolder(args[0]))
        err(QStringLiteral("vorlane-tool build-course: warning: %1\n").arg(f.text()));
    return ExitOk;
}

} // namespace vorlane::tool
