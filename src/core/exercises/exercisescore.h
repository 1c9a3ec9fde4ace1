#pragma once

#include "core/platform/prompts.h"

#include <QString>

namespace vorlane {

struct ExerciseState;

// The running score of a test: the face, the score message and the label of
// the question on display. Numbers in texts are written with one leading
// space for non-negative values.
class ExerciseScore {
public:
    // Face 1 (worst) to 7 (best): the whole part of 7 x right / answered, plus
    // one, at most 7; 0 when nothing is answered (no face to show).
    static int faceNumber(int right, int answered);
    // right x 100 / answered to the nearest whole number, halves to the even
    // neighbour (1 of 8 gives 12, 3 of 8 gives 38); 0 when nothing is answered.
    static int percentage(int right, int answered);
    // The score message: "Vous n'avza répondu à aucune question." (title
    // "Test") when nothing is answered; otherwise " 7 / 10 soit 70 % de bonnes
    // réponses." with the title "Actuellement..." while questions are left,
    // "Test terminé" when every question is answered. Information icon, OK.
    static Message scoreMessage(const ExerciseState &state);
    // "Question 3 / 12 :" (the label `noa`).
    static QString questionLabel(int question, int count);
    // A number with one leading space when it is not negative.
    static QString spaced(long long n);
};

} // namespace vorlane
