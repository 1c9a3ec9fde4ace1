#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace vorlane {

// Judging answers.
//
// Ticked boxes and chosen buttons are recorded as an AnswerPattern: five
// characters "0" or "1", character k (from 1) standing for control k - 1
// ("01010" for controls 1 and 3; "00000" for none).
//
// A typed answer (type 3) is accepted by a forgiving rule (castexte): it is
// lowered, then normalised character by character
//   é è ê -> e   à -> a   ù -> u   ô -> o   ç -> c
//   - _ removed
//   + * / ' , ; . ! ? :  -> one space
// (every other character stays: â, î, ï, ë, û, digits...), and it is
// accepted when it holds the solution as a whole word, ignoring case, or else
// the solution followed by "S", "E", "ES" or "X". A whole word is not preceded
// and not followed by a word character: a Unicode letter or a digit 0 to 9.
// So "c'est la diffusion." is accepted for "diffusion", "les ions" for
// "ion", "électronique" is not accepted for "electron". A solution holding one
// of the accented letters of the table can never match.
class AnswerCheck {
public:
    static QString AnswerPattern(const std::array<bool, 5> &ticked);

    // The typed text lowered and normalised as above.
    static QString normalise(QStringView typed);
    // True when `word` occurs in `text` (ignoring case) with no word
    // character just before or just after it. An empty word is never found.
    static bool containsWholeWord(QStringView text, QStringView word);
    // True when the typed answer is accepted for `solution`.
    static bool castexte(QStringView typed, QStringView solution);
    static bool isWordCharacter(char32_t c);
};

} // namespace vorlane
