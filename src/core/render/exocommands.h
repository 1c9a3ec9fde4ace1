#pragma once

#include <QStringView>

namespace vorlane {

class PageRenderer;

// The commands that place the test window's answer controls inline in a
// question (EXOOP, EXOCK, EXOTX, EXOLI, EXOVI). They fill the host's
// TestControls at the current position, write an `exo` record per control
// placed, and move CurrentX past the control. A host without test controls
// (the course window, printing) places nothing and nothing moves.
//
// - EXOOP / EXOCK: the first option button / check box not yet visible is
//   shown at (CurrentX, CurrentY + 45) / (CurrentX, CurrentY + 30); CurrentX
//   += 270. When all five are visible the command does nothing.
// - EXOTX: Text1 at (CurrentX, CurrentY + 30); CurrentX += its width.
// - EXOLI text#target: Image1 at (CurrentX, CurrentY), CurrentX += 300, then
//   Labelien at (CurrentX, CurrentY) with the surface's font (name, size,
//   bold, italic) and colour, caption `text`, tag `target`; CurrentX += its
//   width.
// - EXOVI tooltip#target: Icovideo at (CurrentX, CurrentY) with that tool
//   tip and tag; CurrentX += its width.
// EXOLI and EXOVI split at the last "#" among characters 5 to length - 1;
// without it they do nothing.
class ExoCommands {
public:
    static void option(PageRenderer &r);
    static void check(PageRenderer &r);
    static void text(PageRenderer &r);
    static void link(PageRenderer &r, QStringView command);
    static void video(PageRenderer &r, QStringView command);
};

} // namespace vorlane
