#include "core/render/formulacommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/text/int16.h"

#include <algorithm>

namespace vorlane {

namespace {

double roundedSize(PageRenderer &r)
{
    return PageRenderer::nearest(r.surface().font().size);
}
double letterHeight(PageRenderer &r)
{
    return r.surface().textHeight(QStringLiteral("W"));
}

// IND and EXP: `offset` is 6s down (index) or up (exponent).
void shiftedText(PageRenderer &r, QStringView text, double direction)
{
    DrawingSurface &s = r.surface();
    const double size = roundedSize(r);
    r.setY(s.currentY() + direction * 6 * size);
    if (size >= 10)
        r.setFontSize(size - 2);
    s.print(text.toString());
    r.setY(s.currentY() - direction * 6 * size);
    r.setFontSize(size);
}

} // namespace

void FormulaCommands::index(PageRenderer &r, QStringView command)
{
    shiftedText(r, MarkupText::mid(command, 4), 1);
}

void FormulaCommands::exponent(PageRenderer &r, QStringView command)
{
    shiftedText(r, MarkupText::mid(command, 4), -1);
}

void FormulaCommands::stackedIndexes(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    const double size = roundedSize(r);
    const double x0 = s.currentX();
    const QString lower = MarkupText::mid(command, 5, 1).toString();
    const QString upper = MarkupText::right(command, 1).toString();
    r.setY(s.currentY() + 9 * size);
    if (size >= 10)
        r.setFontSize(size - 2);
    s.print(lower);
    r.setX(x0);
    r.setY(s.currentY() - 15 * size);
    s.print(upper);
    r.setY(s.currentY() + 6 * size);
    const double width = std::max(s.textWidth(lower), s.textWidth(upper));
    r.setFontSize(size);
    r.setX(x0 + width);
}

void FormulaCommands::hat(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    const double x0 = s.currentX();
    r.setFontSize(s.font().size + 2);
    r.setY(s.currentY() - 7 * s.font().size);
    s.print(QStringLiteral("^"));
    r.setY(s.currentY() + 7 * s.font().size);
    r.setFontSize(s.font().size - 2);
    r.setX(x0);
}

void FormulaCommands::fraction(PageRenderer &r, QStringView command)
{
    const auto parts = MarkupText::splitAtLastHash(command, 5, 5);
    if (!parts)
        return;
    DrawingSurface &s = r.surface();
    const QString top = parts->first.toString();
    const QString bottom = parts->second.toString();
    const double h = letterHeight(r);
    const double wn = s.textWidth(top);
    const double wd = s.textWidth(bottom);
    const double w = std::max(wn, wd);
    const double x0 = s.currentX();
    const double y0 = s.currentY();
    r.moveTo(x0 + (w - wn) / 2, y0 - h / 2);
    s.print(top);
    r.moveTo(x0 + (w - wd) / 2, y0 + h / 2);
    s.print(bottom);
    r.line(x0, y0 + h / 2, x0 + w, y0 + h / 2, s.foreColor());
    r.moveTo(x0 + w, y0);
}

void FormulaCommands::numerator(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    AssignInt16(r.layout().fractionLeft, s.currentX());
    r.setY(s.currentY() - letterHeight(r) / 2);
}

void FormulaCommands::denominator(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    LayoutState &l = r.layout();
    AssignInt16(l.fractionRight, s.currentX());
    r.setX(l.fractionLeft);
    r.setY(s.currentY() + letterHeight(r));
}

void FormulaCommands::fractionEnd(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    LayoutState &l = r.layout();
    if (s.currentX() > l.fractionRight)
        AssignInt16(l.fractionRight, s.currentX());
    r.line(l.fractionLeft, s.currentY(), l.fractionRight, s.currentY(), s.foreColor());
    r.setY(s.currentY() - letterHeight(r) / 2);
}

void FormulaCommands::rootStart(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    LayoutState &l = r.layout();
    AssignInt32(l.rootOrigin.x, s.currentX());
    AssignInt32(l.rootOrigin.y, s.currentY());
    r.setX(s.currentX() + 1.5 * s.textWidth(QStringLiteral("X")));
}

void FormulaCommands::rootEnd(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    const LayoutState &l = r.layout();
    const double k = MarkupText::valueFrom(command, 4);
    const double H = letterHeight(r);
    const double wx = s.textWidth(QStringLiteral("X"));
    const double h = PageRenderer::nearest(k * H);
    const double x0 = l.rootOrigin.x;
    const double y0 = l.rootOrigin.y;
    const double p1x = PageRenderer::nearest(x0);
    const double p1y = PageRenderer::nearest(y0 + h / 2);
    const double p2x = PageRenderer::nearest(x0 + wx / 2);
    const double p2y = PageRenderer::nearest(y0 + H / 2 + h / 2);
    const double p3x = PageRenderer::nearest(x0 + wx);
    const double p3y = PageRenderer::nearest(p2y - h);
    const double p4x = PageRenderer::nearest(s.currentX() + wx / 2);
    const double p4y = p3y;
    const double y = s.currentY();
    const QColor colour = s.foreColor();
    r.line(p1x, p1y, p2x, p2y, colour);
    r.line(p2x, p2y, p3x, p3y, colour);
    r.line(p3x, p3y, p4x, p4y, colour);
    r.setY(y);
}

void FormulaCommands::arcStart(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    LayoutState &l = r.layout();
    AssignInt32(l.arcOrigin.x, s.currentX());
    AssignInt32(l.arcOrigin.y, s.currentY());
}

void FormulaCommands::arcEnd(PageRenderer &r)
{
    DrawingSurface &s = r.surface();
    const LayoutState &l = r.layout();
    const double x = s.currentX();
    const double y = s.currentY();
    const double radius = x - l.arcOrigin.x;
    r.circle((x + l.arcOrigin.x) / 2, radius * 0.87 + l.arcOrigin.y, radius, s.foreColor(), 1.047, 2.094);
    r.moveTo(x, y);
}

void FormulaCommands::overline(PageRenderer &r, QStringView command, bool vector, bool low)
{
    DrawingSurface &s = r.surface();
    const double space = s.textWidth(QStringLiteral(" "));
    const double x0 = PageRenderer::nearest(s.currentX() - space / 4);
    const double y = s.currentY();
    s.print(MarkupText::mid(command, 4).toString());
    const double x1 = PageRenderer::nearest(s.currentX() + space / 4);
    const double yb = low ? y + 30 : y;
    const QColor colour = s.foreColor();
    r.line(x0, yb, x1, yb, colour);
    if (vector) {
        r.line(x1 - 60, yb - 30, x1, yb, colour);
        r.line(x1 - 60, yb + 30, x1, yb, colour);
    }
    r.setY(y);
    r.setX(x1);
}

} // namespace vorlane
