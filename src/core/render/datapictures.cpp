#include "core/render/datapictures.h"

#include "core/platform/files.h"

#include <QFileInfo>
#include <QImageReader>

namespace vorlane {

QString DataPictures::find(const QString &folder, const QString &name)
{
    const std::optional<QString> found = FindInFolder(LocalFiles(), folder, name);
    if (!found || !QFileInfo(*found).isFile())
        return {};
    return *found;
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
