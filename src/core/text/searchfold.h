#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <string>
#include <vector>

namespace vorlane {

// A stretch of a text: characters [start, end).
struct TextRange {
    qsizetype start = 0;
    qsizetype end = 0;
    friend bool operator==(const TextRange &, const TextRange &) = default;
};

// How word search compares texts: both the words and the text are folded,
// then a word occurs when its folded form is a substring of the folded text.
//
// The plain fold is lower case (QString::toLower, character by character).
// The accent fold ("Ignorer les accents") is lower case, then the canonical
// decomposition (NFD), then the combining marks U+0300..U+036F dropped: "É",
// "é" and "e" + U+0301 all fold to "e"; "œ" and "æ" have no decomposition and
// stay as they are.
//
// Folding goes character by character through a table built once for the
// characters below U+3000; a text holding anything else is folded the slow way
// (toLower, normalized, marks removed), with the same result.
class SearchFold {
public:
    explicit SearchFold(bool ignoreAccents = false);

    bool ignoresAccents() const { return m_accents; }

    // The folded text, written into `out` (its capacity is reused, so a scan
    // folding many texts allocates only when a text is longer than any before).
    void fold(QStringView text, QString &out) const;
    QString fold(QStringView text) const;
    // The folded text in UTF-8, written into `out` (capacity reused). A byte
    // search of a folded word's UTF-8 in it finds exactly the occurrences a
    // search in the folded text finds (UTF-8 never matches inside a character),
    // and byte searches are the fastest the C library has.
    void foldUtf8(QStringView text, std::string &out) const;
    // Every word folded, in the same order.
    QStringList foldAll(const QStringList &words) const;

    // Where the folded words occur in `text` (given unfolded), as ranges of
    // `text`, sorted and with overlapping or touching ranges merged. Empty
    // words mark nothing.
    std::vector<TextRange> occurrences(QStringView text, const QStringList &foldedWords) const;

private:
    bool m_accents;
};

} // namespace vorlane
