#include "core/platform/files.h"
#include "core/platform/launchplan.h"
#include "core/platform/screen.h"
#include "core/platform/volumes.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class LocalFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString p(const char *relative) const { return dir.path() + u'/' + QString::fromUtf8(relative); }
    QTemporaryDir dir;
    LocalFiles files;
};

TEST_F(LocalFilesTest, ExactPathIsReturnedAsItIs)
{
    touch(p("PCTsDATA/onde.gif"));
    EXPECT_EQ(files.resolve(p("PCTsDATA/onde.gif")), p("PCTsDATA/onde.gif"));
}

TEST_F(LocalFilesTest, EveryComponentIsMatchedIgnoringCase)
{
    touch(p("PCTsDATA/Onde.GIF"));
    EXPECT_EQ(files.resolve(p("pctsdata/ONDE.gif")), p("PCTsDATA/Onde.GIF"));
    EXPECT_EQ(files.resolve(p("PCTSDATA")), p("PCTsDATA"));
    EXPECT_FALSE(files.resolve(p("pctsdata/onde.png")));
    EXPECT_FALSE(files.resolve(p("nothing/onde.gif")));
}

TEST_F(LocalFilesTest, ExactMatchWinsElseFirstInSortedOrder)
{
    touch(p("a/img.gif"));
    touch(p("a/IMG.gif"));
    touch(p("a/Img.gif"));
    EXPECT_EQ(files.resolve(p("a/Img.gif")), p("a/Img.gif"));
    // "IMG.gif" < "Img.gif" < "img.gif" in code-unit order.
    EXPECT_EQ(files.resolve(p("a/iMG.GIF")), p("a/IMG.gif"));
}

TEST_F(LocalFilesTest, NonAsciiNamesMatchIgnoringCase)
{
    touch(p("données/Équation.txt"));
    EXPECT_EQ(files.resolve(p("DONNÉES/équation.TXT")), p("données/Équation.txt"));
}

TEST_F(LocalFilesTest, BlankPathResolvesToNothing)
{
    EXPECT_FALSE(files.resolve(QString()));
    EXPECT_FALSE(files.resolve(QStringLiteral("   ")));
}

TEST_F(LocalFilesTest, RemoveDeletesTheResolvedFile)
{
    touch(p("LISTETS.MPC"));
    EXPECT_TRUE(files.remove(p("listets.mpc")));
    EXPECT_FALSE(QFile::exists(p("LISTETS.MPC")));
    EXPECT_FALSE(files.remove(p("listets.mpc")));
}

TEST_F(LocalFilesTest, CreationTimeOfAFileIsValidAndOfNothingInvalid)
{
    touch(p("vorlane"));
    EXPECT_TRUE(files.creationTime(p("VORLANE")).isValid());
    EXPECT_FALSE(files.creationTime(p("absent")).isValid());
}

TEST(VolumeOrderTest, LastMountPathFirstInByteOrder)
{
    EXPECT_EQ(OrderVolumeRoots({QStringLiteral("/"), QStringLiteral("/media/cdrom"), QStringLiteral("/boot"),
                                QStringLiteral("/media/cdrom"), QStringLiteral("/media/Disque")}),
              (QStringList{QStringLiteral("/media/cdrom"), QStringLiteral("/media/Disque"),
                           QStringLiteral("/boot"), QStringLiteral("/")}));
}

TEST(VolumeOrderTest, MountedVolumesAreListedReadyAndOrdered)
{
    const QStringList roots = MountedVolumes().roots();
    ASSERT_FALSE(roots.isEmpty());
    EXPECT_EQ(roots, OrderVolumeRoots(roots));
}

TEST(LaunchPlanTest, WindowsExecutableGoesThroughWineWhenInstalled)
{
    const LaunchPlan plan = PlanLaunch(QStringLiteral("/app/ONDES.EXE"), {QStringLiteral("x")},
                                       QByteArray("MZ\x90\0", 4), QStringLiteral("/usr/bin/wine"));
    EXPECT_EQ(plan.program, u"/usr/bin/wine");
    EXPECT_EQ(plan.arguments, (QStringList{QStringLiteral("/app/ONDES.EXE"), QStringLiteral("x")}));
}

TEST(LaunchPlanTest, NativeProgramsAndMissingWineStartDirectly)
{
    const QString wine = QStringLiteral("/usr/bin/wine");
    EXPECT_EQ(PlanLaunch(QStringLiteral("/app/ONDES.EXE"), {},
                         QByteArray("\x7f"
                                    "ELF"),
                         wine)
                  .program,
              u"/app/ONDES.EXE");
    EXPECT_EQ(PlanLaunch(QStringLiteral("/app/ONDES.EXE"), {}, QByteArray("#!/bin/sh"), wine).program,
              u"/app/ONDES.EXE");
    EXPECT_EQ(PlanLaunch(QStringLiteral("/app/ONDES.EXE"), {}, QByteArray("MZ"), QString()).program,
              u"/app/ONDES.EXE");
    EXPECT_EQ(PlanLaunch(QStringLiteral("/app/refunst"), {}, QByteArray("MZ"), wine).program,
              u"/app/refunst");
    EXPECT_EQ(PlanLaunch(QStringLiteral("/app/maj.exe"), {}, QByteArray("MZ"), wine).program, wine);
}

TEST(ScreenTest, WidthInPixelsUsesWholeTwipsPerPixel)
{
    FakeScreen s(1024, 768);
    EXPECT_DOUBLE_EQ(ScreenWidthPx(s), 1024);
    s.twipsPerPixel = 12;
    EXPECT_EQ(WholeTwipsPerPixel(s), 12);
    EXPECT_DOUBLE_EQ(ScreenWidthPx(s), 1024);
    // 0.4 rounds to 0, which counts as 15: 1024 x 0.4 / 15 pixels.
    s.twipsPerPixel = 0.4;
    EXPECT_EQ(WholeTwipsPerPixel(s), 15);
    EXPECT_NEAR(ScreenWidthPx(s), 1024 * 0.4 / 15, 1e-9);
    // 12.5 rounds to 12 (halves to even): 12800 twips are 1066.67 pixels.
    s.twipsPerPixel = 12.5;
    EXPECT_EQ(WholeTwipsPerPixel(s), 12);
    EXPECT_NEAR(ScreenWidthPx(s), 1024 * 12.5 / 12, 1e-9);
}

} // namespace
