#include "core/render/stylecommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/surface/twips.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"
#include "core/text/palette.h"

#include <cfloat>
#include <cmath>

namespace vorlane {

namespace {

// An index read from the markup: the value rounded halves to even, or -1 when it
// is not a usable whole number.
int indexOf(double value)
{
    std::int64_t whole = 0;
    if (!ToWhole(value, whole) || whole < 0 || whole > 1000)
        return -1;
    return int(whole);
}

double letterHeight(PageRenderer &r)
{
    return r.surface().textHeight(QStringLiteral("W"));
}

void printInSymbol(PageRenderer &r, const QString &text)
{
    DrawingSurface &s = r.surface();
    const QString saved = s.font().name;
    s.setFontName(QStringLiteral("Symbol"));
    s.print(text);
    s.setFontName(saved);
}

} // namespace

QColor StyleCommands::TextColourTable(int index)
{
    switch (index) {
    case 0:
        return PaletteColour(0);
    case 1:
        return PaletteColour(1);
    case 2:
        return QColor(0, 0, 200);
    case 3:
        return PaletteColour(9);
    case 4:
        return PaletteColour(2);
    case 5:
        return PaletteColour(4);
    case 6:
        return QColor(90, 90, 210);
    case 7:
        return PaletteColour(10);
    case 8:
        return QColor(180, 100, 0);
    case 9:
        return QColor(30, 180, 80);
    case 10:
        return PaletteColour(8);
    case 11:
        return PaletteColour(12);
    case 12:
        return QColor(0, 192, 0);
    case 13:
        return QColor(128, 128, 255);
    case 14:
        return QColor(0, 192, 192);
    case 15:
        return PaletteColour(14);
    default:
        return QColor();
    }
}

QString StyleCommands::FontTable(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("Arial");
    case 1:
        return QStringLiteral("Symbol");
    case 2:
        return QStringLiteral("Times new roman");
    case 3:
        return QStringLiteral("Wingdings");
    case 4:
        return QStringLiteral("Comic Sans MS");
    case 5:
        return QStringLiteral("MT Extra");
    default:
        return QString();
    }
}

void StyleCommands::fontSize(PageRenderer &r, QStringView command)
{
    r.setFontSize(MarkupText::valueOfRight(command, 2));
}

void StyleCommands::colour(PageRenderer &r, QStringView command)
{
    const QColor c = TextColourTable(indexOf(MarkupText::valueOfRight(command, 3)));
    if (c.isValid())
        r.surface().setForeColor(c);
}

void StyleCommands::font(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    const double before = s.textHeight(QStringLiteral("a"));
    s.setFontName(FontTable(indexOf(MarkupText::valueOfRight(command, 2))));
    const double after = s.textHeight(QStringLiteral("a"));
    r.setY(s.currentY() + before - after);
}

void StyleCommands::relief(PageRenderer &r, QStringView command)
{
    LayoutState &l = r.layout();
    AssignInt16(l.reliefDepth, MarkupText::value(MarkupText::mid(command, 7, 1)));
    AssignInt16(l.reliefColour, MarkupText::valueOfRight(command, 2));
}

void StyleCommands::point(PageRenderer &r)
{
    printInSymbol(r, QStringLiteral(u"\u00B7"));
}

void StyleCommands::arrow(PageRenderer &r)
{
    printInSymbol(r, QStringLiteral(u"\u00BE\u00AE"));
}

void StyleCommands::centreLine(PageRenderer &r, QStringView command)
{
    const LayoutState &l = r.layout();
    const double width = r.surface().textWidth(MarkupText::mid(command, 5).toString());
    r.setX((double(l.leftMargin) + l.rightEdge - width) / 2);
}

void StyleCommands::placeX(PageRenderer &r, QStringView command)
{
    r.setX(kTwipsPerPixel * MarkupText::valueOfRight(command, 3));
}

void StyleCommands::moveX(PageRenderer &r, QStringView command)
{
    r.setX(r.surface().currentX() + kTwipsPerPixel * MarkupText::valueOfRight(command, 3));
}

void StyleCommands::moveY(PageRenderer &r, QStringView command)
{
    r.setY(r.surface().currentY() + kTwipsPerPixel * MarkupText::valueOfRight(command, 3));
}

void StyleCommands::shiftNextRun(PageRenderer &r, double fractionOfH)
{
    AssignInt16(r.layout().lineShift, fractionOfH * letterHeight(r));
}

void StyleCommands::shiftLine(PageRenderer &r, double fractionOfH)
{
    r.setY(r.surface().currentY() + fractionOfH * letterHeight(r));
}

void StyleCommands::shiftLines(PageRenderer &r, QStringView command)
{
    const double lines = MarkupText::valueFrom(command, 7);
    r.setY(r.surface().currentY() + lines * letterHeight(r));
}

void StyleCommands::lineSpacing(PageRenderer &r, QStringView command)
{
    const double factor = MarkupText::valueOfRight(command, 4);
    if (PageRenderer::fitsSingle(factor))
        r.layout().lineFactor = float(factor);
}

void StyleCommands::growPage(PageRenderer &r)
{
    if (r.printMode())
        return;
    DrawingSurface &s = r.surface();
    s.refresh();
    s.setHeight(s.height() + 1000);
}

} // namespace vorlane
