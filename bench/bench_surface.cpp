// Drawing a page of text on the body's raster surface: 60 lines of mixed runs
// (sizes 10 to 14, bold, one line in Symbol) on a 600-pixel-wide surface.
#include "core/surface/fontmeasurer.h"
#include "core/surface/rastersurface.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace vorlane;

namespace {

struct Run {
    const char *font;
    double size;
    bool bold;
    const char *text;
};

std::vector<std::vector<Run>> pageLines()
{
    const std::vector<Run> kinds[] = {
        {{"Arial", 10, false, "La quantité de matière n d'un échantillon "},
         {"Arial", 10, true, "s'exprime en mole"},
         {"Arial", 10, false, " (symbole mol)."}},
        {{"Arial", 12, true, "Loi de Newton : "},
         {"Arial", 12, false, "la somme des forces extérieures est égale à m.a"}},
        {{"Times new roman", 14, false, "Une onde mécanique progressive se propage "},
         {"Times new roman", 14, true, "sans transport de matière"}},
        {{"Arial", 11, false, "Célérité v = "},
         {"Symbol", 11, false, "l"},
         {"Arial", 11, false, " / T, avec T en secondes."}},
        {{"Comic Sans MS", 13, false, "Remarque : on mesure la durée de "},
         {"Comic Sans MS", 13, true, "dix"},
         {"Comic Sans MS", 13, false, " périodes."}},
    };
    std::vector<std::vector<Run>> lines;
    for (int i = 0; i < 59; ++i)
        lines.push_back(kinds[i % 5]);
    lines.push_back({{"Symbol", 12, false, "Dq = w\u00b7Dt \u00be\u00ae a + b \u00b3 g \u00b9 p"}});
    return lines;
}

void drawPage(RasterSurface &s, const std::vector<std::vector<Run>> &lines)
{
    s.clear();
    for (const auto &line : lines) {
        for (const Run &r : line) {
            s.setFontName(QString::fromLatin1(r.font));
            s.setFontSize(r.size);
            s.setBold(r.bold);
            s.print(QString::fromUtf8(r.text));
        }
        s.newLine();
    }
}

void BM_PrintPage(benchmark::State &state)
{
    const auto lines = pageLines();
    RasterSurface s(QStringLiteral("PictureTEXTE"), 600, 1400, qreal(state.range(0)));
    drawPage(s, lines); // fonts loaded and glyphs cached, as on every page but the first
    for (auto _ : state) {
        drawPage(s, lines);
        benchmark::DoNotOptimize(s.image().constBits());
    }
    state.SetLabel("time per page of 60 lines");
    state.counters["pages/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrintPage)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// What a page layout does constantly: measure "W" and "Wq" in the current font.
void BM_MeasureCommonTexts(benchmark::State &state)
{
    const FontMeasurer m;
    FontSpec fontSpec;
    const QString w = QStringLiteral("W"), wq = QStringLiteral("Wq");
    for (auto _ : state) {
        benchmark::DoNotOptimize(m.width(fontSpec, w));
        benchmark::DoNotOptimize(m.height(fontSpec, wq));
    }
}
BENCHMARK(BM_MeasureCommonTexts);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
