#include "core/render/markuprender.h"

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/render/surfacenames.h"
#include "core/surface/fontmeasurer.h"
#include "core/surface/rastersurface.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"

#include <functional>

namespace vorlane {

namespace {

using SurfaceFactory =
    std::function<std::unique_ptr<DrawingSurface>(const QString &name, double w, double h)>;

// Builds the four picture areas, draws the body on PictureTEXTE and returns the
// surface current at the end.
DrawingSurface &draw(OffscreenHost &host, QStringView body, const MarkupRenderOptions &options,
                     const SurfaceFactory &make, RenderState &state)
{
    host.setDataFolder(options.dataFolder);
    DrawingSurface &page = host.addSurface(make(SurfaceNames::body.toString(), options.widthPx, 1000));
    host.addSurface(make(SurfaceNames::titleBand.toString(), 600, 60));
    host.addSurface(make(SurfaceNames::bottomBand.toString(), 600, 30));
    host.addSurface(make(SurfaceNames::illustration.toString(), 180, 420));
    state.printMode = options.printMode;
    PageRenderer renderer(state, host);
    renderer.setSurface(&page);
    renderer.RenderPageText(body);
    return *renderer.currentSurface();
}

// Links are controls over the surfaces, not drawing: for the picture they are
// painted on their surfaces as the window shows them when the mouse is away
// (captions in their font and colour, icons at their size).
void paintLinks(OffscreenHost &host)
{
    const LinkElements &links = *host.linkElements();
    for (const LinkArray array : {LinkArray::Labelien, LinkArray::Imagelien}) {
        for (int i = 0; i < LinkElements::count(array); ++i) {
            const LinkItem &e = links.element(array, i);
            DrawingSurface *s = e.visible ? host.surface(e.container) : nullptr;
            if (!s)
                continue;
            if (array == LinkArray::Imagelien) {
                if (const auto icon = host.listIcon(e.list, e.icon))
                    s->paintPicture(*icon, e.left, e.top, e.width, e.height);
                continue;
            }
            const FontSpec font = s->font();
            const QColor colour = s->foreColor();
            const QStringList lines = e.caption.split(QStringLiteral("\r\n"));
            s->setFontName(e.font.name);
            s->setFontSize(e.font.size);
            s->setBold(e.font.bold);
            s->setItalic(e.font.italic);
            s->setUnderline(false);
            s->setForeColor(e.colour);
            for (qsizetype k = 0; k < lines.size(); ++k) {
                s->setCurrentX(e.left);
                s->setCurrentY(e.top + e.height / double(lines.size()) * double(k));
                s->print(lines[k]);
            }
            s->setFontName(font.name);
            s->setFontSize(font.size);
            s->setBold(font.bold);
            s->setItalic(font.italic);
            s->setUnderline(font.underline);
            s->setForeColor(colour);
        }
    }
}

std::shared_ptr<const TextMeasurer> measurerFor(const MarkupRenderOptions &options)
{
    if (options.testMetrics)
        return std::make_shared<TestMetrics>();
    return std::make_shared<FontMeasurer>();
}

} // namespace

std::optional<QByteArray> MarkupRender::trace(QStringView body, const MarkupRenderOptions &options, QString *)
{
    const auto measurer = measurerFor(options);
    TraceLog log;
    OffscreenHost host(&log);
    RenderState state;
    const SurfaceFactory make = [&](const QString &name, double w, double h) {
        return std::make_unique<RecordingSurface>(name, log, measurer, w, h);
    };
    DrawingSurface &last = draw(host, body, options, make, state);
    log.add("end",
            {{"s", last.name()}, {"pageHeight", double(state.pageHeight)}, {"heightPx", last.height()}});
    return log.text();
}

std::optional<QImage> MarkupRender::picture(QStringView body, const MarkupRenderOptions &options,
                                            QString *error)
{
    const auto measurer = measurerFor(options);
    OffscreenHost host;
    RenderState state;
    const SurfaceFactory make = [&](const QString &name, double w, double h) {
        return std::make_unique<RasterSurface>(name, w, h, 1.0, measurer);
    };
    draw(host, body, options, make, state);
    paintLinks(host);
    const auto *page = dynamic_cast<RasterSurface *>(host.surface(SurfaceNames::body.toString()));
    if (!page || page->image().isNull() || page->image().height() < 1) {
        if (error)
            *error = QStringLiteral("the page body is 0 pixels high: nothing to show");
        return std::nullopt;
    }
    return page->image();
}

} // namespace vorlane
