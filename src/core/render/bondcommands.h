#pragma once

#include <QStringView>

namespace vorlane {

class PageRenderer;

// Bonds, electron dots, filled rectangles and the title band style: strokes
// and dots of structural formulas drawn in ForeColor from the current position
// (X, Y). A bond occupies a cell W x H = TextWidth("W") x TextHeight("W") whose
// top left is (X, Y).
class BondCommands {
public:
    // K001..K004 (chain: the position ends at the end of the stroke) and
    // K101..K104 (the position stays at (X, Y)): stroke 1 horizontal through
    // the middle of the cell, 2 vertical, 3 falling diagonal, 4 rising diagonal.
    static void bond(PageRenderer &r, int stroke, bool chain);
    // LEWIS: a dot of pen width 2 (6 when printing) at (X + 15 dx, Y + 15 dy),
    // dx = characters 6 to 8, dy = last 3 characters; pen and position kept.
    static void lewis(PageRenderer &r, QStringView command);
    // RECT: width = characters 5 to 7, height = last 3 characters (pixels); a
    // filled box at the position, or centred on the column (with a black
    // outline) when the alignment is not left; the position ends at its bottom
    // right corner.
    static void rectangle(PageRenderer &r, QStringView command);
    // DGFOND: PaintTitleBand(value of the last character).
    static void titleBand(PageRenderer &r, QStringView command);
};

} // namespace vorlane
