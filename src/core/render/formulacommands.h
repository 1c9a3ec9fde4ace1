#pragma once

#include <QStringView>

namespace vorlane {

class PageRenderer;

// Formula notation: indexes and exponents, stacked indexes, hats, fractions,
// square roots, arcs, bars and vectors, drawn at the current position with
// offsets taken from the current font. Notation: s = font Size rounded to a
// whole number; W, H = TextWidth("W"), TextHeight("W"); Wx = TextWidth("X");
// Sp = TextWidth(" "). Lines are drawn in ForeColor with the current DrawWidth.
// The text of a command is its command text after the tag.
class FormulaCommands {
public:
    // IND / EXP: the text 6s lower / higher, two points smaller when s >= 10;
    // the position ends after the text, back on the line, at size s.
    static void index(PageRenderer &r, QStringView command);
    static void exponent(PageRenderer &r, QStringView command);
    // POLY: character 5 as a lower index and the last character as an upper
    // index at the same x; the position ends after the wider of the two.
    static void stackedIndexes(PageRenderer &r, QStringView command);
    // CHAPEAU: a "^" two points larger, 7 x that size higher; the position comes
    // back to where it was, so the next letter is drawn under the hat.
    static void hat(PageRenderer &r);
    // FRAC numerator#denominator (split at the last "#" among positions 5 to
    // length - 1): both centred on the wider, a bar on top of the denominator's
    // cell; the position ends after the fraction, on the line.
    static void fraction(PageRenderer &r, QStringView command);
    // NUMERATEUR, DENOMINATEUR, FINFRAC: a fraction whose parts hold several
    // runs and commands.
    static void numerator(PageRenderer &r);
    static void denominator(PageRenderer &r);
    static void fractionEnd(PageRenderer &r);
    // SQD ... SQF k: a root sign k lines high around the runs between them.
    static void rootStart(PageRenderer &r);
    static void rootEnd(PageRenderer &r, QStringView command);
    // ARCD ... ARCF: an arc over the runs between them.
    static void arcStart(PageRenderer &r);
    static void arcEnd(PageRenderer &r);
    // VA1, VA2 (bars) and VE1, VE2 (vectors, with an arrow head) over the text;
    // `low` draws it 30 twips lower (letters without ascenders).
    static void overline(PageRenderer &r, QStringView command, bool vector, bool low);
};

} // namespace vorlane
