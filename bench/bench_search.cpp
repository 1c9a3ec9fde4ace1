// Word search speed on a generated course of 3,000 pages: the scan in process
// (the course already read, as the search window holds it) side by side with
// `LC_ALL=C.UTF-8 grep -i -c -F -e W1 -e W2` over the same bodies written to a
// file. The comparison (best of 5 each) is printed before the Google Benchmark
// runs; the goal is a scan no slower than twice grep.

#include "core/course/coursesources.h"
#include "core/search/pagesearch.h"
#include "core/search/searchwords.h"
#include "generatedcourse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <limits>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

constexpr int kPages = 3000;

struct Fixture {
    QTemporaryDir dir;
    PageSearch search;
    QString bodiesFile;

    Fixture()
    {
        QString error;
        if (!WriteCourseDatabases(bench::generatedCourse(kPages), dir.path(), &error))
            std::fprintf(stderr, "course not written: %s\n", qPrintable(error));
        search.load(dir.path());
        // The bodies the scan reads (rows 1 to the last), as stored, in UTF-8.
        bodiesFile = dir.filePath(u"bodies.txt"_s);
        QFile f(bodiesFile);
        if (f.open(QIODevice::WriteOnly)) {
            const TableRows &rows = search.rows();
            const int fpc = rows.columnIndex(u"fpc");
            for (int p = 1; p < rows.rowCount(); ++p)
                f.write(rows.cell(p, fpc).toUtf8());
        }
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

struct Entry {
    const char *name;
    const char *text;
    SearchOptions options;
};

const Entry kEntries[] = {
    {"two words, any", "tension, \u00e9nergie", {false, false}},
    {"two words, all", "tension \u00e9nergie", {true, false}},
    {"rare words, any", "bobinage noyaux", {false, false}},
    {"sans accents, any", "celerite frequence", {false, true}},
};

double bestOfFive(const std::function<void()> &run)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        run();
        best = std::min(best, double(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

// grep over the bodies file with the entry's words; its time includes its own start.
double grepMs(const QStringList &words, int *count)
{
    QStringList args{u"-i"_s, u"-c"_s, u"-F"_s};
    for (const QString &w : words)
        args << u"-e"_s << w;
    args << fixture().bodiesFile;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    return bestOfFive([&] {
        QProcess grep;
        grep.setProcessEnvironment(env);
        grep.start(u"grep"_s, args);
        grep.waitForFinished(60000);
        *count = grep.readAllStandardOutput().trimmed().toInt();
    });
}

void printComparison()
{
    Fixture &f = fixture();
    std::printf("Search over %d pages (%lld MB of bodies as UTF-8), best of 5:\n", f.search.rows().rowCount(),
                QFile(f.bodiesFile).size() / (1024 * 1024));
    std::printf("%-22s %10s %8s %10s %8s %7s\n", "entry", "scan ms", "pages", "grep ms", "lines", "ratio");
    for (const Entry &e : kEntries) {
        const QString entry = QString::fromUtf8(e.text);
        const QStringList words = SearchWords(entry).value_or(QStringList());
        size_t pages = 0;
        const double scan = bestOfFive([&] { pages = f.search.scan(words, e.options).size(); });
        int lines = 0;
        const double grep = grepMs(words, &lines);
        std::printf("%-22s %10.2f %8zu %10.2f %8d %7.2f\n", e.name, scan, pages, grep, lines, scan / grep);
    }
    std::fflush(stdout);
}

void BM_Scan(benchmark::State &state)
{
    const Entry &e = kEntries[state.range(0)];
    const QStringList words = SearchWords(QString::fromUtf8(e.text)).value_or(QStringList());
    const PageSearch &search = fixture().search;
    for (auto _ : state)
        benchmark::DoNotOptimize(search.scan(words, e.options));
    state.SetLabel(e.name);
}
BENCHMARK(BM_Scan)->DenseRange(0, int(std::size(kEntries)) - 1)->Unit(benchmark::kMillisecond);

void BM_Grep(benchmark::State &state)
{
    const Entry &e = kEntries[state.range(0)];
    const QStringList words = SearchWords(QString::fromUtf8(e.text)).value_or(QStringList());
    int lines = 0;
    for (auto _ : state)
        state.SetIterationTime(grepMs(words, &lines) / 1000.0);
    state.SetLabel(e.name);
}
BENCHMARK(BM_Grep)->DenseRange(0, 2)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    printComparison();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
