#include "core/search/pagesearch.h"

#include "core/search/searchwords.h"
#include "core/store/database.h"
#include "core/text/decimal.h"
#include "core/text/numbertext.h"
#include "core/text/searchfold.h"

#include <QElapsedTimer>
#include <cstring>
#include <limits>
#include <string>

namespace vorlane {

namespace {

std::int32_t pageNumber(const QString &text)
{
    std::int64_t whole = 0;
    if (!ToWhole(DecimalRead(text), whole) || whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return 0;
    return std::int32_t(whole);
}

} // namespace

StoreStatus PageSearch::load(const QString &applicationFolder)
{
    Database database;
    const StoreStatus opened = database.open(applicationFolder, QStringLiteral("PcTs"));
    if (opened != StoreStatus::Ok)
        return opened;
    TableRead read = database.readTable(u"Cours");
    if (read.status == StoreStatus::Ok)
        m_rows = std::move(read.rows);
    return read.status;
}

std::vector<SearchHit> PageSearch::scan(const QStringList &words, const SearchOptions &options,
                                        const SearchProgress &progress) const
{
    std::vector<SearchHit> hits;
    const int last = lastPosition();
    if (words.isEmpty() || last < 1)
        return hits;

    const SearchFold fold(options.ignoreAccents);
    // A word listed twice counts twice: with every word required it must simply
    // occur, and with any word one occurrence is enough, so each distinct word
    // is looked for once.
    QStringList distinct = fold.foldAll(words);
    distinct.removeDuplicates();
    std::vector<QByteArray> needles;
    bool emptyWord = false;
    for (const QString &w : std::as_const(distinct)) {
        if (w.isEmpty())
            emptyWord = true; // a word that folds to nothing occurs everywhere
        else
            needles.push_back(w.toUtf8());
    }
    const auto occurs = [](const std::string &body, const QByteArray &needle) {
        return memmem(body.data(), body.size(), needle.constData(), size_t(needle.size())) != nullptr;
    };

    const int moteur = m_rows.columnIndex(u"moteur");
    const int numero = m_rows.columnIndex(u"Numeropage");
    const int titre = m_rows.columnIndex(u"titre");
    const int fpc = m_rows.columnIndex(u"fpc");

    QElapsedTimer clock;
    clock.start();
    qint64 lastReport = 0;
    if (progress)
        progress(1, last);

    std::string body; // reused: one folded copy of the body at a time
    for (int p = 1; p <= last; ++p) {
        if (progress && clock.elapsed() - lastReport >= kProgressIntervalMs) {
            lastReport = clock.elapsed();
            progress(p, last);
        }
        const QString &flag = m_rows.cell(p, moteur);
        if (flag.isEmpty() || flag == u"0")
            continue;
        fold.foldUtf8(m_rows.cell(p, fpc), body);
        bool matched;
        if (options.allWords) {
            matched = true;
            for (const QByteArray &needle : needles) {
                if (!occurs(body, needle)) {
                    matched = false;
                    break;
                }
            }
        } else {
            matched = emptyWord;
            for (const QByteArray &needle : needles) {
                if (matched)
                    break;
                matched = occurs(body, needle);
            }
        }
        if (matched)
            hits.push_back({m_rows.cell(p, titre), pageNumber(m_rows.cell(p, numero))});
    }
    return hits;
}

std::optional<SearchResult> PageSearch::search(QStringView entry, const SearchOptions &options,
                                               const SearchProgress &progress) const
{
    const std::optional<QStringList> words = SearchWords(entry);
    if (!words)
        return std::nullopt;
    return SearchResult{*words, scan(*words, options, progress)};
}

TextHighlight PageSearch::highlightFor(const QStringList &words, const SearchOptions &options)
{
    QStringList folded = SearchFold(options.ignoreAccents).foldAll(words);
    folded.removeDuplicates();
    folded.removeAll(QString());
    return TextHighlight{folded, options.ignoreAccents};
}

std::optional<QString> PageSearch::targetFor(std::int32_t page)
{
    if (page == 0)
        return std::nullopt;
    return QStringLiteral("PA") + ZeroPadded(page, 4);
}

} // namespace vorlane
