// vorlane-tool search: the pages the search window lists for an entry.

#include "core/search/pagesearch.h"
#include "tool/commands.h"

#include <QFileInfo>

namespace vorlane::tool {

int searchCommand(const QCommandLineParser &args)
{
    const QString folder = args.value(QStringLiteral("course"));
    SearchOptions options;
    options.allWords = args.isSet(QStringLiteral("all"));
    options.ignoreAccents = args.isSet(QStringLiteral("sans-accents"));
    const QStringList words = args.positionalArguments();
    if (folder.isEmpty())
        return usageError(QStringLiteral("search"), QStringLiteral("--course DIR is required"));
    if (words.isEmpty())
        return usageError(QStringLiteral("search"), QStringLiteral("WORDS are required"));
    if (!QFileInfo(folder).isDir()) {
        err(QStringLiteral("vorlane-tool search: course folder not found: '%1'\n").arg(folder));
        return ExitBadInput;
    }

    PageSearch search;
    const StoreStatus status = search.load(QFileInfo(folder).absoluteFilePath() + u'/');
    if (status == StoreStatus::Absent) {
        err(QStringLiteral("vorlane-tool search: no course database (PcTs.sqlite or PcTs.mdb) in '%1'\n")
                .arg(folder));
        return ExitBadInput;
    }
    if (status != StoreStatus::Ok) {
        err(QStringLiteral("vorlane-tool search: unreadable course database in '%1'\n").arg(folder));
        return ExitBadInput;
    }

    // The entry field holds the words joined with one space.
    const std::optional<SearchResult> result = search.search(words.join(u' '), options);
    if (!result)
        return ExitOk; // fewer than two characters: no search, nothing listed
    QString text;
    for (const SearchHit &hit : result->hits)
        text += QString::number(hit.page) + u'\t' + hit.title + u'\n';
    out(text);
    return ExitOk;
}

} // namespace vorlane::tool
