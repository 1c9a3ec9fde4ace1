#pragma once

#include <QStringList>

namespace vorlane {

// The places a course disc can be found. The program was written for drive
// letters tried from Z down to A; here they are mounted volumes.
class Volumes {
public:
    virtual ~Volumes() = default;

    // Root folders of the volumes that are ready, in the order they are tried
    // (each without a final "/", except "/" itself).
    virtual QStringList roots() const = 0;
};

// Mounted volumes (QStorageInfo), ready ones only, ordered by mount path from
// last to first in byte order, as the letters ran from Z to A.
class MountedVolumes final : public Volumes {
public:
    QStringList roots() const override;
};

// Orders mount paths as MountedVolumes does: from last to first in the byte
// order of their UTF-8 text, duplicates removed.
QStringList OrderVolumeRoots(QStringList roots);

} // namespace vorlane
