#include "core/platform/volumes.h"

#include <QStorageInfo>
#include <algorithm>

namespace vorlane {

QStringList OrderVolumeRoots(QStringList roots)
{
    std::sort(roots.begin(), roots.end(),
              [](const QString &a, const QString &b) { return a.toUtf8() > b.toUtf8(); });
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

QStringList MountedVolumes::roots() const
{
    QStringList roots;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &v : volumes) {
        if (v.isValid() && v.isReady())
            roots.append(v.rootPath());
    }
    return OrderVolumeRoots(roots);
}

} // namespace vorlane
