#include "core/text/palette.h"

namespace vorlane {

QColor PaletteColour(int index)
{
    static constexpr int rgb[16][3] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    if (index < 0 || index > 15)
        return QColor();
    return QColor(rgb[index][0], rgb[index][1], rgb[index][2]);
}

} // namespace vorlane
