#pragma once

#include "core/surface/drawingsurface.h"

#include <QString>
#include <optional>

namespace vorlane {

// Picture files named by the markup (IMA, IXA, IHDEF): names are cut to a bare
// file name, found in a folder without regard to letter case, and read with
// Qt's picture readers (at least BMP, GIF, JPEG and PNG; the format is taken
// from the file's content when its suffix does not fit).
class DataPictures {
public:
    // The full path of the file `name` (cut to its bare name, BareFileName) in
    // `folder`, looked up by FindInFolder on the local file system: the file of
    // exactly that name when there is one, else the first, in sorted order,
    // whose name equals it ignoring letter case. The empty text when the name
    // is blank, the folder is empty or missing, or no file matches. Only
    // regular files of the folder itself are found ("." and ".." never are).
    static QString find(const QString &folder, const QString &name);

    // The picture of the file at `path`, its `file` being the file's name on
    // disk; nullopt when the path is empty or the file cannot be read as a
    // picture (missing, damaged, another kind of file, or too large to load).
    static std::optional<Picture> load(const QString &path);

    // find() then load().
    static std::optional<Picture> loadFrom(const QString &folder, const QString &name);
};

} // namespace vorlane
