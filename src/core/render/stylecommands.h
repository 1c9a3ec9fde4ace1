#pragma once

#include <QColor>
#include <QStringView>

namespace vorlane {

class PageRenderer;

// Text style, colour and positioning commands: they change the font, the
// colour, the alignment and the position for the runs that follow; only POINT
// and FLECHE draw (one symbol each). `command` is the command text without
// "##"; positions count from 1 on it. W and H are TextWidth("W") and
// TextHeight("W") in the current font.
class StyleCommands {
public:
    // The colour C sets for index 0..15 of its last three characters; an
    // invalid colour for any other index (the colour is then left as it was).
    static QColor TextColourTable(int index);
    // The font name FONT sets for index 0..5, the empty name for any other.
    static QString FontTable(int index);

    // SI: font Size = value of the last 2 characters (SI08; "SI8" reads "I8": 0,
    // which is not applied).
    static void fontSize(PageRenderer &r, QStringView command);
    // C (every command whose first letter is C): ForeColor from TextColourTable
    // at the value of the last 3 characters, rounded halves to even.
    static void colour(PageRenderer &r, QStringView command);
    // FONT: font of the value of the last 2 characters; CurrentY moves by the
    // change of TextHeight("a") so the bottom of the text cell stays put.
    static void font(PageRenderer &r, QStringView command);
    // RELIEF: depth = character 7, palette index = last 2 characters.
    static void relief(PageRenderer &r, QStringView command);
    // POINT: U+00B7 in "Symbol" (a multiplication dot), then the font name back.
    static void point(PageRenderer &r);
    // FLECHE: U+00BE U+00AE in "Symbol" (a long reaction arrow), then the font back.
    static void arrow(PageRenderer &r);
    // FEINC: CurrentX where the text from position 5 on (the C of the tag
    // included) would start if centred between leftMargin and rightEdge.
    static void centreLine(PageRenderer &r, QStringView command);
    // POX / PIX / PIY: last 3 characters in pixels (x 15): CurrentX =, CurrentX
    // +=, CurrentY +=.
    static void placeX(PageRenderer &r, QStringView command);
    static void moveX(PageRenderer &r, QStringView command);
    static void moveY(PageRenderer &r, QStringView command);
    // DECABAS, DECABA2, DECAHAU, DECAHA2: lineShift = fraction x H, whole twips,
    // for the next run only.
    static void shiftNextRun(PageRenderer &r, double fractionOfH);
    // DECABADEF, DECAHADEF, DECAB2DEF, DECAH2DEF: CurrentY += fraction x H.
    static void shiftLine(PageRenderer &r, double fractionOfH);
    // DECLIG: CurrentY += v x H, v = value of the text after DECLIG.
    static void shiftLines(PageRenderer &r, QStringView command);
    // INTER: lineFactor = value of the last 4 characters.
    static void lineSpacing(PageRenderer &r, QStringView command);
    // PLOUF: unless printing, Refresh and Height + 1000.
    static void growPage(PageRenderer &r);
};

} // namespace vorlane
