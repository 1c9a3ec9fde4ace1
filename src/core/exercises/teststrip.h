#pragma once

#include <QColor>
#include <QString>

namespace vorlane {

// Geometry and colours of what the test window paints itself: the question
// strip `Picture1` (one band per question, top to bottom), the face placed on
// the band of the current question, and the title band `tito`. Lengths are in
// the units of the surface they are used on.
class TestStrip {
public:
    struct Band {
        double top = 0;
        double bottom = 0;
    };
    // Band of question q (from 1) of `count` on a strip `innerHeight` high:
    // h = innerHeight / count in single precision, top = h x (q - 1) and
    // bottom = h x q - 2, each to the nearest whole number, halves to even.
    // (10 questions on 4000: band 1 is 0 to 398, band 10 is 3600 to 3998.)
    static Band band(int q, int count, double innerHeight);

    struct Colours {
        QColor outer;
        QColor inner;
        QColor fill;
        QColor text;
    };
    // The colours of a band by question status (0 not answered, 1 right, -1
    // wrong; any other value is drawn as not answered).
    static Colours colours(int status);
    // "Question 7".
    static QString label(int q);

    // The question a release at height y selects: y / innerHeight x count +
    // 0.5 to the nearest whole number (halves to even), limited to 1..count.
    static int questionAt(double y, double innerHeight, int count);

    // Top left of the face (faceWidth x faceHeight), centred across the strip
    // and on the band of the current question.
    static double faceLeft(double stripWidth, double faceWidth) { return (stripWidth - faceWidth) / 2; }
    static double faceTop(double stripHeight, int count, int current, double faceHeight);

    // The title band's text and the colour of its character i (from 1) of n:
    // RGB(255, 255, b), b = i / n x 100 + 155 rounded (halves to even), from
    // pale yellow to white.
    static QString titleText() { return QStringLiteral("Connaissez-vous votre cours ?"); }
    static QColor titleColour(int i, int n);
    // The window's background bands: line i (0..60) at y = 40 + i, and bottom
    // line i (30 down to 0) at y = innerHeight - i.
    static QColor topBandColour(int i) { return QColor(255, 255, 195 + i); }
    static QColor bottomBandColour(int i) { return QColor(255, 255, 195 + 2 * i); }
};

} // namespace vorlane
