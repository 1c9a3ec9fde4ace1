#pragma once

#include <QStringView>

namespace vorlane {

// The control names of the picture areas the renderer reaches through its host
// (RenderHost::surface) and the windows give their surface views.
struct SurfaceNames {
    // The page body.
    static constexpr QStringView body{u"PictureTEXTE"};
    // The illustration area left of the page.
    static constexpr QStringView illustration{u"PICTUREILLUS"};
    // The title band above the page and the band below it.
    static constexpr QStringView titleBand{u"titre"};
    static constexpr QStringView bottomBand{u"bastitre"};
};

} // namespace vorlane
