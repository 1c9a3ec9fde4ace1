#include "core/render/markuprender.h"

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"

namespace vorlane {

namespace {

void fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

std::optional<QByteArray> MarkupRender::trace(QStringView body, const MarkupRenderOptions &options, QString *error)
{
    if (!options.testMetrics) {
        fail(error, QStringLiteral("the real font metrics are not available in this build; use --test-metrics"));
        return std::nullopt;
    }
    const auto measurer = std::make_shared<TestMetrics>();
    TraceLog log;
    OffscreenHost host(&log);
    host.setDataFolder(options.dataFolder);
    DrawingSurface &body_ = host.addSurface(std::make_unique<RecordingSurface>(
        QStringLiteral("PictureTEXTE"), log, measurer, options.widthPx, 1000));
    host.addSurface(std::make_unique<RecordingSurface>(QStringLiteral("titre"), log, measurer, 600, 60));
    host.addSurface(std::make_unique<RecordingSurface>(QStringLiteral("bastitre"), log, measurer, 600, 30));
    host.addSurface(std::make_unique<RecordingSurface>(QStringLiteral("PICTUREILLUS"), log, measurer, 180, 420));

    RenderState state;
    state.printMode = options.printMode;
    PageRenderer renderer(state, host);
    renderer.setSurface(&body_);
    renderer.RenderPageText(body);
    DrawingSurface &last = *renderer.currentSurface();
    log.add("end", {{"s", last.name()}, {"pageHeight", double(state.pageHeight)}, {"heightPx", last.height()}});
    return log.text();
}

std::optional<QImage> MarkupRender::picture(QStringView, const MarkupRenderOptions &, QString *error)
{
    fail(error, QStringLiteral("pictures need the raster surfaces, which this build does not have yet"));
    return std::nullopt;
}

} // namespace vorlane
