// Video playback in the course window, on its window side's fake: opening the
// page's video, the transport buttons, the notifications, projector and menu.
#include "core/media/videocontroller.h"
#include "fakes/fakeclock.h"
#include "fakes/fakeplatform.h"
#include "media/testclips.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vorlane;
using namespace vorlane::testing;
using namespace std::chrono_literals;

namespace {

// The window side: every call is recorded.
class FakeVideoHost final : public VideoHost {
public:
    void setBusyPointer(bool busy) override
    {
        busyPointer = busy;
        calls << (busy ? QStringLiteral("busy") : QStringLiteral("normal"));
    }
    void setButtonBusy(int button, bool busy) override
    {
        calls << QStringLiteral("button%1 %2").arg(button).arg(busy ? u"busy" : u"normal");
    }
    void processEvents() override {}
    void setProjectorVisible(bool visible) override { projector = visible; }
    void setProgressWidth(double twips) override { progress = twips; }
    void followContentsLink() override { calls << QStringLiteral("contents"); }
    void redrawPage() override { calls << QStringLiteral("redraw"); }
    void LocateVideoFile(QString &name) override
    {
        located << name;
        name = locatorAnswer;
    }
    QString videoFolder() const override { return folder; }

    bool busyPointer = false;
    bool projector = true;
    double progress = -1;
    QStringList calls;
    QStringList located;
    QString locatorAnswer;
    QString folder;
};

class VideoControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.isValid());
        ASSERT_TRUE(disc.isValid());
        media.setSoundEnabled(false);
        QObject::connect(&media, &MediaControl::done, [this] { controller.EndNotification(); });
    }
    // Puts a clip at `dir`/`name`.
    QString put(const QTemporaryDir &dir, const QString &name, const char *codec = "mjpeg")
    {
        const QString to = dir.filePath(name);
        EXPECT_TRUE(QFile::copy(clip(clipKind(codec)), to));
        return to;
    }
    std::vector<QImage> reference(const char *codec = "mjpeg")
    {
        return referenceFrames(clip(clipKind(codec)), QSize(160, 120));
    }

    QTemporaryDir app;
    QTemporaryDir disc;
    FakeClock clock;
    MediaControl media{clock};
    LocalFiles files;
    FakePrompts prompts;
    FakeVideoHost host;
    QString videoName = QStringLiteral("chute.avi");
    bool videoOpen = false;
    VideoController controller{app.path(), videoName, videoOpen, media, files, prompts, host};
};

// ---- Values ----------------------------------------------------------------------

