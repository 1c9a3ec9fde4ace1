#include "core/render/picturecommands.h"

#include "core/platform/files.h"
#include "core/render/datapictures.h"
#include "core/render/markuptext.h"
#include "core/render/pagerenderer.h"
#include "core/render/surfacenames.h"
#include "core/surface/tracelog.h"
#include "core/surface/twips.h"
#include "core/text/decimal.h"

namespace vorlane {

void PictureCommands::PlacePicture(PageRenderer &r, QStringView name, Mode mode)
{
    double w = 0;
    double h = 0;
    QStringView file = name;
    if (mode == Mode::Sized) {
        const QStringView size = MarkupText::right(name, 6);
        w = kTwipsPerPixel * MarkupText::value(size.first(std::min<qsizetype>(3, size.size())));
        h = kTwipsPerPixel * MarkupText::value(size.size() > 3 ? size.sliced(3) : QStringView());
        file = name.chopped(size.size());
        if (!PageRenderer::fitsSingle(w) || !PageRenderer::fitsSingle(h))
            return;
    }
    const QString bare = BareFileName(file.toString());
    if (bare.trimmed().isEmpty())
        return;
    const std::optional<Picture> picture = r.dataPicture(bare);
    if (!picture || picture->image.isNull())
        return;

    const double naturalW = kTwipsPerPixel * picture->image.width();
    const double naturalH = kTwipsPerPixel * picture->image.height();
    const double width = PageRenderer::nearest(mode == Mode::Sized ? w : naturalW);
    const LayoutState &l = r.layout();
    if (l.alignment == 1)
        r.setX((double(l.leftMargin) + l.rightEdge - width) / 2);
    else if (l.alignment == 2)
        r.setX(l.rightEdge - width);

    DrawingSurface &s = r.surface();
    const double x = s.currentX();
    const double y = s.currentY();
    if (mode == Mode::Sized)
        s.paintPicture(*picture, x, y, w, h);
    else
        s.paintPicture(*picture, x, y, naturalW, naturalH);
    if (mode == Mode::Below)
        r.setY(y + naturalH);
    else if (mode == Mode::Sized)
        r.setY(y + h);
}

void PictureCommands::icon(PageRenderer &r, QStringView command)
{
    DrawingSurface &s = r.surface();
    RenderHost &host = r.host();
    const double size = host.listIconWidthPx(1);
    std::int64_t index = 0;
    if (ToWhole(MarkupText::valueOfRight(command, 2), index) && index >= 1) {
        if (const auto picture = host.listIcon(1, int(index)))
            s.paintPicture(*picture, s.currentX(), s.currentY(), size * host.twipsPerPixelX(),
                           size * host.twipsPerPixelY());
    }
    r.setX(s.currentX() + size * host.twipsPerPixelX());
}

void PictureCommands::object(PageRenderer &r, QStringView command)
{
    const QStringView what = MarkupText::mid(command, 4);
    QString target;
    if (what == u"TIT")
        target = SurfaceNames::titleBand.toString();
    else if (what == u"ILLUS")
        target = SurfaceNames::illustration.toString();
    else if (what == u"PRINCIPAL")
        target = SurfaceNames::body.toString();
    if (!target.isEmpty()) {
        if (DrawingSurface *next = r.host().surface(target)) {
            r.setSurface(next);
            if (TraceLog *trace = r.host().trace())
                trace->add("surface", {{"s", next->name()}});
        }
    } else if (what == u"TAILLE") {
        DrawingSurface &s = r.surface();
        s.setHeight(s.currentY() / r.host().twipsPerPixelY());
    }
    r.ResetLayout();
}

void PictureCommands::areaWidths(PageRenderer &r, QStringView command)
{
    const double illustration = MarkupText::value(MarkupText::mid(command, 8, 3));
    const double body = MarkupText::valueOfRight(command, 3);
    if (TraceLog *trace = r.host().trace())
        trace->add("largeur", {{"body", body}, {"illus", illustration}});
    r.host().setAreaWidths(illustration, body);
}

} // namespace vorlane
