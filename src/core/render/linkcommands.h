#pragma once

#include <QStringView>

namespace vorlane {

class PageRenderer;

// Links and floating menus. Links are not drawn on the surface: each is an
// element of the host's LinkElements placed over the current surface at the
// current position (Left = CurrentX, Top = CurrentY), after which CurrentX
// moves right by its width, so the following runs continue after it.
//
// Sizes, in twips:
// - a text link (`Labelien`) is as wide as TextWidth of its longest caption
//   line and TextHeight("Wq") x its number of lines high, measured in its own
//   font, which is the surface's at that moment (with the test metrics, 12 x
//   size per character and 24 x size per line; with the real fonts, the
//   installed fonts as the surface measures them). No padding: the window
//   draws the caption exactly in that box (see LinkElements);
// - a picture link (`Imagelien`) is as wide and high as the icons of its list:
//   20 pixels (300 twips) for list 1, 32 pixels (480 twips) for list 2.
//
// Commands with a text and a target split at the last "#" among characters 5
// to length - 1: the text is characters 6 to the "#" (exclusive), the target
// all after it; without such a "#" the command does nothing.
class LinkCommands {
public:
    // LIER1: the text after LIER1 followed by CR LF becomes the pending first
    // line of the next caption (replacing any earlier pending text).
    static void firstLine(PageRenderer &r, QStringView command);
    // LIERT label#target: a text link; its caption is the pending line (then
    // emptied) followed by the label. Font (name, size, bold, italic, not
    // underline) and colour are the surface's.
    static void textLink(PageRenderer &r, QStringView command);
    // LIERI: icon (characters 6 and 7) of image list 1, target after
    // character 7.
    static void iconLink(PageRenderer &r, QStringView command);
    // LIERX tooltip#NNtarget: icon NN of image list 2 with a tool tip.
    static void tipLink(PageRenderer &r, QStringView command);
    // LIERF: icon (last two characters) of image list 2 whose target is
    // "FLOTTANT": a click opens the floating menu of this element, which
    // becomes menuLink.
    static void menuLink(PageRenderer &r, QStringView command);
    // ADMEN caption#target: an entry of the floating menu of menuLink (the
    // pending line, then emptied, goes before the caption): the lowest entry
    // whose caption is empty, or entry 0 when all ten are taken. Without
    // effect when menuLink is outside 0..20.
    static void menuEntry(PageRenderer &r, QStringView command);
};

} // namespace vorlane
