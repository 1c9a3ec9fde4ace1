// The media control's command words, positions and playback pacing, driven by
// a fake clock.
#include "core/media/mediacontrol.h"
#include "fakes/fakeclock.h"
#include "media/testclips.h"

#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <thread>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;

namespace {

class MediaControlTest : public ::testing::Test {
protected:
    void open(const char *codec)
    {
        path = clip(clipKind(codec));
        media.setSoundEnabled(false);
        media.setFileName(path);
        media.setCommand(QStringLiteral("Open"));
        ASSERT_EQ(media.error(), MediaControl::NoError) << media.errorMessage().toStdString();
        reference = referenceFrames(path, media.frameSize());
        ASSERT_EQ(qint64(reference.size()), media.length());
        QObject::connect(&media, &MediaControl::frameShown,
                         [this](const QImage &) { shown.push_back(media.shownFrame()); });
    }
    void send(const char *word) { media.setCommand(QString::fromLatin1(word)); }
    void showAt(qint64 p)
    {
        media.setFrom(p);
        send("Play");
        send("Stop");
    }
    // The frame on display is frame i of FFmpeg's decoding.
    bool showing(qint64 i) const
    {
        return i >= 0 && i < qint64(reference.size()) && media.shownFrame() == i &&
               differingPixels(media.currentFrame(), reference[size_t(i)]) == 0;
    }
    bool waitForPosition(qint64 p)
    {
        return QTest::qWaitFor([&] { return media.position() == p; }, 10000);
    }
    // Waits for the playback thread without letting the window's events run.
    bool waitForDeliveries(int n)
    {
        for (int i = 0; i < 10000 && media.framesDelivered() < n; ++i)
            std::this_thread::sleep_for(1ms);
        return media.framesDelivered() >= n;
    }

