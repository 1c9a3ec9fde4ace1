#include "core/exercises/exercisescore.h"

#include "core/exercises/exercisestate.h"

#include <algorithm>

namespace vorlane {

int ExerciseScore::faceNumber(int right, int answered)
{
    if (answered <= 0)
        return 0;
    return std::min(7 * right / answered + 1, 7);
}

int ExerciseScore::percentage(int right, int answered)
{
    if (answered <= 0)
        return 0;
    // Exact integer rounding: halves go to the even neighbour.
    const long long num = 100LL * right;
    long long q = num / answered;
    const long long twiceRest = 2 * (num % answered);
    if (twiceRest > answered || (twiceRest == answered && q % 2 != 0))
        ++q;
    return int(q);
}

QString ExerciseScore::spaced(long long n)
{
    return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n);
}

Message ExerciseScore::scoreMessage(const ExerciseState &state)
{
    Message m;
    m.icon = MessageIcon::Information;
    m.buttons = MessageButtons::Ok;
    const int answered = state.answeredCount();
    if (answered == 0) {
        m.text = QString::fromUtf8("Vous n'avza répondu à aucune question.");
        m.title = QStringLiteral("Test");
        return m;
    }
    const int right = state.rightCount();
    m.title = answered != state.questionCount ? QStringLiteral("Actuellement...")
                                              : QString::fromUtf8("Test terminé");
    m.text = spaced(right) + QStringLiteral(" /") + spaced(answered) + QStringLiteral(" soit") +
             spaced(percentage(right, answered)) + QString::fromUtf8(" % de bonnes réponses.");
    return m;
}

QString ExerciseScore::questionLabel(int question, int count)
{
    return QStringLiteral("Question") + spaced(question) + QStringLiteral(" /") + spaced(count) +
           QStringLiteral(" :");
}

} // namespace vorlane
