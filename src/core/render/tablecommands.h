#pragma once

#include <QColor>
#include <QStringView>

namespace vorlane {

class PageRenderer;

// Tables, drawn row by row. A cell is a column of the surface given in pixels:
// the runs after its TAB are laid out inside it (120 twips inside each
// border), and the row's closer draws its lines or its background once the
// row's height is known: the lowest position any of its cells reached.
//
// L1 is the left border of cell 1 (columnLeft[1]) and R the right border of
// the cell opened last (rightEdge + 120). Full width is the surface's
// ScaleWidth, or when printing 600 x the screen's TwipsPerPixelY.
class TableCommands {
public:
    // The fill of a FINTAC row for the value of its last two characters
    // (1, 2, 4, 5, 6 pastel colours; anything else but 3, palette 14). Value 3
    // is the gradient, drawn line by line.
    static QColor RowColour(int value);

    // TCH, TCB, TCG, TCI, TCD: borderColour 1 (top), 2 (bottom), 3 (left),
    // 4 (inner), 5 (right) = palette colour of the last two characters; an
    // index outside 0..15 leaves the colour as it was.
    static void lineColour(PageRenderer &r, QStringView command, int which);
    // TAB: opens a cell: left border a (characters 4 to 6), right border b
    // (7 to 9), both pixels, cell number c (10 and 11). The first TAB of a row
    // opens the row at CurrentY; a later one first takes the lowest position
    // reached into rowBottom and goes back up to the top of the row. The cell's
    // margins are 15a + 120 and 15b - 120; columnLeft[c] = 15a when c is 0 to
    // 30; CurrentX = the left margin.
    static void openCell(PageRenderer &r, QStringView command);

    // FINTAB and FINTAX: the row lines (top, bottom, left, inner, right, each
    // in its colour), then a new line below the row at full width. Inner lines
    // are drawn at the left border of cells 2 to lastColumn that this row
    // opened (none for cells above 30 or numbers the row skipped).
    static void closeWithLines(PageRenderer &r);
    // FINTAX: the diagonal of the first cell, from (L1, rowTop) to
    // (columnLeft[2], rowBottom) in the top line's colour; the position stays
    // where the closer put it (the start of the line below the row).
    static void crossFirstCell(PageRenderer &r);
    // FTABRET: the row lines, then back to the top of the row at the left edge,
    // rightEdge unchanged (the next runs are drawn over the row).
    static void closeAndReturn(PageRenderer &r);
    // FINITAB: an invisible table: no lines; as FINTAB afterwards.
    static void closeInvisible(PageRenderer &r);
    // FINTAC: the row's background, ANDed with the pixels (DrawMode 9) so that
    // the text of the row stays readable; value 3 is a gradient from
    // RGB(255, 255, 55) at the top to white at the bottom, one line per pixel
    // (per printer pixel x DrawWidth when printing). As FINTAB afterwards.
    static void closeWithBackground(PageRenderer &r, QStringView command);

    // A gradient with more lines than this is drawn in coarser steps, so that
    // a row stretched beyond any surface cannot stall the drawing.
    static constexpr double kMaxGradientLines = 40000;
};

} // namespace vorlane
