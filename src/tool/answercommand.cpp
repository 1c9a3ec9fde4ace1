#include "core/exercises/answercheck.h"
#include "tool/commands.h"

namespace vorlane::tool {

// answer --solution S TYPED: judges a typed answer (question type 3) exactly
// as the test window does, and prints "accepted" or "rejected".
int answerCommand(const QCommandLineParser &args)
{
    if (!args.isSet(QStringLiteral("solution")))
        return usageError(QStringLiteral("answer"), QStringLiteral("--solution S is required"));
    if (args.positionalArguments().size() != 1)
        return usageError(QStringLiteral("answer"), QStringLiteral("expected one typed answer"));
    const bool accepted =
        AnswerCheck::castexte(args.positionalArguments().first(), args.value(QStringLiteral("solution")));
    out(accepted ? QStringLiteral("accepted\n") : QStringLiteral("rejected\n"));
    return ExitOk;
}

} // namespace vorlane::tool
