#include "core/course/coursecheck.h"
#include "tool/commands.h"

namespace vorlane::tool {

int checkCommand(const QCommandLineParser &parsed)
{
    QStringList args = parsed.positionalArguments();
    args.removeAll(QStringLiteral("--"));
    if (args.size() != 1)
        return usageError(QStringLiteral("check"), QStringLiteral("expected SRC"));
    bool anyError = false;
    const std::vector<CourseFinding> findings = CourseCheck::checkFolder(args[0]);
    for (const CourseFinding &f : findings) {
        if (f.error) {
            anyError = true;
            err(QStringLiteral("vorlane-tool check: %1\n").arg(f.text()));
        } else {
            out(f.text() + u'\n');
        }
    }
    if (anyError)
        return ExitBadInput;
    return parsed.isSet(QStringLiteral("strict")) && !findings.empty() ? ExitBadInput : ExitOk;
}

} // namespace vorlane::tool
