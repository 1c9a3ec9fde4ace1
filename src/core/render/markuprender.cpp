#include "core/render/markuprender.h"

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/fontmeasurer.h"
#include "core/surface/rastersurface.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"

#include <functional>

namespace vorlane {

namespace {

using SurfaceFactory = std::function<std::unique_ptr<DrawingSurface>(const QString &name, double w, double h)>;

// Builds the four picture areas, draws the body on PictureTEXTE and returns the
// surface current at the end.
DrawingSurface &draw(OffscreenHost &host, QStringView body, const MarkupRenderOptions &options,
                     const SurfaceFactory &make, RenderState &state)
{
    host.setDataFolder(options.dataFolder);
    DrawingSurface &page = host.addSurface(make(QStringLiteral("PictureTEXTE"), options.widthPx, 1000));
    host.addSurface(make(QStringLiteral("titre"), 600, 60));
    host.addSurface(make(QStringLiteral("bastitre"), 600, 30));
    host.addSurface(make(QStringLiteral("PICTUREILLUS"), 180, 420));
    state.printMode = options.printMode;
    PageRenderer renderer(state, host);
    renderer.setSurface(&page);
    renderer.RenderPageText(body);
    return *renderer.currentSurface();
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
    log.add("end", {{"s", last.name()}, {"pageHeight", double(state.pageHeight)}, {"heightPx", last.height()}});
    return log.text();
}

std::optional<QImage> MarkupRender::picture(QStringView body, const MarkupRenderOptions &options, QString *error)
{
    const auto measurer = measurerFor(options);
    OffscreenHost host;
    RenderState state;
    const SurfaceFactory make = [&](const QString &name, double w, double h) {
        return std::make_unique<RasterSurface>(name, w, h, 1.0, measurer);
    };
    draw(host, body, options, make, state);
    const auto *page = dynamic_cast<RasterSurface *>(host.surface(QStringLiteral("PictureTEXTE")));
    if (!page || page->image().isNull() || page->image().height() < 1) {
        if (error)
            *error = QStringLiteral("the page body is 0 pixels high: nothing to show");
        return std::nullopt;
    }
    return page->image();
}

} // namespace vorlane
