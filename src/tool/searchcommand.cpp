// vorlane-tool search: the pages the search window lists for an entry.

#include "core/search/pagesearch.h"
#include "tool/commands.h"

#include <QFileInfo>

namespace vorlane::tool {

namespace {

int usage(const QString &message)
{
    err(QStringLiteral("vorlane-tool search: %1\n"
                       "usage: vorlane-tool search --course DIR [--all] [--sans-accents] WORDS\n")
            .arg(message));
    return ExitUsage;
}

} // namespace

int searchCommand(const QStringList &args)
{
    QString folder;
    SearchOptions options;
    QStringList words;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (optionsEnded || !a.startsWith(u"--")) {
            words.append(a);
        } else if (a == u"--") {
            optionsEnded = true;
        } else if (a == u"--course" && i + 1 < args.size()) {
            folder = args[++i];
        } else if (a == u"--all") {
            options.allWords = true;
        } else if (a == u"--sans-accents") {
            options.ignoreAccents = true;
        } else {
            return usage(QStringLiteral("unknown option or missing value '%1'").arg(a));
        }
    }
    if (folder.isEmpty())
        return usage(QStringLiteral("--course DIR is required"));
    if (words.isEmpty())
        return usage(QStringLiteral("WORDS are required"));
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