TEST(VideoControllerValues, DeviceTypeFollowsTheLastThreeLetters)
{
    const struct {
        const char *name;
        const char *type;
    } cases[] = {
        {"chute.avi", "AVIVideo"}, {"CHUTE.AVI", "AVIVideo"},  {"Chute.Avi", "AVIVideo"},
        {"onde.mpg", "MpegVideo"}, {"onde.mpeg", "MpegVideo"}, {"film.mov", "MpegVideo"},
        {"avi", "AVIVideo"},       {"", "MpegVideo"},          {"chute.avi ", "MpegVideo"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(VideoController::deviceTypeFor(QString::fromLatin1(c.name)), QString::fromLatin1(c.type))
            << c.name;
}

TEST(VideoControllerValues, ProgressBarIsThePositionsShareOf3255Twips)
{
    EXPECT_DOUBLE_EQ(VideoController::progressWidth(0, 20), 0);
    EXPECT_DOUBLE_EQ(VideoController::progressWidth(10, 20), 1627.5);
    EXPECT_DOUBLE_EQ(VideoController::progressWidth(20, 20), 3255);
    EXPECT_DOUBLE_EQ(VideoController::progressWidth(1, 3), 1085);
    EXPECT_DOUBLE_EQ(VideoController::progressWidth(5, 0), 0);
}

TEST(VideoControllerValues, FrameFitsTheAreaWithItsAspectKept)
{
    const struct {
        QSize frame;
        double pixelAspect;
        QSizeF area;
        QRectF expected;
    } cases[] = {
        {{160, 120}, 1, {178, 418}, {0, 142.25, 178, 133.5}}, // wide frame in a tall area
        {{240, 320}, 1, {178, 418}, {0, 90.3333333, 178, 237.3333333}},
        {{320, 240}, 1, {400, 150}, {100, 0, 200, 150}},       // limited by the height
        {{160, 120}, 1, {160, 120}, {0, 0, 160, 120}},         // same size
        {{352, 240}, 10.0 / 11, {320, 240}, {0, 0, 320, 240}}, // pixels narrower than high
        {{0, 120}, 1, {178, 418}, {}},
    };
    for (const auto &c : cases) {
        const QRectF r = VideoController::fitFrame(c.frame, c.pixelAspect, c.area);
        EXPECT_NEAR(r.x(), c.expected.x(), 1e-6);
        EXPECT_NEAR(r.y(), c.expected.y(), 1e-6);
        EXPECT_NEAR(r.width(), c.expected.width(), 1e-6);
        EXPECT_NEAR(r.height(), c.expected.height(), 1e-6);
    }
}

TEST(VideoControllerValues, MenuAndButtonTexts)
{
    EXPECT_EQ(VideoController::menuCaptions(),
              (QStringList{QString::fromUtf8("Retour au début"), QString::fromUtf8("Image précédente"),
                           QStringLiteral("Stop"), QStringLiteral("Pause"), QStringLiteral("Image suivante"),
                           QStringLiteral("Lecture")}));
    EXPECT_EQ(VideoController::menuTitle(), QStringLiteral("VIDEO"));
    for (int i = 0; i < VideoController::kButtonCount; ++i)
        EXPECT_FALSE(VideoController::buttonToolTip(i).isEmpty()) << i;
}

// ---- Opening ---------------------------------------------------------------------

TEST_F(VideoControllerTest, VideoBesideTheProgramAsksForNoDisc)
{
    const QString path = put(app, QStringLiteral("chute.avi"));
    put(disc, QStringLiteral("chute.avi"));
    host.folder = disc.path() + u'/';
    controller.OpenVideo();
    EXPECT_TRUE(host.located.isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_TRUE(videoOpen);
    EXPECT_EQ(videoName, path);
    EXPECT_EQ(media.fileName(), path);
    EXPECT_TRUE(media.isOpen());
    EXPECT_EQ(media.deviceType(), QStringLiteral("AVIVideo"));
    EXPECT_FALSE(host.projector);
}

TEST_F(VideoControllerTest, NameIsMatchedIgnoringLetterCase)
{
    const QString path = put(app, QStringLiteral("Chute.AVI"));
    controller.OpenVideo();
    EXPECT_TRUE(host.located.isEmpty());
    EXPECT_EQ(videoName, path);
    EXPECT_TRUE(media.isOpen());
}

TEST_F(VideoControllerTest, DiscVideoFolderIsTriedSecond)
{
    const QString path = put(disc, QStringLiteral("chute.avi"));
    host.folder = disc.path() + u'/';
    controller.OpenVideo();
    EXPECT_TRUE(host.located.isEmpty());
    EXPECT_EQ(videoName, path);
    EXPECT_TRUE(media.isOpen());
}

TEST_F(VideoControllerTest, LocatorIsAskedWithTheNameBesideTheProgram)
{
    const QString path = put(disc, QStringLiteral("chute.avi"));
    host.locatorAnswer = path;
    controller.OpenVideo();
    EXPECT_EQ(host.located, QStringList{app.path() + QStringLiteral("/chute.avi")});
    EXPECT_EQ(videoName, path);
    EXPECT_TRUE(videoOpen);
    EXPECT_TRUE(media.isOpen());
}

TEST_F(VideoControllerTest, GivingUpAtTheDiscQuestionLeavesNoDeviceAndTheName)
{
    host.locatorAnswer = QString();
    controller.OpenVideo();
    EXPECT_EQ(host.located.size(), 1);
    EXPECT_FALSE(videoOpen);
    EXPECT_FALSE(media.isOpen());
    EXPECT_EQ(videoName, QStringLiteral("chute.avi"));
    EXPECT_FALSE(host.busyPointer);
    EXPECT_FALSE(host.projector);
}

TEST_F(VideoControllerTest, DamagedFileOpensNothingSaysSoAndLeavesTheCursorNormal)
{
    QFile bad(app.filePath(QStringLiteral("chute.avi")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(5000, 'x'));
    bad.close();
    controller.TransportClick(VideoController::Play);
    EXPECT_FALSE(media.isOpen());
    EXPECT_FALSE(videoOpen);
    EXPECT_FALSE(host.busyPointer);
    EXPECT_EQ(videoName, QStringLiteral("chute.avi"));
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("Vidéo illisible"));
    EXPECT_TRUE(prompts.asked[0].text.contains(QStringLiteral("« chute.avi »")));
    // The next click looks again, and says so again.
    controller.TransportClick(VideoController::StepForward);
    EXPECT_EQ(prompts.asked.size(), 2);
}

// ---- Transport buttons ----------------------------------------------------------

TEST_F(VideoControllerTest, FirstClickOpensAndShowsTheFirstFrame)
{
    put(app, QStringLiteral("chute.avi"));
    const auto ref = reference();
    controller.TransportClick(VideoController::StepForward);
    EXPECT_TRUE(videoOpen);
    EXPECT_EQ(media.position(), 1); // opened on frame 0, then one step
    EXPECT_EQ(differingPixels(media.currentFrame(), ref[1]), 0);
    EXPECT_FALSE(controller.playRequested());
    // The hourglass is on the window and the button, then both are normal again.
    EXPECT_EQ(host.calls.mid(0, 2), (QStringList{QStringLiteral("busy"), QStringLiteral("button1 busy")}));
    EXPECT_TRUE(host.calls.contains(QStringLiteral("button1 normal")));
    EXPECT_FALSE(host.busyPointer);
}

TEST_F(VideoControllerTest, StopShowsTheFirstFrame)
{
    put(app, QStringLiteral("chute.avi"));
    const auto ref = reference();
    controller.TransportClick(VideoController::Play);
    clock.advance(500ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return media.position() == 5; }, 10000));
    controller.TransportClick(VideoController::StopRewind);
    EXPECT_EQ(media.position(), 0);
    EXPECT_EQ(media.mode(), MediaControl::Mode::Stopped);
    EXPECT_EQ(differingPixels(media.currentFrame(), ref[0]), 0);
}

TEST_F(VideoControllerTest, PlayAtTheEndRestartsFromTheFirstFrame)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::ToEnd);
    ASSERT_EQ(media.position(), media.length());
    EXPECT_EQ(media.shownFrame(), media.length() - 1);
    controller.TransportClick(VideoController::Play);
    EXPECT_EQ(media.mode(), MediaControl::Mode::Playing);
    EXPECT_EQ(media.position(), 0);
    EXPECT_EQ(media.shownFrame(), 0);
    EXPECT_TRUE(controller.playRequested());
    clock.advance(100ms);
    EXPECT_TRUE(QTest::qWaitFor([&] { return media.position() == 1; }, 10000));
}

