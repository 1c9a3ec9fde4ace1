// Start-up of the course window to the first page drawn, on a generated course
// of 3,000 pages: the first start (the page index is built by visiting every
// row and its cache written) and a later start (the index read from its cache).
// Run: build/bench/bench_startup

#include "benchwindow.h"
#include "core/platform/startupheap.h"
#include "core/surface/programfonts.h"
#include "generatedcourse.h"
#include "ui/surfaceview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace vorlane;

constexpr int kPages = 3000;

QTemporaryDir &courseFolder()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        QString error;
        if (!WriteCourseDatabases(bench::generatedCourse(kPages), dir.path(), &error))
            qFatal("cannot write the generated course: %s", qPrintable(error));
        QFile::copy(QStringLiteral(VORLANE_SAMPLE_DIR "/data/couvT.jpg"),
                    dir.filePath(QStringLiteral("couvT.jpg")));
        written = true;
    }
    return dir;
}

// One start to the first page drawn; the window is closed outside the timing.
void startOnce(benchmark::State *state, const QString &folder)
{
    bench::BenchCourseWindow opened(folder);
    MainWindow &window = opened.window;
    const bool started = window.load();
    benchmark::DoNotOptimize(window.body()->surface().height());
    if (!state)
        return;
    if (!started)
        state->SkipWithError("the start was refused");
    state->PauseTiming();
    window.close();
    state->ResumeTiming();
}

void BM_FirstStart(benchmark::State &state)
{
    const QString folder = courseFolder().path();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder + QStringLiteral("/LISTETS.MPC"));
        state.ResumeTiming();
        startOnce(&state, folder);
    }
    state.counters["pages"] = kPages;
}
BENCHMARK(BM_FirstStart)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_LaterStart(benchmark::State &state)
{
    const QString folder = courseFolder().path();
    startOnce(nullptr, folder); // leaves the cache
    for (auto _ : state)
        startOnce(&state, folder);
    state.counters["pages"] = kPages;
}
BENCHMARK(BM_LaterStart)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareStartupHeap(); // as the program's main does first
    UseProgramFonts();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
