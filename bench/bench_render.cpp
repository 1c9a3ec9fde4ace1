// Drawing a typical course page of 88 lines (text runs, style changes,
// indexes, exponents, fractions, a root, vectors, bonds and dots, a table of
// three rows, two text links, an icon and a picture link).

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/rastersurface.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"
#include "generatedcourse.h"

#include <QGuiApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <vector>

using namespace vorlane;

namespace {

QString typicalPage()
{
    const char *lines[] = {
        "##SI14",
        "##BOL1",
        "##C003",
        "1. Énergie cinétique¶",
        "##SI10",
        "##BOL0",
        "##C000",
        "Un solide de masse m, animé d'un mouvement de translation à la vitesse v, possède¶",
        "l'énergie cinétique :¶",
        "##PIY010",
        "##SI12",
        "##POX060",
        "E",
        "##INDc",
        " = ",
        "##FRAC1#2",
        " m v",
        "##EXP2",
        "¶",
        "##PIY010",
        "##SI10",
        "avec E",
        "##INDc",
        " en joules, m en kilogrammes et v en m",
        "##POINT",
        "s",
        "##EXP-1",
        ".¶",
        "Dans un référentiel galiléen, la somme des forces extérieures est égale¶",
        "au produit de la masse par l'accélération du centre d'inertie :¶",
        "##PIY010",
        "##POX060",
        "##VE1F",
        "##INDext",
        " = m ",
        "##VE1a",
        "##INDG",
        "¶",
        "La célérité d'une corde tendue vaut :¶",
        "##SQD",
        "##FRACT#μ",
        "##SQF2",
        "¶",
        "##PIY010",
        "H",
        "##K001",
        "##DECAHADEF",
        "O",
        "##LEWIS004000",
        "##LEWIS010019",
        "##K001",
        "##DECAHADEF",
        "H¶",
        "##ALCE",
        "##RECT020010",
        "##ALGA",
        "¶",
        "Fin de la page.¶",
        "##C011",
        "Attention aux unités !¶",
        "##C000",
        "##TAB01020001",
        "Grandeur¶",
        "##TAB20040002",
        "Unité¶",
        "##FINTAC06",
        "##TAB01020001",
        "vitesse¶",
        "##TAB20040002",
        "m",
        "##POINT",
        "s",
        "##EXP-1",
        "¶",
        "##FINTAB",
        "##TAB01020001",
        "énergie¶",
        "##TAB20040002",
        "J¶",
        "##FINTAC03",
        "Voir ",
        "##LIERTla loi de Newton#PAG042",
        " et ",
        "##LIER1le retard",
        "##LIERTde propagation#PAG041",
        "##IJA05",
        "##LIERXCalculatrice#08EXE001",
        "¶",
    };
    static_assert(std::size(lines) == 88);
    QString body;
    for (const char *l : lines)
        body += QString::fromUtf8(l) + QStringLiteral("\r\n");
    return body;
}

void BM_RenderTypicalPageRecording(benchmark::State &st)
{
    const QString body = typicalPage();
    TraceLog log;
    OffscreenHost host(&log);
    DrawingSurface &surface = host.addSurface(std::make_unique<RecordingSurface>(
        QStringLiteral("PictureTEXTE"), log, std::make_shared<TestMetrics>(), 600, 1000));
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(&surface);
    for (auto _ : st) {
        log.clear();
        host.linkElements()->hideAll();
        state.pageHeight = 0;
        renderer.RenderPageText(body);
        benchmark::DoNotOptimize(log.lines().size());
    }
}
BENCHMARK(BM_RenderTypicalPageRecording)->Unit(benchmark::kMicrosecond);

// The page on the body's raster surface as the window draws it: clear, then the
// body (the surface grows or shrinks to it).
void drawAsAPage(RasterSurface &surface, OffscreenHost &host, RenderState &state, PageRenderer &renderer,
                 const QString &body)
{
    surface.clear();
    surface.setHeight(1000);
    host.linkElements()->hideAll();
    state.pageHeight = 0;
    renderer.RenderPageText(body);
    benchmark::DoNotOptimize(surface.image().constBits());
}

// The page on the body's raster surface with the real fonts, as the window
// draws it: clear, then the body (the surface grows or shrinks to it).
void BM_RenderTypicalPageRaster(benchmark::State &st)
{
    const QString body = typicalPage();
    OffscreenHost host;
    auto *surface = static_cast<RasterSurface *>(&host.addSurface(
        std::make_unique<RasterSurface>(QStringLiteral("PictureTEXTE"), 600, 1000, st.range(0) / 10.0)));
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(surface);
    for (auto _ : st)
        drawAsAPage(*surface, host, state, renderer, body);
    st.counters["heightPx"] = surface->height();
}
BENCHMARK(BM_RenderTypicalPageRaster)->Arg(10)->Arg(20)->ArgName("ratio_x10")->Unit(benchmark::kMicrosecond);

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Every page of a generated course drawn in turn on the body's raster surface, as
// the window draws them (clear, then the body): the CPU time of each page, reported
// as p50, p95 and max in ms. One iteration draws the whole course.
void BM_RenderEveryGeneratedPage(benchmark::State &st)
{
    const CourseSources course = bench::generatedCourse(int(st.range(0)));
    OffscreenHost host;
    auto *surface = static_cast<RasterSurface *>(
        &host.addSurface(std::make_unique<RasterSurface>(QStringLiteral("PictureTEXTE"), 600, 1000, 1.0)));
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(surface);
    std::vector<double> times;
    for (auto _ : st) {
        times.clear();
        for (const CoursePage &page : course.pages) {
            const double start = threadCpuMs();
            surface->clear();
            surface->setHeight(1000);
            host.linkElements()->hideAll();
            state.pageHeight = 0;
            renderer.RenderPageText(page.fpc);
            benchmark::DoNotOptimize(surface->image().constBits());
            times.push_back(threadCpuMs() - start);
        }
    }
    // The first page also pays what is set up once (the font database).
    st.counters["first_ms"] = times.empty() ? 0.0 : times.front();
    st.counters["max_later_ms"] = times.size() < 2 ? 0.0 : *std::max_element(times.begin() + 1, times.end());
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[std::min(times.size() - 1, size_t(q * double(times.size())))]; };
    st.counters["p50_ms"] = at(0.50);
    st.counters["p95_ms"] = at(0.95);
    st.counters["max_ms"] = times.back();
    st.counters["pages"] = double(times.size());
}
BENCHMARK(BM_RenderEveryGeneratedPage)->Arg(3000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Bodies of 1 MB made of one line repeated, drawn as the window draws a page: the
// body, the title bands and the illustration on raster surfaces with the real
// fonts, pictures from the bundled course's data folder. Goal: under 1 s each.
const char *const kEnormousLines[] = {
    "Un texte ordinaire de physique sur une ligne\u00b6",
    "##DGFOND2",
    "##IXAonde.png",
    "##PLOUF",
    "##FRAC\u0394v#\u0394t",
    "##RECT999999",
    "##LIERTvoir la loi#PA0012",
    "##TAB01020001",
    "##FINTAC03",
    "##SQD",
};

void BM_RenderEnormousBody(benchmark::State &st)
{
    const QString line = QString::fromUtf8(kEnormousLines[st.range(0)]) + QStringLiteral("\r\n");
    const QString body = line.repeated(qsizetype(1 << 20) / line.toUtf8().size());
    OffscreenHost host;
    host.setDataFolder(QStringLiteral(VORLANE_SAMPLE_DIR "/data"));
    auto add = [&](const char *name, double w, double h) {
        return static_cast<RasterSurface *>(
            &host.addSurface(std::make_unique<RasterSurface>(QString::fromLatin1(name), w, h, 1.0)));
    };
    RasterSurface *surface = add("PictureTEXTE", 600, 1000);
    add("titre", 600, 60);
    add("bastitre", 600, 30);
    add("PICTUREILLUS", 180, 420);
    RenderState state;
    PageRenderer renderer(state, host);
    renderer.setSurface(surface);
    for (auto _ : st)
        drawAsAPage(*surface, host, state, renderer, body);
    st.SetLabel(kEnormousLines[st.range(0)]);
}
BENCHMARK(BM_RenderEnormousBody)
    ->DenseRange(0, int(std::size(kEnormousLines)) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
