#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace vorlane {

// The file system as the program sees it. Names on the course disc were
// case-insensitive, so every path is resolved one component at a time: an exact
// match wins, else the first name that matches ignoring case in sorted order.
class Files {
public:
    virtual ~Files() = default;

    // The existing file or folder that `path` names, spelled as on disk, or
    // nullopt. Relative paths are taken from the current folder.
    virtual std::optional<QString> resolve(const QString &path) const = 0;
    // Deletes the file that `path` resolves to; false when there is none or it
    // cannot be deleted.
    virtual bool remove(const QString &path) = 0;
    // Creation date of the file (its birth time where the file system keeps
    // one, else its last status change); an invalid date when there is none.
    virtual QDateTime creationTime(const QString &path) const = 0;

    bool exists(const QString &path) const { return resolve(path).has_value(); }
};

// Files on the local file system through QFileInfo and QDir.
class LocalFiles final : public Files {
public:
    std::optional<QString> resolve(const QString &path) const override;
    bool remove(const QString &path) override;
    QDateTime creationTime(const QString &path) const override;
};

// A folder path with a final "/" (the application folder, a disc folder).
QString WithFinalSlash(const QString &folder);

// What follows the last "\" or "/" of a file name (the whole name when it has
// none). Names were written with the disc platform's "\", authors may write
// "/"; cut either way, a name can never reach outside the folder searched.
QString BareFileName(const QString &name);

// The file or folder of `folder` named as the bare name of `name`, through
// `files` (the exact name first, else the first that matches ignoring case in
// sorted order), spelled as on disk; nullopt when the folder is empty, the bare
// name is blank, or nothing matches. Pictures, help files and the files of the
// disc are all looked up this way.
std::optional<QString> FindInFolder(const Files &files, const QString &folder, const QString &name);

} // namespace vorlane
