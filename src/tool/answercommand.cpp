#include "core/exercises/answercheck.h"
#include "tool/commands.h"

#include <optional>

namespace vorlane::tool {

// answer --solution S TYPED: judges a typed answer (question type 3) exactly
// as the test window does, and prints "accepted" or "rejected".
int answerCommand(const QStringList &args)
{
    const QString usageText = QStringLiteral("usage: vorlane-tool answer --solution S TYPED\n");
    std::optional<QString> solution;
    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (!optionsEnded && arg == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == u"--solution") {
            if (i + 1 >= args.size()) {
                err(QStringLiteral("vorlane-tool answer: --solution needs a value\n") + usageText);
                return ExitUsage;
            }
            solution = args[++i];
        } else if (!optionsEnded && arg.startsWith(QStringLiteral("--solution="))) {
            solution = arg.mid(11);
        } else if (!optionsEnded && arg.startsWith(u'-') && arg.size() > 1) {
            err(QStringLiteral(
                    "vorlane-tool answer: unknown option '%1' (write -- before an answer that starts "
                    "with -)\n")
                    .arg(arg));
            return ExitUsage;
        } else {
            positional.append(arg);
        }
    }
    if (!solution || positional.size() != 1) {
        err(usageText);
        return ExitUsage;
    }
    out(AnswerCheck::castexte(positional.first(), *solution) ? QStringLiteral("accepted\n")
                                                             : QStringLiteral("rejected\n"));
    return ExitOk;
}

} // namespace vorlane::tool
