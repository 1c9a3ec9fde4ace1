#pragma once

#include <QChar>
#include <QString>

namespace vorlane {

// How a typed answer is rewritten, one lowered character at a time, before it is
// searched for the solution:
//   é è ê -> e   à -> a   ù -> u   ô -> o   ç -> c
//   - _ removed
//   + * / ' , ; . ! ? :  -> one space
// Every other character stays as it is (â, î, ï, ë, û, digits...). The answer
// check and the course check share this table: a solution holding a character
// that the table rewrites can never be found in a rewritten answer.
class AnswerFold {
public:
    // What `lowered` becomes: itself, another letter, one space or nothing.
    static QString fold(QChar lowered);
    // True when `c`, lowered, is rewritten (so a solution holding it cannot match).
    static bool isRewritten(QChar c);
};

} // namespace vorlane
