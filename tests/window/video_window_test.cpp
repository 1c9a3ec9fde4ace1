// Video in the course window: the video frame and its transport panel, the
// picture over the illustration area, the projector and the video menu.

#include "windowfixture.h"

#include "core/media/videocontroller.h"
#include "media/testclips.h"
#include "ui/surfaceview.h"
#include "ui/videodisplay.h"
#include "ui/videopanel.h"

#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

QString videoPage(const char *name, const char *text)
{
    return QStringLiteral("##VIDEO%1\r\n%2\u00b6\r\n")
        .arg(QString::fromLatin1(name), QString::fromLatin1(text));
}

class VideoWindowTest : public WindowFixture {
protected:
    // Page 1 names chute.avi, page 2 onde.mpg, page 3 has no video.
    void startCourse()
    {
        useCourse({coursePage(1, 1, 3, videoPage("chute.avi", "Une chute")),
                   coursePage(2, 2, 1, videoPage("onde.mpg", "Une onde")), coursePage(3, 3, 1)});
        ASSERT_TRUE(start());
        panel = window->videoPanel();
        ASSERT_NE(panel, nullptr);
    }
    void putVideo(const QString &folder, const char *name, const char *codec)
    {
        QDir().mkpath(folder);
        ASSERT_TRUE(QFile::copy(clip(clipKind(codec)), folder + u'/' + QString::fromLatin1(name)));
    }
    QWidget *videoFrame() const { return window->findChild<QWidget *>(QStringLiteral("label15")); }
    void click(int button) { panel->button(button)->click(); }
    bool cursorIsNormal() const { return window->cursor().shape() == Qt::ArrowCursor; }

    VideoPanel *panel = nullptr;
};

TEST_F(VideoWindowTest, PageWithAVideoShowsItsFrameWithAnEmptyBar)
{
    startCourse();
    ASSERT_NE(videoFrame(), nullptr);
    EXPECT_TRUE(videoFrame()->isVisible());
    EXPECT_TRUE(window->illustration()->bordered());
    EXPECT_EQ(panel->progressBar()->width(), 0);
    EXPECT_FALSE(panel->projector()->isVisible());
    EXPECT_FALSE(panel->display()->isVisible());
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_EQ(session->videoName, QStringLiteral("chute.avi"));
    // Seven transport buttons with their tool tips.
    for (int i = 0; i < VideoController::kButtonCount; ++i) {
        ASSERT_NE(panel->button(i), nullptr);
        EXPECT_EQ(panel->button(i)->objectName(), QStringLiteral("Image4_%1").arg(i));
        EXPECT_EQ(panel->button(i)->toolTip(), VideoController::buttonToolTip(i));
        EXPECT_TRUE(
            videoFrame()->geometry().contains(panel->button(i)->geometry().translated(videoFrame()->pos())));
    }
    // The frame sits below the illustration, inside the column left of the page.
    EXPECT_GT(videoFrame()->y(), window->illustration()->geometry().bottom());
    EXPECT_LE(videoFrame()->geometry().right(), window->pageFrame()->x());
    EXPECT_LE(videoFrame()->geometry().bottom(), window->bottomBand()->y());
    window->navigate(QStringLiteral("PA0003"));
    EXPECT_FALSE(videoFrame()->isVisible());
}

TEST_F(VideoWindowTest, PlayShowsTheVideoInTheIllustrationAndStopShowsTheFirstFrame)
{
    putVideo(folder(), "chute.avi", "mjpeg");
    startCourse();
    click(VideoController::Play);
    EXPECT_TRUE(session->videoOpen);
    EXPECT_EQ(panel->media().mode(), MediaControl::Mode::Playing);
    VideoDisplay *display = panel->display();
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->parentWidget(), window->illustration());
    // Scaled to fit with its aspect kept: 4:3, as wide as the area inside its border.
    const QRect inner = window->illustration()->rect().adjusted(1, 1, -1, -1);
    EXPECT_TRUE(inner.contains(display->geometry()));
    EXPECT_EQ(display->width(), inner.width());
    EXPECT_NEAR(double(display->width()) / display->height(), 4.0 / 3, 0.02);
    EXPECT_TRUE(cursorIsNormal());

    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->media().position() >= 2; }, 10000));
    click(VideoController::StopRewind);
    EXPECT_EQ(panel->media().position(), 0);
    const auto reference = referenceFrames(clip(clipKind("mjpeg")), QSize(160, 120));
    EXPECT_EQ(differingPixels(display->frame(), reference[0]), 0);
}

TEST_F(VideoWindowTest, PageChangeThenPlayOpensTheNewPagesVideo)
{
    putVideo(folder(), "chute.avi", "mjpeg");
    putVideo(folder(), "onde.mpg", "mpeg1");
    startCourse();
    click(VideoController::Play);
    ASSERT_TRUE(panel->media().fileName().endsWith(QStringLiteral("chute.avi")));
    window->navigate(QStringLiteral("PA0002"));
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_FALSE(session->videoOpen);
    EXPECT_FALSE(panel->display()->isVisible());
    click(VideoController::Play);
    EXPECT_EQ(panel->media().fileName(), folder() + QStringLiteral("onde.mpg"));
    EXPECT_EQ(panel->media().deviceType(), QStringLiteral("MpegVideo"));
    EXPECT_EQ(panel->media().mode(), MediaControl::Mode::Playing);
}