    FakeClock clock;
    MediaControl media{clock};
    QString path;
    std::vector<QImage> reference;
    std::vector<int> shown;
};

// ---- Positioning ---------------------------------------------------------------

// Positions given from the start (fromEnd false) or from Length (fromEnd true).
struct StepCase {
    const char *name;
    bool fromEnd;
    int from;
    int steps; // negative: Back
    bool expectFromEnd;
    int expect;
};

struct CodecStep {
    const char *codec;
    StepCase step;
};
void PrintTo(const CodecStep &c, std::ostream *os)
{
    *os << c.codec << "_" << c.step.name;
}

const StepCase kSteps[] = {
    {"first_frame", false, 0, 0, false, 0},
    {"from_5_three_steps", false, 5, 3, false, 8},
    {"from_7_two_backs", false, 7, -2, false, 5},
    {"back_from_0_stays", false, 0, -1, false, 0},
    {"backs_past_0_stop_there", false, 3, -5, false, 0},
    {"steps_stop_on_the_last_frame", true, -3, 5, true, -1},
    {"step_on_the_last_frame_stays", true, -1, 1, true, -1},
    {"step_at_the_end_stays", true, 0, 2, true, 0},
    {"back_from_the_end", true, 0, -1, true, -1},
    {"from_below_0_is_0", false, -4, 0, false, 0},
    {"from_beyond_the_end_is_the_end", true, 7, 0, true, 0},
    {"from_beyond_then_back", true, 7, -3, true, -3},
};

std::vector<CodecStep> codecSteps()
{
    std::vector<CodecStep> all;
    for (const ClipKind &k : clipKinds()) {
        for (const StepCase &s : kSteps)
            all.push_back({k.codec, s});
    }
    return all;
}

class Positioning : public MediaControlTest, public ::testing::WithParamInterface<CodecStep> {};

TEST_P(Positioning, FromThenStepsShowsFfmpegsFrame)
{
    open(GetParam().codec);
    const StepCase &c = GetParam().step;
    const qint64 length = media.length();
    showAt(c.fromEnd ? length + c.from : c.from);
    for (int k = 0; k < std::abs(c.steps); ++k)
        send(c.steps < 0 ? "Back" : "Step");
    const qint64 expected = c.expectFromEnd ? length + c.expect : c.expect;
    EXPECT_EQ(media.position(), expected);
    EXPECT_TRUE(showing(std::min(expected, length - 1))) << "shown " << media.shownFrame();
    EXPECT_EQ(media.error(), MediaControl::NoError);
    EXPECT_NE(media.mode(), MediaControl::Mode::Playing);
}

INSTANTIATE_TEST_SUITE_P(Clips, Positioning, ::testing::ValuesIn(codecSteps()), [](const auto &info) {
    return std::string(info.param.codec) + "_" + info.param.step.name;
});

TEST_F(MediaControlTest, OpenStartsAtZeroWithNothingShown)
{
    open("cinepak");
    EXPECT_EQ(media.position(), 0);
    EXPECT_EQ(media.length(), probeFrameCount(path));
    EXPECT_EQ(media.mode(), MediaControl::Mode::Stopped);
    EXPECT_TRUE(media.currentFrame().isNull());
    EXPECT_EQ(media.frameSize(), QSize(160, 120));
}

TEST_F(MediaControlTest, PrevGoesBackToTheFirstFrame)
{
    open("msvideo1");
    showAt(12);
    send("Prev");
    EXPECT_EQ(media.position(), 0);
    EXPECT_TRUE(showing(0));
}

TEST_F(MediaControlTest, FromAppliesToTheNextCommandOnly)
{
    open("mjpeg");
    showAt(4);
    media.setFrom(10);
    send("Step"); // From is spent on Step, which ignores it
    EXPECT_EQ(media.position(), 5);
    send("Play");
    send("Stop");
    EXPECT_EQ(media.position(), 5);
    EXPECT_TRUE(showing(5));
}

TEST_F(MediaControlTest, PlayAtTheEndShowsTheLastFrameAndStaysStopped)
{
    open("mjpeg");
    QSignalSpy done(&media, &MediaControl::done);
    showAt(media.length());
    send("Play");
    EXPECT_EQ(media.mode(), MediaControl::Mode::Stopped);
    EXPECT_EQ(media.position(), media.length());
    EXPECT_TRUE(showing(media.length() - 1));
    EXPECT_EQ(done.count(), 0);
}

TEST_F(MediaControlTest, CommandsOnAClosedDeviceAreRefused)
{
    media.setSoundEnabled(false);
    for (const char *word : {"Play", "Stop", "Pause", "Step", "Back", "Prev"}) {
        send(word);
        EXPECT_EQ(media.error(), MediaControl::ErrorNotOpen) << word;
        EXPECT_EQ(media.position(), 0);
        EXPECT_EQ(media.mode(), MediaControl::Mode::NotOpen);
    }
}

TEST_F(MediaControlTest, UnknownWordsAreRefusedAndLetterCaseIsIgnored)
{
    open("mjpeg");
    send("Rewind");
    EXPECT_EQ(media.error(), MediaControl::ErrorUnknownCommand);
    EXPECT_EQ(media.position(), 0);
    send("step");
    EXPECT_EQ(media.error(), MediaControl::NoError);
    EXPECT_EQ(media.position(), 1);
    send("BACK");
    EXPECT_EQ(media.position(), 0);
}

TEST_F(MediaControlTest, OpeningAMissingFileLeavesNoDevice)
{
    media.setFileName(QStringLiteral("/nonexistent/chute.avi"));
    send("Open");
    EXPECT_EQ(media.error(), MediaControl::ErrorCannotOpen);
    EXPECT_FALSE(media.errorMessage().isEmpty());
    EXPECT_FALSE(media.isOpen());
    media.setFileName(QString());
    send("Open");
    EXPECT_EQ(media.error(), MediaControl::ErrorNoFileName);
}

TEST_F(MediaControlTest, CloseReleasesTheDeviceAndTheFrame)
{
    open("mpeg1");
    QSignalSpy closed(&media, &MediaControl::closed);
    showAt(7);
    send("Close");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(media.isOpen());
    EXPECT_EQ(media.length(), 0);
    EXPECT_EQ(media.position(), 0);
    EXPECT_TRUE(media.currentFrame().isNull());
    send("Close"); // nothing left to close
    EXPECT_EQ(closed.count(), 1);
}

// ---- Playback ------------------------------------------------------------------

TEST_F(MediaControlTest, PlaybackShowsEachFrameWhenItIsDue)
{
    open("mjpeg"); // 10 frames per second: one frame every 100 ms
    showAt(0);
    shown.clear();
    send("Play");
    EXPECT_EQ(media.mode(), MediaControl::Mode::Playing);
    for (int i = 1; i <= 3; ++i) {
        clock.advance(100ms);
        ASSERT_TRUE(waitForPosition(i));
        EXPECT_TRUE(showing(i));
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(media.framesDropped(), 0);
    send("Stop");
}

TEST_F(MediaControlTest, LateFramesAreDroppedNotQueued)
{
    open("mjpeg");
    shown.clear();
    send("Play"); // frame 0 at time 0
    clock.advance(100ms);
    ASSERT_TRUE(waitForPosition(1));
    // At 450 ms frames 2 and 3 are past their time: frame 4 is due.
    clock.advance(350ms);
    ASSERT_TRUE(waitForPosition(4));
    EXPECT_TRUE(showing(4));
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 4}));
    EXPECT_EQ(media.framesDropped(), 2);
    send("Stop");
}

