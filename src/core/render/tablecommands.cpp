#include "core/render/tablecommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"
#include "core/text/palette.h"

#include <cmath>
#include <cstdlib>

namespace vorlane {

namespace {

// A whole number read from the markup, or nullopt when it does not fit.
std::optional<int> wholeOf(double value)
{
    std::int64_t whole = 0;
    if (!ToWhole(value, whole) || whole < -32768 || whole > 32767)
        return std::nullopt;
    return int(whole);
}

double fullWidth(PageRenderer &r)
{
    return r.printMode() ? 600 * r.host().twipsPerPixelY() : r.surface().scaleWidth();
}

// What every closer does first.
void endRow(PageRenderer &r)
{
    LayoutState &l = r.layout();
    l.inTable = false;
    if (r.surface().currentY() > l.rowBottom)
        AssignInt32(l.rowBottom, r.surface().currentY());
}

double rightBorder(const LayoutState &l)
{
    return double(l.rightEdge) + 120;
}

void rowLines(PageRenderer &r)
{
    const LayoutState &l = r.layout();
    const double left = l.columnLeft[1];
    const double right = rightBorder(l);
    const double top = l.rowTop;
    const double bottom = l.rowBottom;
    r.line(left, top, right, top, l.borderColour[1]);
    r.line(left, bottom, right, bottom, l.borderColour[2]);
    r.line(left, top, left, bottom, l.borderColour[3]);
    // An inner line is drawn only where a cell of this row starts: cells above
    // 30 have no recorded border, and a number the row skipped would draw the
    // border of another table.
    for (int i = 2; i <= l.lastColumn && i <= 30; ++i) {
        if (l.columnsOpened & (1u << i))
            r.line(l.columnLeft[size_t(i)], top, l.columnLeft[size_t(i)], bottom, l.borderColour[4]);
    }
    r.line(right, top, right, bottom, l.borderColour[5]);
}

// The new line below the row, at full width.
void belowRow(PageRenderer &r)
{
    LayoutState &l = r.layout();
    l.leftMargin = 0;
    AssignInt16(l.rightEdge, fullWidth(r));
    r.moveTo(0, l.rowBottom);
}

} // namespace

QColor TableCommands::RowColour(int value)
{
    switch (value) {
    case 1:
        return QColor(220, 255, 230);
    case 2:
        return QColor(255, 255, 220);
    case 4:
        return QColor(220, 230, 255);
    case 5:
        return QColor(255, 240, 220);
    case 6:
        return QColor(255, 150, 150);
    default:
        return PaletteColour(14);
    }
}

void TableCommands::lineColour(PageRenderer &r, QStringView command, int which)
{
    const auto index = wholeOf(MarkupText::valueOfRight(command, 2));
    const QColor colour = index ? PaletteColour(*index) : QColor();
    if (colour.isValid() && which >= 1 && which <= 5)
        r.layout().borderColour[size_t(which)] = colour;
}

void TableCommands::openCell(PageRenderer &r, QStringView command)
{
    LayoutState &l = r.layout();
    DrawingSurface &s = r.surface();
    const double a = MarkupText::value(MarkupText::mid(command, 4, 3));
    const double b = MarkupText::value(MarkupText::mid(command, 7, 3));
    const double c = MarkupText::value(MarkupText::mid(command, 10, 2));
    if (l.inTable) {
        if (s.currentY() > l.rowBottom)
            AssignInt32(l.rowBottom, s.currentY());
        r.setY(l.rowTop);
    } else {
        l.inTable = true;
        AssignInt32(l.rowTop, s.currentY());
        l.rowBottom = 0;
        l.columnsOpened = 0;
    }
    AssignInt16(l.leftMargin, 15 * a + 120);
    AssignInt16(l.rightEdge, 15 * b - 120);
    AssignInt16(l.lastColumn, c);
    const auto cell = wholeOf(c);
    if (cell && *cell >= 0 && *cell <= 30 && AssignInt16(l.columnLeft[size_t(*cell)], 15 * a))
        l.columnsOpened |= 1u << *cell;
    r.setX(l.leftMargin);
}

void TableCommands::closeWithLines(PageRenderer &r)
{
    endRow(r);
    rowLines(r);
    belowRow(r);
}

void TableCommands::crossFirstCell(PageRenderer &r)
{
    endRow(r);
    const LayoutState &l = r.layout();
    DrawingSurface &s = r.surface();
    const double x = s.currentX();
    const double y = s.currentY();
    r.line(l.columnLeft[1], l.rowTop, l.columnLeft[2], l.rowBottom, l.borderColour[1]);
    // Drawing the diagonal must not move the start of the line below the row.
    r.moveTo(x, y);
}

void TableCommands::closeAndReturn(PageRenderer &r)
{
    endRow(r);
    rowLines(r);
    LayoutState &l = r.layout();
    l.leftMargin = 0;
    r.moveTo(0, l.rowTop);
}

void TableCommands::closeInvisible(PageRenderer &r)
{
    endRow(r);
    belowRow(r);
}

void TableCommands::closeWithBackground(PageRenderer &r, QStringView command)
{
    endRow(r);
    const LayoutState &l = r.layout();
    DrawingSurface &s = r.surface();
    const auto value = wholeOf(MarkupText::valueOfRight(command, 2));
    const double left = l.columnLeft[1];
    const double right = rightBorder(l);
    const double top = l.rowTop;
    const double bottom = l.rowBottom;
    s.setDrawMode(DrawModeAnd);
    if (value == 3) {
        double step = 15;
        if (r.printMode())
            step = PageRenderer::nearest(s.twipsPerPixelY() * s.drawWidth());
        else
            step = PageRenderer::nearest(r.host().twipsPerPixelY());
        if (!(step >= 1))
            step = 1;
        const double height = bottom - top;
        if (height / step > kMaxGradientLines)
            step = std::ceil(height / kMaxGradientLines);
        for (double y = top; y <= bottom; y += step) {
            const double k = height == 0 ? 100 : PageRenderer::nearest(std::abs(top - y) / height * 200 + 55);
            r.line(left, y, right, y, QColor(255, 255, int(k)), LineStyle::Fill);
        }
    } else {
        r.line(left, top, right, bottom, RowColour(value.value_or(0)), LineStyle::Fill);
    }
    s.setDrawMode(DrawModeCopyPen);
    belowRow(r);
}

} // namespace vorlane