TEST_F(VideoWindowTest, VideoBesideTheProgramAsksForNoDisc)
{
    QTemporaryDir disc;
    putVideo(disc.path() + QStringLiteral("/PCTSV"), "chute.avi", "cinepak");
    volumes.volumeRoots = {disc.path()};
    putVideo(folder(), "chute.avi", "mjpeg");
    startCourse();
    click(VideoController::Play);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(panel->media().fileName(), folder() + QStringLiteral("chute.avi"));
}

TEST_F(VideoWindowTest, VideoOnTheDiscIsFoundThere)
{
    QTemporaryDir disc;
    putVideo(disc.path() + QStringLiteral("/PCTSV"), "chute.avi", "cinepak");
    volumes.volumeRoots = {disc.path()};
    startCourse();
    click(VideoController::StepForward);
    EXPECT_TRUE(prompts.asked.isEmpty());
    EXPECT_EQ(panel->media().fileName(), disc.path() + QStringLiteral("/PCTSV/chute.avi"));
    EXPECT_EQ(panel->media().position(), 1);
}

TEST_F(VideoWindowTest, VideoFoundNowhereAsksForTheDiscAndCancelOpensNothing)
{
    startCourse();
    click(VideoController::Play);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QStringLiteral("CD-ROM absent"));
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_FALSE(session->videoOpen);
    EXPECT_EQ(session->videoName, QStringLiteral("chute.avi"));
    EXPECT_TRUE(cursorIsNormal());
}

TEST_F(VideoWindowTest, DamagedVideoOpensNothingAndLeavesTheCursorNormal)
{
    QFile bad(file("chute.avi"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4000, '\x55'));
    bad.close();
    startCourse();
    click(VideoController::Play);
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_FALSE(panel->display()->isVisible());
    EXPECT_TRUE(cursorIsNormal());
    EXPECT_EQ(panel->button(VideoController::Play)->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, QString::fromUtf8("Vidéo illisible"));
}

TEST_F(VideoWindowTest, ProgressBarShowsThePositionAtEachStatusNotification)
{
    putVideo(folder(), "chute.avi", "mjpeg");
    startCourse();
    for (int i = 0; i < 5; ++i)
        click(VideoController::StepForward);
    ASSERT_EQ(panel->media().position(), 5);
    emit panel->media().statusUpdate();
    EXPECT_EQ(panel->progressBar()->width(), qRound(5.0 / 20 * panel->progressTrackWidth()));
    click(VideoController::ToEnd);
    emit panel->media().statusUpdate();
    EXPECT_EQ(panel->progressBar()->width(), panel->progressTrackWidth());
}

TEST_F(VideoWindowTest, MenuItemClosesTheVideoAndRedrawsThePageInPlace)
{
    putVideo(folder(), "chute.avi", "mjpeg");
    startCourse();
    const int bodyHeight = window->body()->height();
    click(VideoController::Play);
    QMenu *menu = panel->menu();
    ASSERT_EQ(menu->objectName(), QStringLiteral("MENUVIDEO"));
    EXPECT_EQ(menu->title(), QStringLiteral("VIDEO"));
    QAction *item = menu->findChild<QAction *>(QStringLiteral("MVideo_5"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("Lecture"));
    item->trigger();
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_FALSE(panel->display()->isVisible());
    EXPECT_EQ(shownNumber(), u"1");
    // Drawn once, not appended below itself; the video frame is back.
    EXPECT_EQ(window->body()->height(), bodyHeight);
    EXPECT_TRUE(videoFrame()->isVisible());
    EXPECT_EQ(session->videoName, QStringLiteral("chute.avi"));
    // The buttons open the video again.
    click(VideoController::StepForward);
    EXPECT_TRUE(panel->media().isOpen());
    EXPECT_EQ(panel->media().position(), 1);
}

TEST_F(VideoWindowTest, ProjectorClosesTheVideoAndFollowsTheContentsLink)
{
    putVideo(folder(), "chute.avi", "mjpeg");
    startCourse();
    click(VideoController::Play);
    QLabel *projo = panel->projector();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), projo->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(projo, &release);
    EXPECT_FALSE(panel->media().isOpen());
    EXPECT_FALSE(projo->isVisible());
    EXPECT_EQ(shownNumber(), u"3"); // page 1's contents page
}

TEST_F(VideoWindowTest, FramesAreSharpAtDevicePixelRatio2)
{
    // A one-pixel checkerboard twice the displayed size: at a pixel ratio of 2
    // every source pixel lands on one device pixel.
    QWidget area;
    area.resize(180, 420);
    VideoDisplay display(&area);
    QImage frame(356, 268, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, (x + y) % 2 ? 0xff000000u : 0xffffffffu);
    }
    display.showFrame(frame, 1);
    ASSERT_EQ(display.size(), QSize(178, 134));
    QImage device(display.size() * 2, QImage::Format_RGB32);
    device.setDevicePixelRatio(2);
    device.fill(Qt::red);
    display.render(&device);
    device.setDevicePixelRatio(1);
    EXPECT_EQ(differingPixels(device, frame), 0);
}

} // namespace
