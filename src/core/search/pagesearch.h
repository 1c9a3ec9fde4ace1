#pragma once

#include "core/render/texthighlight.h"
#include "core/store/storestatus.h"
#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace vorlane {

// Choices of the search window.
struct SearchOptions {
    bool allWords = false;      // "Tous les mots": every word must occur
    bool ignoreAccents = false; // "Ignorer les accents"
};

// A page found: its title and its page number (`Numeropage` read as a decimal
// number; 0 when it does not fit 32 bits).
struct SearchHit {
    QString title;
    std::int32_t page = 0;
    friend bool operator==(const SearchHit &, const SearchHit &) = default;
};

// What a search found: the words it looked for and the pages, in row order.
struct SearchResult {
    QStringList words;
    std::vector<SearchHit> hits;
};

// Progress of a scan: the row position being searched, and the last position.
using SearchProgress = std::function<void(int position, int last)>;

// Word search over the pages of the course table `Cours`. There is no index:
// every search scans the bodies read by load().
//
// The scan looks at every row from position 1 to the last (the row at position
// 0 is never searched) and skips rows whose `moteur` is not set. In a body
// `fpc`, as stored (markup included), it counts the words that occur (a word
// occurs when it is a substring of the body, case ignored, see SearchFold; a
// word listed twice counts twice). With allWords a page matches when the
// count equals the number of words, otherwise when it is at least 1.
class PageSearch {
public:
    // Progress is reported at the first row, then at most this often.
    static constexpr int kProgressIntervalMs = 20;

    // Reads the table Cours of the course database of the application folder
    // (PcTs.sqlite, else PcTs.mdb) in one read, bodies included. On failure the
    // rows read before are kept and the status says why.
    StoreStatus load(const QString &applicationFolder);
    // The rows to search (the table Cours as a data control reads it).
    void setRows(TableRows rows) { m_rows = std::move(rows); }
    const TableRows &rows() const { return m_rows; }

    // Zero-based position of the last row; -1 when there are no rows.
    int lastPosition() const { return m_rows.rowCount() - 1; }

    // The scan for a list of words (as SearchWords gives them).
    std::vector<SearchHit> scan(const QStringList &words, const SearchOptions &options,
                                const SearchProgress &progress = {}) const;
    // A whole search from the entry text: SearchWords, then the scan.
    // std::nullopt when the entry gives no words (no search is made).
    std::optional<SearchResult> search(QStringView entry, const SearchOptions &options,
                                       const SearchProgress &progress = {}) const;

    // The marks for a page opened from the results of a search for `words`.
    static TextHighlight highlightFor(const QStringList &words, const SearchOptions &options);

    // The target code that shows a chosen page: "PA" and the number in four
    // digits; std::nullopt for 0 (no choice).
    static std::optional<QString> targetFor(std::int32_t page);

private:
    TableRows m_rows;
};

} // namespace vorlane
