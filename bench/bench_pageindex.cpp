// The page index of a generated course without a window: the rebuild (every row
// visited, the cache file LISTETS.MPC written) and the load from the cache, and
// the cache file's write and read alone. Run: build/bench/bench_pageindex
// (--benchmark_filter=/30000 for the larger course).

#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/platform/files.h"
#include "core/records/recordfile.h"
#include "generatedcourse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <vector>

namespace {

using namespace vorlane;

// One generated course folder per page count, written once: in a temporary folder,
// or in $VORLANE_BENCH_COURSE_DIR/<pages> (kept, for bench/run.sh's anchors) when set.
QString courseFolder(int pages)
{
    static std::map<int, QString> folders;
    static std::vector<std::unique_ptr<QTemporaryDir>> temporary;
    QString &folder = folders[pages];
    if (folder.isEmpty()) {
        const QString kept = qEnvironmentVariable("VORLANE_BENCH_COURSE_DIR");
        if (kept.isEmpty()) {
            temporary.push_back(std::make_unique<QTemporaryDir>());
            folder = temporary.back()->path() + u'/';
        } else {
            folder = kept + u'/' + QString::number(pages) + u'/';
            QDir().mkpath(folder);
        }
        QString error;
        if (!QFileInfo::exists(folder + QStringLiteral("PcTs.sqlite")) &&
            !WriteCourseDatabases(bench::generatedCourse(pages), folder, &error))
            qFatal("cannot write the generated course: %s", qPrintable(error));
    }
    return folder;
}

void BM_PageIndexRebuild(benchmark::State &state)
{
    const QString folder = courseFolder(int(state.range(0)));
    CourseTable table;
    if (table.open(folder + QStringLiteral("PcTs.sqlite")) != CourseOpener::Result::Opened) {
        state.SkipWithError("cannot open the course");
        return;
    }
    LocalFiles files;
    for (auto _ : state) {
        PageIndex index;
        PageIndexLoader(folder, files, table).BuildPageIndex(index);
        benchmark::DoNotOptimize(index.byNumber.data());
    }
    state.counters["rows"] = double(state.range(0));
}
BENCHMARK(BM_PageIndexRebuild)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

void BM_PageIndexLoadFromCache(benchmark::State &state)
{
    const QString folder = courseFolder(int(state.range(0)));
    CourseTable table;
    if (table.open(folder + QStringLiteral("PcTs.sqlite")) != CourseOpener::Result::Opened) {
        state.SkipWithError("cannot open the course");
        return;
    }
    LocalFiles files;
    {
        PageIndex index;
        PageIndexLoader(folder, files, table).BuildPageIndex(index); // leaves the cache
    }
    for (auto _ : state) {
        PageIndex index;
        if (PageIndexLoader(folder, files, table).LoadPageIndex(index) != PageIndexLoader::Source::Cache)
            state.SkipWithError("the cache was not used");
        benchmark::DoNotOptimize(index.byNumber.data());
    }
    state.counters["rows"] = double(state.range(0));
}
BENCHMARK(BM_PageIndexLoadFromCache)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond);

// The cache file alone: 2 records per row written in one replacement, then read.
void BM_CacheFileWrite(benchmark::State &state)
{
    QTemporaryDir dir;
    const RecordFile file(dir.filePath(QStringLiteral("LISTETS.MPC")));
    std::vector<std::pair<int, QString>> records;
    for (int i = 1; i <= 2 * int(state.range(0)); ++i)
        records.emplace_back(i, QString::number(i / 2));
    for (auto _ : state)
        benchmark::DoNotOptimize(file.writeMany(records));
}
BENCHMARK(BM_CacheFileWrite)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_CacheFileRead(benchmark::State &state)
{
    QTemporaryDir dir;
    const RecordFile file(dir.filePath(QStringLiteral("LISTETS.MPC")));
    std::vector<std::pair<int, QString>> records;
    const int count = 2 * int(state.range(0));
    for (int i = 1; i <= count; ++i)
        records.emplace_back(i, QString::number(i / 2));
    file.writeMany(records);
    for (auto _ : state)
        benchmark::DoNotOptimize(file.readRange(1, count));
}
BENCHMARK(BM_CacheFileRead)->Arg(3000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