TEST_F(VideoControllerTest, PlaybackRunToTheEndIsRewoundToTheFirstFrame)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::Play);
    clock.advance(5s);
    ASSERT_TRUE(QTest::qWaitFor([&] { return media.mode() != MediaControl::Mode::Playing; }, 10000));
    EXPECT_EQ(media.position(), 0);
    EXPECT_EQ(media.shownFrame(), 0);
    // And it stays there: the status notifications do not start it again.
    for (int i = 0; i < 3; ++i)
        controller.StatusUpdate();
    EXPECT_EQ(media.mode(), MediaControl::Mode::Stopped);
    EXPECT_EQ(media.position(), 0);
}

TEST_F(VideoControllerTest, StepBackEndAndStartButtons)
{
    put(app, QStringLiteral("chute.avi"), "cinepak");
    const auto ref = reference("cinepak");
    controller.TransportClick(VideoController::StepBack); // opened on 0: back stays on 0
    EXPECT_EQ(media.position(), 0);
    controller.TransportClick(VideoController::StepForward);
    controller.TransportClick(VideoController::StepForward);
    EXPECT_EQ(media.position(), 2);
    EXPECT_EQ(differingPixels(media.currentFrame(), ref[2]), 0);
    controller.TransportClick(VideoController::ToEnd);
    EXPECT_EQ(media.position(), media.length());
    EXPECT_EQ(differingPixels(media.currentFrame(), ref.back()), 0);
    controller.TransportClick(VideoController::StepBack);
    EXPECT_EQ(media.position(), media.length() - 1);
    controller.TransportClick(VideoController::ToStart);
    EXPECT_EQ(media.position(), 0);
    EXPECT_EQ(differingPixels(media.currentFrame(), ref[0]), 0);
    controller.TransportClick(VideoController::Pause);
    EXPECT_EQ(media.mode(), MediaControl::Mode::Paused);
}

