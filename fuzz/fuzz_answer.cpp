// The answer check of typed answers: the input is split at its first NUL byte
// into the solution and the typed text.
#include "core/exercises/answercheck.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = vorlane::fuzz::utf8(data, size);
    const qsizetype cut = text.indexOf(QChar(0));
    const QString solution = cut < 0 ? text : text.left(cut);
    const QString typed = cut < 0 ? QString() : text.mid(cut + 1);
    (void)vorlane::AnswerCheck::castexte(typed, solution);
    (void)vorlane::AnswerCheck::castexte(solution, typed);
    return 0;
}
