#include "core/render/titleband.h"

#include "core/render/renderhost.h"
#include "core/render/surfacenames.h"
#include "core/surface/twips.h"

#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {

struct SavedPosition {
    DrawingSurface *surface;
    double x = 0;
    double y = 0;
    explicit SavedPosition(DrawingSurface *s) : surface(s)
    {
        if (surface) {
            x = surface->currentX();
            y = surface->currentY();
        }
    }
    ~SavedPosition()
    {
        if (surface) {
            surface->setCurrentX(x);
            surface->setCurrentY(y);
        }
    }
};

QColor upperColour(int style, int i)
{
    const int m = int(std::nearbyint(i / 2.0 + 225));
    switch (style) {
    case 0:
        return QColor(i + 195, m, 255);
    case 1:
        return QColor(i + 195, 255, m);
    case 2:
        return QColor(255, m, i + 195);
    case 3:
        return QColor(255, 255, i + 195);
    default:
        return QColor(i + 195, 255, 255);
    }
}

QColor lowerColour(int style, int j)
{
    switch (style) {
    case 0:
        return QColor(255 - 2 * j, 255 - j, 255);
    case 1:
        return QColor(255 - 2 * j, 255, 255 - j);
    case 2:
        return QColor(255, 255 - j, 255 - 2 * j);
    case 3:
        return QColor(255, 255, 255 - 2 * j);
    default:
        return QColor(255 - 2 * j, 255, 255);
    }
}

// What a band paint depends on besides the band's size: the style and the pen.
int paintKey(const DrawingSurface &surface, int style)
{
    return style + 5 * (surface.drawMode() + 17 * std::min(surface.drawWidth(), 1 << 20));
}

} // namespace

void TitleBand::PaintTitleBand(RenderHost &host, int style)
{
    DrawingSurface *titre = host.surface(SurfaceNames::titleBand.toString());
    DrawingSurface *bastitre = host.surface(SurfaceNames::bottomBand.toString());
    // The same bands painted again over themselves, with nothing drawn on them
    // since, change no pixel: a body that repeats the command thousands of
    // times costs no more than one.
    if (titre && bastitre && titre->unchangedSinceWholePaint(paintKey(*titre, style)) &&
        bastitre->unchangedSinceWholePaint(paintKey(*bastitre, style)))
        return;
    const SavedPosition keepTitre(titre);
    const SavedPosition keepBastitre(bastitre);
    if (titre) {
        titre->setHeight(60);
        if (bastitre)
            titre->setWidth(bastitre->width());
    }
    if (bastitre)
        bastitre->setHeight(30);
    if (style < 0 || style > 4)
        return;
    if (titre) {
        for (int i = 0; i <= 60; ++i)
            titre->line(0, kTwipsPerPixel * i, titre->scaleWidth(), kTwipsPerPixel * i,
                        upperColour(style, i));
    }
    if (bastitre) {
        for (int j = 30; j >= 0; --j)
            bastitre->line(0, kTwipsPerPixel * j, bastitre->scaleWidth(), kTwipsPerPixel * j,
                           lowerColour(style, j));
    }
    if (titre && bastitre) {
        titre->noteWholePaint(paintKey(*titre, style));
        bastitre->noteWholePaint(paintKey(*bastitre, style));
    }
}

} // namespace vorlane
