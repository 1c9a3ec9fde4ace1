#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>

namespace vorlane {

// The renderer's record of margins, alignment, line spacing, offsets, the open
// table row and saved positions. One record lives as long as the program and
// persists from line to line and from body to body: ResetLayout sets only the
// fields marked "reset" below; the others keep their last value (0 or empty at
// start). Lengths are twips unless said.
//
// The 16- and 32-bit fields are assigned through AssignInt16 / AssignInt32: a
// value that does not fit (after rounding halves to even) is skipped and the
// field keeps its old value.
struct LayoutState {
    struct Point32 {
        std::int32_t x = 0;
        std::int32_t y = 0;
    };

    std::int16_t leftMargin = 0;   // reset 0: x where an output line starts
    std::int16_t rightEdge = 0;    // reset: right edge of the text column (centring, right alignment)
    std::int16_t alignment = 0;    // reset 0: 0 left, 1 centred, 2 right
    float lineFactor = 1.0f;       // reset 1.0: line height factor
    std::int16_t lineShift = 0;    // vertical offset for the next text run only
    std::int16_t reliefDepth = 0;  // reset 0: shadow offset in pixels; 0 = no shadow
    std::int16_t reliefColour = 0; // palette index of the shadow

    // The open table row.
    bool inTable = false; // reset false
    std::int32_t rowTop = 0;
    std::int32_t rowBottom = 0;
    std::int16_t lastColumn = 0;
    std::array<std::int16_t, 31> columnLeft{}; // cells 0..30
    std::uint32_t columnsOpened = 0;           // bit c: cell c (0..30) was opened in the open row
    std::array<QColor, 6> borderColour;        // 1..5: top, bottom, left, inner, right; reset palette 9

    Point32 rootOrigin; // saved by SQD
    Point32 arcOrigin;  // saved by ARCD
    std::int16_t fractionLeft = 0;
    std::int16_t fractionRight = 0;

    QString pendingLinkText;     // reset empty: first line of the next link caption
    bool illustrationUp = false; // reset false: set by UP, read by page display
    std::int16_t menuLink = 0;   // link image that owns the current floating menu
};

} // namespace vorlane
