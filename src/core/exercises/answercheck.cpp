#include "core/exercises/answercheck.h"

#include "core/text/answerfold.h"

namespace vorlane {

QString AnswerCheck::AnswerPattern(const std::array<bool, 5> &ticked)
{
    QString pattern;
    for (bool on : ticked)
        pattern += on ? u'1' : u'0';
    return pattern;
}

QString AnswerCheck::normalise(QStringView typed)
{
    const QString lowered = typed.toString().toLower();
    QString out;
    out.reserve(lowered.size());
    for (const QChar c : lowered)
        out += AnswerFold::fold(c);
    return out;
}

bool AnswerCheck::isWordCharacter(char32_t c)
{
    return QChar::isLetter(c) || (c >= U'0' && c <= U'9');
}

namespace {

// The code point that ends just before `at` / starts at `at` (a letter outside
// the basic plane is two UTF-16 units).
char32_t pointBefore(QStringView text, qsizetype at)
{
    const QChar low = text[at - 1];
    if (low.isLowSurrogate() && at >= 2 && text[at - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[at - 2], low);
    return low.unicode();
}

char32_t pointAt(QStringView text, qsizetype at)
{
    const QChar high = text[at];
    if (high.isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(high, text[at + 1]);
    return high.unicode();
}

} // namespace

bool AnswerCheck::containsWholeWord(QStringView text, QStringView word)
{
    if (word.isEmpty())
        return false;
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + word.size();
        const bool startsWord = at == 0 || !isWordCharacter(pointBefore(text, at));
        const bool endsWord = end >= text.size() || !isWordCharacter(pointAt(text, end));
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

bool AnswerCheck::castexte(QStringView typed, QStringView solution)
{
    const QString text = normalise(typed);
    const QString word = solution.toString();
    for (const char *ending : {"", "S", "E", "ES", "X"}) {
        if (containsWholeWord(text, word + QLatin1String(ending)))
            return true;
    }
    return false;
}

} // namespace vorlane
