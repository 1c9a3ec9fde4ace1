#include "core/app/disclocator.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class DiscLocatorTest : public ::testing::Test {
protected:
    DiscLocatorTest() : locator(QStringLiteral("/opt/vorlane"), files, volumes, prompts, desktop)
    {
        // Tried first to last, as the letters Z to A were.
        volumes.volumeRoots = {QStringLiteral("/media/usb"), QStringLiteral("/media/cdrom"),
                               QStringLiteral("/")};
    }

    FakeFiles files;
    FakeVolumes volumes;
    FakePrompts prompts;
    FakeDesktop desktop;
    DiscLocator locator;
};

TEST_F(DiscLocatorTest, PictureInTheApplicationFolderWinsOverTheDisc)
{
    files.paths = {QStringLiteral("/opt/vorlane/onde.gif"), QStringLiteral("/media/cdrom/PCTsDATA/onde.gif")};
    QString name = QStringLiteral("onde.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"/opt/vorlane/onde.gif");
    EXPECT_EQ(locator.dataFolder(), u""); // no disc search happened
}

TEST_F(DiscLocatorTest, TheVolumeTriedFirstWins)
{
    files.paths = {QStringLiteral("/media/cdrom/PCTsDATA/onde.gif"),
                   QStringLiteral("/media/usb/PCTsDATA/onde.gif")};
    QString name = QStringLiteral("onde.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"/media/usb/PCTsDATA/onde.gif");
    EXPECT_EQ(locator.dataFolder(), u"/media/usb/PCTsDATA/");
}

TEST_F(DiscLocatorTest, NameWithAFolderPathIsReducedToItsLastPart)
{
    files.paths = {QStringLiteral("/media/cdrom/PCTsDATA/schema.gif")};
    QString name = QStringLiteral("C:\\cours\\images\\schema.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"/media/cdrom/PCTsDATA/schema.gif");
    name = QStringLiteral("images/schema.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"/media/cdrom/PCTsDATA/schema.gif");
}

TEST_F(DiscLocatorTest, NamesAreMatchedIgnoringCase)
{
    files.paths = {QStringLiteral("/media/cdrom/pctsdata/ONDE.GIF")};
    QString name = QStringLiteral("Onde.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"/media/cdrom/pctsdata/ONDE.GIF");
    EXPECT_EQ(locator.dataFolder(), u"/media/cdrom/pctsdata/");
}

TEST_F(DiscLocatorTest, CancelGivesEmptyTextAndBeeps)
{
    QString name = QStringLiteral("absent.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"");
    EXPECT_EQ(desktop.beeps, 1);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text,
              QString::fromUtf8("Veuillez introduire le CD-ROM « CALDERINE » dans le lecteur."));
    EXPECT_EQ(prompts.asked[0].title, u"CD-ROM absent");
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::RetryCancel);
}

TEST_F(DiscLocatorTest, RetryAfterInsertingTheDiscFindsTheFile)
{
    prompts.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    int asked = 0;
    prompts.onAsk = [&](const Message &) {
        // The disc goes in while the second question is open.
        if (++asked == 2)
            files.paths << QStringLiteral("/media/cdrom/PCTSV/chute.avi");
    };
    QString name = QStringLiteral("chute.avi");
    locator.LocateVideoFile(name);
    EXPECT_EQ(name, u"/media/cdrom/PCTSV/chute.avi");
    EXPECT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(desktop.beeps, 0);
    EXPECT_EQ(locator.videoFolder(), u"/media/cdrom/PCTSV/");
}

TEST_F(DiscLocatorTest, VideosAreNeverTakenFromTheApplicationFolder)
{
    files.paths = {QStringLiteral("/opt/vorlane/chute.avi")};
    QString name = QStringLiteral("chute.avi");
    locator.LocateVideoFile(name);
    EXPECT_EQ(name, u"");
    EXPECT_FALSE(files.queries.contains(QStringLiteral("/opt/vorlane/chute.avi")));
    EXPECT_EQ(prompts.asked.size(), 1);
}

TEST_F(DiscLocatorTest, PicturesAreNotLookedForInTheVideoFolder)
{
    files.paths = {QStringLiteral("/media/cdrom/PCTSV/onde.gif")};
    QString name = QStringLiteral("onde.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"");
}

TEST_F(DiscLocatorTest, BlankNameReturnsAtOnce)
{
    for (const char *blank : {"", "   "}) {
        QString name = QString::fromLatin1(blank);
        locator.LocateDataFile(name);
        EXPECT_EQ(name, QString::fromLatin1(blank));
    }
    EXPECT_TRUE(files.queries.isEmpty());
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(DiscLocatorTest, EachCallSearchesAgain)
{
    files.paths = {QStringLiteral("/media/cdrom/PCTsDATA/a.gif"),
                   QStringLiteral("/media/usb/PCTsDATA/b.gif")};
    QString a = QStringLiteral("a.gif");
    QString b = QStringLiteral("b.gif");
    locator.LocateDataFile(a);
    locator.LocateDataFile(b);
    EXPECT_EQ(a, u"/media/cdrom/PCTsDATA/a.gif");
    EXPECT_EQ(b, u"/media/usb/PCTsDATA/b.gif");
    EXPECT_EQ(locator.dataFolder(), u"/media/usb/PCTsDATA/");
}

TEST_F(DiscLocatorTest, NoVolumeAtAllAsksForTheDisc)
{
    volumes.volumeRoots.clear();
    QString name = QStringLiteral("onde.gif");
    locator.LocateDataFile(name);
    EXPECT_EQ(name, u"");
    EXPECT_EQ(prompts.asked.size(), 1);
}

} // namespace