TEST_F(VideoControllerTest, NewPageThenPlayOpensTheNewPagesVideo)
{
    const QString first = put(app, QStringLiteral("chute.avi"));
    const QString second = put(app, QStringLiteral("onde.mpg"), "mpeg1");
    controller.TransportClick(VideoController::Play);
    EXPECT_EQ(media.fileName(), first);
    // The next page's display: the device closes, the page names its video.
    controller.CloseForNewPage();
    videoOpen = false;
    videoName = QStringLiteral("onde.mpg");
    EXPECT_FALSE(media.isOpen());
    controller.TransportClick(VideoController::Play);
    EXPECT_EQ(media.fileName(), second);
    EXPECT_EQ(media.deviceType(), QStringLiteral("MpegVideo"));
    EXPECT_EQ(media.length(), probeFrameCount(clip(clipKind("mpeg1"))));
    EXPECT_EQ(media.mode(), MediaControl::Mode::Playing);
}

// ---- Notifications ----------------------------------------------------------------

TEST_F(VideoControllerTest, StatusMovesTheProgressBar)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::StepForward);
    for (int i = 0; i < 4; ++i)
        controller.TransportClick(VideoController::StepForward);
    controller.StatusUpdate();
    EXPECT_DOUBLE_EQ(host.progress, 5.0 / 20 * 3255);
    EXPECT_EQ(controller.lastPosition(), 5);
}

TEST_F(VideoControllerTest, StalledPlaybackIsNudgedOn)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::Play); // playing from frame 0, clock still
    controller.StatusUpdate();                        // position 0 was last seen at 0
    EXPECT_EQ(media.position(), 1);                   // "step", then "Play"
    EXPECT_EQ(media.mode(), MediaControl::Mode::Playing);
    controller.StatusUpdate(); // position 1 now last seen at 1: nudged again
    EXPECT_EQ(media.position(), 2);
}

TEST_F(VideoControllerTest, PausedVideoIsNotNudged)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::Play);
    controller.TransportClick(VideoController::Pause);
    controller.StatusUpdate();
    controller.StatusUpdate();
    EXPECT_EQ(media.position(), 0);
}

// ---- Projector and menu ---------------------------------------------------------

TEST_F(VideoControllerTest, ProjectorClosesFollowsTheContentsLinkAndRedraws)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::Play);
    host.calls.clear();
    host.projector = true;
    controller.ProjectorClick();
    EXPECT_FALSE(media.isOpen());
    EXPECT_FALSE(host.projector);
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("contents"), QStringLiteral("redraw")}));
}

TEST_F(VideoControllerTest, MenuItemClosesAndRedrawsAndTheButtonsOpenAgain)
{
    put(app, QStringLiteral("chute.avi"));
    controller.TransportClick(VideoController::Play);
    for (const QString &caption : VideoController::menuCaptions()) {
        host.calls.clear();
        controller.MenuItemClick(caption);
        EXPECT_FALSE(media.isOpen()) << caption.toStdString();
        EXPECT_EQ(host.calls, QStringList{QStringLiteral("redraw")}) << caption.toStdString();
        // The redraw names the video again; the next click opens it again.
        videoName = QStringLiteral("chute.avi");
        controller.TransportClick(VideoController::StepForward);
        EXPECT_TRUE(media.isOpen());
        EXPECT_EQ(media.position(), 1);
    }
    host.calls.clear();
    controller.MenuItemClick(QStringLiteral("ab")); // shorter than three characters
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("contents"), QStringLiteral("redraw")}));
}

} // namespace
