#pragma once

#include <QColor>
#include <QFont>
#include <QSize>

class QPainter;

namespace vorlane {

// Backgrounds of the closing window and of the update window, drawn on every
// repaint.

// The closing window: RGB(255, 255, 240) at the top, fading to a warmer
// RGB(236, 228, 196) at the bottom.
constexpr QColor kClosingBackground(255, 255, 240);
void PaintClosingBackground(QPainter &painter, const QSize &size);

// The update window: one horizontal line per pixel row i of `size`, in
// RGB(0, 0, 255 * (1 - i / height)), blue at the top to black at the bottom;
// then the title in "Verdana" 18-point bold, centred: black 2 pixels right of
// the centre at y = 6, white at y = 4 above it.
void PaintUpdateBackdrop(QPainter &painter, const QSize &size);

// The line colour of row i of a backdrop `height` rows high.
QColor UpdateBackdropColour(int row, int height);

// The title font: "Verdana" as mapped on this system, 18 points, bold.
QFont UpdateTitleFont();

} // namespace vorlane
