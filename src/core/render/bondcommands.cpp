#include "core/render/bondcommands.h"

#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/render/titleband.h"
#include "core/surface/twips.h"
#include "core/text/decimal.h"
#include "core/text/palette.h"

namespace vorlane {

void BondCommands::bond(PageRenderer &r, int stroke, bool chain)
{
    DrawingSurface &s = r.surface();
    const double x = s.currentX();
    const double y = s.currentY();
    const double w = s.textWidth(QStringLiteral("W"));
    const double h = s.textHeight(QStringLiteral("W"));
    const QColor colour = s.foreColor();
    switch (stroke) {
    case 1:
        r.line(x, y + h / 2, x + w, y + h / 2, colour);
        break;
    case 2:
        r.line(x + w / 2, y, x + w / 2, y + h, colour);
        break;
    case 3:
        r.line(x + 0.2 * w, y + 0.2 * h, x + 0.8 * w, y + 0.8 * h, colour);
        break;
    case 4:
        r.line(x + 0.8 * w, y + 0.2 * h, x + 0.2 * w, y + 0.8 * h, colour);
        break;
    default:
        return;
    }
    if (!chain)
        r.moveTo(x, y);
}

void BondCommands::lewis(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    const double dx = MarkupText::value(MarkupText::mid(command, 6, 3));
    const double dy = MarkupText::valueOfRight(command, 3);
    const int pen = s.drawWidth();
    const double x = s.currentX();
    const double y = s.currentY();
    s.setDrawWidth(r.printMode() ? 6 : 2);
    r.pset(x + kTwipsPerPixel * dx, y + kTwipsPerPixel * dy, s.foreColor());
    s.setDrawWidth(pen);
    r.moveTo(x, y);
}

void BondCommands::rectangle(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    const LayoutState &l = r.layout();
    const double w = MarkupText::value(MarkupText::mid(command, 5, 3));
    const double h = MarkupText::valueOfRight(command, 3);
    const double x = s.currentX();
    const double y = s.currentY();
    if (l.alignment == 0) {
        r.line(x, y, x + kTwipsPerPixel * w, y + kTwipsPerPixel * h, s.foreColor(), LineStyle::Fill);
        return;
    }
    const double centre = PageRenderer::nearest((double(l.leftMargin) + l.rightEdge) / 2);
    const double half = PageRenderer::nearest(w / 2);
    r.line(centre - kTwipsPerPixel * half, y, centre + kTwipsPerPixel * half, y + kTwipsPerPixel * h,
           s.foreColor(), LineStyle::Fill);
    r.setY(y);
    r.line(centre - kTwipsPerPixel * half, y, centre + kTwipsPerPixel * half, y + kTwipsPerPixel * h,
           PaletteColour(0), LineStyle::Box);
}

void BondCommands::titleBand(PageRenderer &r, QStringView command)
{
    std::int64_t style = 0;
    if (ToWhole(MarkupText::valueOfRight(command, 1), style))
        TitleBand::PaintTitleBand(r.host(), int(style));
}

} // namespace vorlane
