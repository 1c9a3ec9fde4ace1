#pragma once

#include "core/course/testhandoff.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vorlane {

// The progress of the test in progress, kept for the whole run (not in any
// file) so that the test window can close and reopen where it was left.
//
// Slots 1..100 of the two arrays stand for questions 1..100 (slot 0 is never
// a question): a test has at most 100 questions.
struct ExerciseState : TestHandOff {
    static constexpr int kSlots = 101;

    // The hand-off with the dispatcher (TestHandOff): pendingExercise, the
    // chapter of the test in progress (0 = none), and exerciseReturnPage, the
    // course page the test window leaves for when it closes (0 = none).
    // Question on display, 1 to questionCount (0 before the first opening).
    std::int16_t currentQuestion = 0;
    // Nbquest of the test in progress.
    std::int16_t questionCount = 0;
    // Per question: 0 not answered, 1 answered right, -1 answered wrong.
    std::array<std::int16_t, kSlots> questionStatus{};
    // The recorded answer per question (AnswerPattern or the typed text);
    // read only for questions whose status is not 0.
    std::array<QString, kSlots> givenAnswer;
    // The course window was started for authors (vorlane --auteur): the test
    // window shows its authoring switch.
    bool authoring = false;

    // Questions 1..questionCount whose status is not 0 / is 1 (slots past 100
    // do not exist and are not counted).
    int answeredCount() const;
    int rightCount() const;
    // The status of question q; 0 for a question without a slot.
    int status(int q) const { return q >= 0 && q < kSlots ? questionStatus[std::size_t(q)] : 0; }

    // Closing the test for good: no test in progress, question 1, every
    // status 0, no return page. Given answers stay (they are read only for
    // answered questions).
    void clear();
};

} // namespace vorlane