TEST_F(MediaControlTest, AFrameTheWindowHasNotTakenIsReplacedByTheNext)
{
    open("mjpeg");
    shown.clear();
    send("Play");
    clock.advance(100ms);
    ASSERT_TRUE(waitForDeliveries(1));
    clock.advance(100ms);
    ASSERT_TRUE(waitForDeliveries(2));
    // Only now does the window's thread run: frame 1 was never shown.
    ASSERT_TRUE(waitForPosition(2));
    EXPECT_EQ(shown, (std::vector<int>{0, 2}));
    EXPECT_EQ(media.framesDropped(), 1);
    send("Stop");
}

TEST_F(MediaControlTest, PlayFollowedAtOnceByStopStaysOnTheFrame)
{
    open("mjpeg");
    media.setFrom(6);
    send("Play");
    // Whatever the playback thread does meanwhile, the window has not seen it.
    clock.advance(1s);
    waitForDeliveries(1);
    send("Stop");
    QTest::qWait(20);
    EXPECT_EQ(media.position(), 6);
    EXPECT_TRUE(showing(6));
}

TEST_F(MediaControlTest, PlaybackToTheEndNotifiesAtLength)
{
    open("mjpeg");
    QSignalSpy done(&media, &MediaControl::done);
    const qint64 length = media.length();
    showAt(length - 2);
    send("Play");
    clock.advance(100ms);
    ASSERT_TRUE(waitForPosition(length - 1));
    EXPECT_EQ(done.count(), 0);
    clock.advance(100ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done.count() == 1; }, 10000));
    EXPECT_EQ(media.position(), length);
    EXPECT_EQ(media.mode(), MediaControl::Mode::Stopped);
    EXPECT_TRUE(showing(length - 1));
}

TEST_F(MediaControlTest, PauseThenPlayGoesOnFromTheFrameShown)
{
    open("cinepak");
    send("Play");
    clock.advance(300ms);
    ASSERT_TRUE(waitForPosition(3));
    send("Pause");
    EXPECT_EQ(media.mode(), MediaControl::Mode::Paused);
    clock.advance(500ms);
    QTest::qWait(20);
    EXPECT_EQ(media.position(), 3);
    send("Play");
    clock.advance(100ms);
    ASSERT_TRUE(waitForPosition(4));
    EXPECT_TRUE(showing(4));
    send("Stop");
}

TEST_F(MediaControlTest, StepDuringPlaybackStopsItOneFrameFurther)
{
    open("mpeg1");
    send("Play");
    clock.advance(80ms); // 25 frames per second: frame 2 at 80 ms
    ASSERT_TRUE(waitForPosition(2));
    send("step");
    EXPECT_EQ(media.position(), 3);
    EXPECT_TRUE(showing(3));
    EXPECT_NE(media.mode(), MediaControl::Mode::Playing);
}

TEST_F(MediaControlTest, StatusNotificationsComeNoOftenerThanTwoFramePeriods)
{
    open("mjpeg");
    media.setUpdateInterval(50);
    EXPECT_EQ(media.updateInterval(), 200); // 10 frames per second
    media.setUpdateInterval(1000);
    EXPECT_EQ(media.updateInterval(), 1000);
}

TEST_F(MediaControlTest, SoundIsLoadedOnlyWhenEnabled)
{
    path = clipWithSound();
    media.setFileName(path);
    media.setSoundEnabled(false);
    send("Open");
    ASSERT_EQ(media.error(), MediaControl::NoError);
    EXPECT_FALSE(media.soundLoaded());
    media.setSoundEnabled(true);
    send("Open");
    ASSERT_EQ(media.error(), MediaControl::NoError);
    EXPECT_TRUE(media.soundLoaded());
    // Without an audio device the video plays silently.
    send("Play");
    clock.advance(100ms);
    EXPECT_TRUE(waitForPosition(1));
    send("Stop");
}

} // namespace
