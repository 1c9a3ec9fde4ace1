// Start-up as a whole process, for bench/run.sh: one run per process, so that
// time(1) and the process's own counters see everything (libraries loaded, fonts,
// the database, the first paint).
//   bench_startprobe --generate PAGES DIR   writes a generated course into DIR
//   bench_startprobe --course DIR           starts the course window on DIR
//   bench_startprobe --empty                an 800 x 600 window that paints a label
// bench_emptyprobe is built from this file with the empty window alone, linked with
// Qt Widgets only: the anchor of a whole process, which does not load the
// libraries of the course (FFmpeg's among them).
// The two windows print one line: the CPU time in milliseconds from the creation
// of the QApplication to the end of the first paint of the page area
// (`PictureTEXTE`; the label of the empty window), then the peak resident set in
// kilobytes. The probe is an event filter of this program, not of the product.

#ifndef VORLANE_EMPTY_WINDOW_ONLY
#include "benchwindow.h"
#include "core/platform/startupheap.h"
#include "core/surface/programfonts.h"
#include "generatedcourse.h"
#include "ui/surfaceview.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <sys/resource.h>

namespace {

#ifndef VORLANE_EMPTY_WINDOW_ONLY
using namespace vorlane;
#endif

double cpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Ends the event loop once the watched widget's first paint is over.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QWidget *watched) : m_watched(watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (object == m_watched && event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Runs once the paint event has been handled.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget *m_watched;
    bool m_seen = false;
};

int report(double start)
{
    const double spent = cpuMilliseconds() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.1f %ld\n", spent, long(usage.ru_maxrss));
    return 0;
}

#ifndef VORLANE_EMPTY_WINDOW_ONLY
int generate(int pages, const QString &folder)
{
    QDir().mkpath(folder);
    QString error;
    if (!WriteCourseDatabases(bench::generatedCourse(pages), folder, &error)) {
        std::fprintf(stderr, "cannot write the generated course: %s\n", qPrintable(error));
        return 1;
    }
    // The home page's picture.
    QFile::copy(QStringLiteral(VORLANE_SAMPLE_DIR "/data/couvT.jpg"), folder + QStringLiteral("/couvT.jpg"));
    return 0;
}

int startCourse(int argc, char **argv, const QString &folder, double start)
{
    QApplication app(argc, argv);
    bench::BenchCourseWindow opened(folder);
    MainWindow &window = opened.window;
    FirstPaint probe(window.body());
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(3); }); // never a hang
    if (!window.load()) {
        std::fprintf(stderr, "the start was refused\n");
        return 1;
    }
    if (QApplication::exec() != 0) {
        std::fprintf(stderr, "the page area was never painted\n");
        return 1;
    }
    return report(start);
}

#endif

int startEmpty(int argc, char **argv, double start)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(800, 600);
    QLabel label(QStringLiteral("Physique-Chimie"), &window);
    label.setGeometry(0, 0, 800, 600);
    FirstPaint probe(&label);
    window.show();
    QApplication::exec();
    return report(start);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const double start = cpuMilliseconds();
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
#ifndef VORLANE_EMPTY_WINDOW_ONLY
    if (mode == "--generate" && argc == 4)
        return generate(std::atoi(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (mode == "--course" && argc == 3) {
        PrepareStartupHeap(); // as the program's main does first
        UseProgramFonts();
        return startCourse(argc, argv, QString::fromLocal8Bit(argv[2]), start);
    }
#endif
    if (mode == "--empty" && argc == 2)
        return startEmpty(argc, argv, start);
    std::fprintf(stderr, "usage: bench_startprobe --generate PAGES DIR | --course DIR | --empty\n");
    return 2;
}
