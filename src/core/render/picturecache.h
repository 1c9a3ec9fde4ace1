#pragma once

#include "core/surface/drawingsurface.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace vorlane {

// Decoded data pictures kept between pages, so that a picture shown on page after
// page is read from its file once. An entry is used while the file's path,
// modification time and size are those it was decoded from: a file replaced on disk
// is read again. The least recently used entries go first once more than `capacity`
// pictures or `byteBudget` bytes of pixels are kept.
class PictureCache {
public:
    explicit PictureCache(int capacity = 16, qint64 byteBudget = 64 * 1024 * 1024)
        : m_capacity(capacity), m_byteBudget(byteBudget)
    {
    }

    // DataPictures::load(path), from the cache when the file is unchanged. Files
    // that cannot be read as pictures are not kept: each call tries them again.
    std::optional<Picture> load(const QString &path);

    // Number of pictures kept.
    int size() const { return int(m_entries.size()); }

private:
    struct Entry {
        QString path;
        QDateTime modified;
        qint64 fileSize = 0;
        std::optional<Picture> picture; // none: the file is no readable picture
    };

    int m_capacity;
    qint64 m_byteBudget;
    std::vector<Entry> m_entries; // most recently used last
};

} // namespace vorlane
