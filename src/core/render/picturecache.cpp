#include "core/render/picturecache.h"

#include "core/render/datapictures.h"

#include <QFileInfo>

namespace vorlane {

namespace {
template <typename E>
qint64 pixelBytes(const E &entry)
{
    return entry.picture ? entry.picture->image.sizeInBytes() : 0;
}
} // namespace

std::optional<Picture> PictureCache::load(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    const QDateTime modified = info.lastModified();
    const qint64 fileSize = info.size();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->path != path)
            continue;
        if (it->modified == modified && it->fileSize == fileSize) {
            Entry hit = std::move(*it);
            m_entries.erase(it);
            m_entries.push_back(std::move(hit));
            return m_entries.back().picture;
        }
        m_entries.erase(it); // the file changed: decode it again
        break;
    }

    std::optional<Picture> picture = DataPictures::load(path);
    m_entries.push_back(Entry{path, modified, fileSize, picture});
    qint64 bytes = 0;
    for (const Entry &e : m_entries)
        bytes += pixelBytes(e);
    while (m_entries.size() > 1 && (int(m_entries.size()) > m_capacity || bytes > m_byteBudget)) {
        bytes -= pixelBytes(m_entries.front());
        m_entries.erase(m_entries.begin());
    }
    return picture;
}

} // namespace vorlane
