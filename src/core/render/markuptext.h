#pragma once

#include <QStringView>
#include <optional>

namespace vorlane {

// Reading the arguments of a command text (a command line without its "##").
// Positions count from 1 on the command text, the first letter of the tag being
// position 1. Every function is total: a position past the end gives the empty
// text, a count larger than the text gives the whole text.
class MarkupText {
public:
    // The first n characters (the whole text if shorter).
    static QStringView left(QStringView text, qsizetype n);
    // The last n characters (the whole text if shorter).
    static QStringView right(QStringView text, qsizetype n);
    // From position `start` on, at most `count` characters (count < 0: to the end).
    static QStringView mid(QStringView text, qsizetype start, qsizetype count = -1);

    // The lenient number of a text: blanks skipped, longest decimal prefix,
    // 0 when there is none.
    static double value(QStringView text);
    // The value of the last n characters, of the text from position start on.
    static double valueOfRight(QStringView text, qsizetype n) { return value(right(text, n)); }
    static double valueFrom(QStringView text, qsizetype start) { return value(mid(text, start)); }

    // Commands with a text and a target ("FRAC1#2", "LIERTvoir#PAG012"): p is
    // the position of the last "#" among positions `searchFrom` to length - 1;
    // the first part runs from position `firstFrom` to p - 1, the second is
    // everything after p. nullopt when there is no such "#".
    struct Split {
        QStringView first;
        QStringView second;
    };
    static std::optional<Split> splitAtLastHash(QStringView text, qsizetype searchFrom, qsizetype firstFrom);
};

} // namespace vorlane
