#include "core/exercises/exercisestate.h"

#include <algorithm>

namespace vorlane {

namespace {
template <typename Pred>
int countQuestions(const ExerciseState &s, Pred pred)
{
    int n = 0;
    const int last = std::min<int>(s.questionCount, ExerciseState::kSlots - 1);
    for (int q = 1; q <= last; ++q) {
        if (pred(s.questionStatus[std::size_t(q)]))
            ++n;
    }
    return n;
}
} // namespace

int ExerciseState::answeredCount() const
{
    return countQuestions(*this, [](std::int16_t s) { return s != 0; });
}

int ExerciseState::rightCount() const
{
    return countQuestions(*this, [](std::int16_t s) { return s == 1; });
}

void ExerciseState::clear()
{
    pendingExercise = 0;
    currentQuestion = 1;
    questionStatus.fill(0);
    exerciseReturnPage = 0;
}

} // namespace vorlane
