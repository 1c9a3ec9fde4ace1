// Word search speed on a generated course of 3,000 pages: the scan in process
// (the course already read, as the search window holds it) side by side with
// `LC_ALL=C.UTF-8 grep -i -c -F -e W1 -e W2` over the same bodies written to a
// file. The comparison (best of 5 each) is printed before the Google Benchmark
// runs, wall-clock and processor times (grep's own start included in its
// times, as a user waits for it); the goal is a scan no slower than twice grep.

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

#include <ctime>
#include <sys/resource.h>

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

// Milliseconds of processor time of this thread, and of the children waited for.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double childrenCpuMs()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    const auto ms = [](const timeval &v) { return double(v.tv_sec) * 1e3 + double(v.tv_usec) / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

// Best of five runs: wall-clock milliseconds, and processor milliseconds
// (`cpu` measures the run's own, for a machine shared with other work).
struct Timing {
    double wall = std::numeric_limits<double>::max();
    double cpu = std::numeric_limits<double>::max();
};

Timing bestOfFive(const std::function<void()> &run, double (*cpu)())
{
    Timing best;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        const double c0 = cpu();
        t.start();
        run();
        best.wall = std::min(best.wall, double(t.nsecsElapsed()) / 1e6);
        best.cpu = std::min(best.cpu, cpu() - c0);
    }
    return best;
}

// grep over the bodies file with the entry's words; its time includes its own start.
Timing grepTime(const QStringList &words, int *count)
{
    QStringList args{u"-i"_s, u"-c"_s, u"-F"_s};
    for (const QString &w : words)
        args << u"-e"_s << w;
    args << fixture().bodiesFile;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    return bestOfFive(
        [&] {
            QProcess grep;
            grep.setProcessEnvironment(env);
            grep.start(u"grep"_s, args);
            grep.waitForFinished(60000);
            *count = grep.readAllStandardOutput().trimmed().toInt();
        },
        childrenCpuMs);
}

void printComparison()
{
    Fixture &f = fixture();
    std::printf("Search over %d pages (%lld MB of bodies as UTF-8), best of 5:\n", f.search.rows().rowCount(),
                QFile(f.bodiesFile).size() / (1024 * 1024));
    std::printf("%-20s %8s %8s %6s %8s %8s %6s %7s %7s\n", "entry", "scan ms", "cpu ms", "pages", "grep ms",
                "cpu ms", "lines", "ratio", "cpu");
    for (const Entry &e : kEntries) {
        const QString entry = QString::fromUtf8(e.text);
        const QStringList words = SearchWords(entry).value_or(QStringList());
        size_t pages = 0;
        const Timing scan = bestOfFive([&] { pages = f.search.scan(words, e.options).size(); }, threadCpuMs);
        int lines = 0;
        const Timing grep = grepTime(words, &lines);
        std::printf("%-20s %8.2f %8.2f %6zu %8.2f %8.2f %6d %7.2f %7.2f\n", e.name, scan.wall, scan.cpu,
                    pages, grep.wall, grep.cpu, lines, scan.wall / grep.wall, scan.cpu / grep.cpu);
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
        state.SetIterationTime(grepTime(words, &lines).wall / 1000.0);
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
