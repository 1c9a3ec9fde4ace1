#pragma once

#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/prompts.h"
#include "core/platform/volumes.h"

#include <QString>

namespace vorlane {

// Turns the bare file name of a picture or a video into a full path.
// Pictures are taken from the application folder when they are there, else from
// the folder "PCTsDATA" at the root of the first volume that has the file;
// videos only from "PCTSV" on a volume. Volumes are tried in the order Volumes
// gives (the drive letters Z to A of the disc's platform). When no volume has
// the file, the user is asked to insert the disc: Retry searches again, Cancel
// gives up with a beep. Every name is matched ignoring letter case.
class DiscLocator {
public:
    DiscLocator(QString applicationFolder, const Files &files, const Volumes &volumes, Prompts &prompts,
                Desktop &desktop);

    // `name` (a file name, possibly with a path) becomes the full path of the
    // file found, or the empty text when the user gave up. A blank name is
    // returned as it is, without a search and without a question.
    void LocateDataFile(QString &name);
    void LocateVideoFile(QString &name);

    // The disc folders of the last successful searches, with a final "/"
    // (empty before the first). The searches never read them: each searches
    // again.
    const QString &dataFolder() const { return m_dataFolder; }
    const QString &videoFolder() const { return m_videoFolder; }

    // The insert-disc question.
    static Message insertDiscMessage();

private:
    void locate(QString &name, const QString &discFolder, bool tryApplicationFolder, QString &lastFolder);

    QString m_applicationFolder;
    const Files &m_files;
    const Volumes &m_volumes;
    Prompts &m_prompts;
    Desktop &m_desktop;
    QString m_dataFolder;
    QString m_videoFolder;
};

} // namespace vorlane
