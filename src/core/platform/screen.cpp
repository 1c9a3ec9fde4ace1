#include "core/platform/screen.h"

#include "core/text/decimal.h"

namespace vorlane {

int WholeTwipsPerPixel(const Screen &screen)
{
    const std::int64_t whole = ToWholeSaturated(screen.twipsPerPixelX());
    return whole == 0 ? 15 : int(whole);
}

double ScreenWidthPx(const Screen &screen)
{
    return screen.widthTwips() / WholeTwipsPerPixel(screen);
}

double ScreenHeightPx(const Screen &screen)
{
    return screen.heightTwips() / WholeTwipsPerPixel(screen);
}

} // namespace vorlane
