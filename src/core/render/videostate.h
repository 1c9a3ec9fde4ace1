#pragma once

#include <QString>

namespace vorlane {

// The video of the page on display (VIDEO names it), and whether the media
// device was opened since the page was shown.
struct VideoState {
    QString videoName;
    bool videoOpen = false;
};

} // namespace vorlane
