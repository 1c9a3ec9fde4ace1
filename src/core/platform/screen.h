#pragma once

#include <QPoint>

namespace vorlane {

// The screen the course window is on, measured as the window measures it: its
// size in twips and the number of twips per pixel in each direction.
class Screen {
public:
    virtual ~Screen() = default;

    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    virtual double twipsPerPixelX() const = 0;
    virtual double twipsPerPixelY() const = 0;
    // Top left corner of the screen in the desktop's pixel coordinates (not 0
    // for the second screen of a desktop); windows are centred relative to it.
    virtual QPoint originPx() const { return {0, 0}; }
};

// Twips per pixel as the start-up checks count them: the horizontal value
// rounded to whole (halves to even), 15 when that gives 0.
int WholeTwipsPerPixel(const Screen &screen);

// Screen width and height in pixels: the size in twips divided by
// WholeTwipsPerPixel.
double ScreenWidthPx(const Screen &screen);
double ScreenHeightPx(const Screen &screen);

} // namespace vorlane
