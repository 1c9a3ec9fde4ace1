#include "core/platform/files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace vorlane {

QString WithFinalSlash(const QString &folder)
{
    if (folder.endsWith(u'/'))
        return folder;
    return folder + u'/';
}

QString BareFileName(const QString &name)
{
    const qsizetype cut = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    return cut < 0 ? name : name.mid(cut + 1);
}

std::optional<QString> FindInFolder(const Files &files, const QString &folder, const QString &name)
{
    const QString bare = BareFileName(name);
    if (folder.isEmpty() || bare.trimmed().isEmpty())
        return std::nullopt;
    return files.resolve(WithFinalSlash(folder) + bare);
}

namespace {

// The entry of `dir` named `name`: the exact name when it exists, else the
// first entry equal to it ignoring case, in sorted order.
std::optional<QString> matchEntry(const QString &dir, const QString &name)
{
    const QString exact = dir + name;
    if (QFileInfo::exists(exact) || QFileInfo(exact).isSymLink())
        return exact;
    QDir d(dir);
    if (!d.exists())
        return std::nullopt;
    QStringList entries =
        d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::sort(entries.begin(), entries.end());
    for (const QString &e : entries) {
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return dir + e;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> LocalFiles::resolve(const QString &path) const
{
    if (path.trimmed().isEmpty())
        return std::nullopt;
    // The whole path exists as written: by far the usual case, one stat.
    if (QFileInfo::exists(path))
        return path;

    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QStringList parts = absolute.split(u'/', Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::optional<QString> next = matchEntry(current, parts[i]);
        if (!next)
            return std::nullopt;
        current = *next;
        if (i + 1 < parts.size())
            current += u'/';
    }
    return current;
}

bool LocalFiles::remove(const QString &path)
{
    const std::optional<QString> p = resolve(path);
    return p && QFile::remove(*p);
}

QDateTime LocalFiles::creationTime(const QString &path) const
{
    const std::optional<QString> p = resolve(path);
    if (!p)
        return {};
    const QFileInfo info(*p);
    const QDateTime born = info.birthTime();
    return born.isValid() ? born : info.metadataChangeTime();
}

} // namespace vorlane
