// Video playback in real time: a 2-second clip played to its end by the media
// control with the machine's clock, and the processor time it costs (all
// threads: decoding and pacing off the window's thread, conversion included).
// The clip is made by the ffmpeg program: 320 x 240, 25 frames per second.
#include "core/media/mediacontrol.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace vorlane;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

QString makeClip(const QTemporaryDir &dir, const QString &name, const QStringList &codec)
{
    const QString path = dir.filePath(name);
    QStringList args = {
        QStringLiteral("-y"), QStringLiteral("-loglevel"), QStringLiteral("error"),
        QStringLiteral("-f"), QStringLiteral("lavfi"),     QStringLiteral("-t"),
        QStringLiteral("2"),  QStringLiteral("-i"),        QStringLiteral("testsrc=size=320x240:rate=25")};
    args << codec << path;
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), args);
    ffmpeg.waitForFinished(120000);
    return path;
}

void playToTheEnd(benchmark::State &state, const QStringList &codec, const char *name)
{
    QTemporaryDir dir;
    const QString path = makeClip(dir, QString::fromLatin1(name), codec);
    SteadyClock clock;
    MediaControl media(clock);
    media.setSoundEnabled(false);
    media.setFileName(path);
    media.setCommand(QStringLiteral("Open"));
    if (media.error() != MediaControl::NoError) {
        state.SkipWithError("the clip does not open");
        return;
    }
    double cpu = 0;
    int shown = 0;
    int dropped = 0;
    for (auto _ : state) {
        const int shownBefore = media.framesShown();
        const int droppedBefore = media.framesDropped();
        const double cpuBefore = cpuSeconds();
        QEventLoop loop;
        QObject::connect(&media, &MediaControl::done, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        media.setFrom(0);
        media.setCommand(QStringLiteral("Play"));
        loop.exec();
        cpu += cpuSeconds() - cpuBefore;
        shown += media.framesShown() - shownBefore;
        dropped += media.framesDropped() - droppedBefore;
    }
    const double n = double(state.iterations());
    state.counters["length_frames"] = double(media.length());
    state.counters["cpu_s"] = cpu / n;
    state.counters["frames_shown"] = shown / n;
    state.counters["frames_dropped"] = dropped / n;
}

void BM_PlayTwoSecondsMjpeg(benchmark::State &state)
{
    playToTheEnd(state,
                 {QStringLiteral("-c:v"), QStringLiteral("mjpeg"), QStringLiteral("-pix_fmt"),
                  QStringLiteral("yuvj420p")},
                 "clip.avi");
}
BENCHMARK(BM_PlayTwoSecondsMjpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PlayTwoSecondsMpeg1(benchmark::State &state)
{
    playToTheEnd(
        state,
        {QStringLiteral("-c:v"), QStringLiteral("mpeg1video"), QStringLiteral("-bf"), QStringLiteral("2")},
        "clip.mpg");
}
BENCHMARK(BM_PlayTwoSecondsMpeg1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
