#include "core/render/datapictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace vorlane {

QString DataPictures::bareName(const QString &name)
{
    const qsizetype cut = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    return cut < 0 ? name : name.mid(cut + 1);
}

QString DataPictures::find(const QString &folder, const QString &name)
{
    const QString bare = bareName(name);
    if (folder.isEmpty() || bare.trimmed().isEmpty())
        return {};
    const QDir dir(folder);
    QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    if (files.contains(bare))
        return dir.filePath(bare);
    // Names on the disc were matched ignoring case: the first in sorted order wins.
    std::sort(files.begin(), files.end());
    for (const QString &file : std::as_const(files)) {
        if (file.compare(bare, Qt::CaseInsensitive) == 0)
            return dir.filePath(file);
    }
    return {};
}

std::optional<Picture> DataPictures::load(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return std::nullopt;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    // A picture is drawn at its pixel size whatever resolution its file claims.
    image.setDevicePixelRatio(1.0);
    return Picture{std::move(image), QFileInfo(path).fileName()};
}

std::optional<Picture> DataPictures::loadFrom(const QString &folder, const QString &name)
{
    return load(find(folder, name));
}

} // namespace vorlane
