#pragma once

#include <QColor>

namespace vorlane {

// The 16-colour basic palette (0 black ... 15 white). An index outside 0..15
// gives an invalid colour: callers leave their colour unchanged then.
QColor PaletteColour(int index);

} // namespace vorlane
