// Printing a run of 20 pages of a generated course into a PDF through
// PrintCoursePages: the data control moved page by page, every body laid out
// in print mode on its own A4 sheet with its footer, the file written.
// Goal: under 0.5 s for the 20 pages. Run: build/bench/bench_print

#include "core/app/startupchecks.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/platform/files.h"
#include "core/print/courseprinter.h"
#include "core/render/offscreenhost.h"
#include "generatedcourse.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace vorlane;

constexpr int kPages = 60;
constexpr int kFirst = 3, kLast = 22; // the run printed: 20 pages

void BM_PrintTwentyPagesToPdf(benchmark::State &st)
{
    QTemporaryDir dir;
    CourseSources course = bench::generatedCourse(kPages);
    course.pages[size_t(kFirst - 1)].debutimp = kFirst;
    course.pages[size_t(kFirst - 1)].finimp = kLast;
    QString error;
    if (!WriteCourseDatabases(course, dir.path(), &error)) {
        st.SkipWithError(error.toUtf8().constData());
        return;
    }
    LocalFiles files;
    CourseTable rows;
    rows.open(*CourseDatabasePath(dir.path(), files));
    PageIndex index;
    PageIndexLoader(dir.path(), files, rows).LoadPageIndex(index);
    rows.setAbsolutePosition(*index.PageByNumber(kFirst));

    OffscreenHost window;
    window.setDataFolder(dir.path());
    RenderState render;
    const QString pdf = dir.filePath(QStringLiteral("run.pdf"));
    int sheets = 0;
    for (auto _ : st) {
        CoursePrinter printer(rows, index, render, window);
        sheets = printer.PrintToPdf(pdf).sheets;
    }
    if (sheets != kLast - kFirst + 1)
        st.SkipWithError("the run did not print 20 sheets");
    st.counters["sheets"] = sheets;
    st.counters["pdf_kB"] = double(QFileInfo(pdf).size()) / 1024;
}
BENCHMARK(BM_PrintTwentyPagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(10);

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
