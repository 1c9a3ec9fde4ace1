// vorlane --course DIR: the course of another folder, the state file of the
// program's.

#include "windowfixture.h"

#include <QDir>
#include <QFile>

namespace vorlane::testing {
namespace {

class CourseFolderTest : public WindowFixture {};

TEST_F(CourseFolderTest, TheCourseAndItsIndexCacheComeFromTheCourseFolderTheStateFileStays)
{
    QTemporaryDir courseDir;
    CourseSources sources;
    sources.pages = {coursePage(1, 1, 0), coursePage(2, 2, 0)};
    QString error;
    ASSERT_TRUE(WriteCourseDatabases(sources, courseDir.path(), &error)) << error.toStdString();

    session = std::make_unique<Session>();
    course = std::make_unique<CourseTable>();
    window = std::make_unique<MainWindow>(
        folder(), *session, *course, *course,
        DesktopServices{prompts, screen, files, volumes, processes, desktop}, nullptr, courseDir.path());
    ASSERT_TRUE(window->load());
    EXPECT_EQ(shownNumber(), QStringLiteral("1"));
    EXPECT_TRUE(QFile::exists(QDir(courseDir.path()).filePath(QStringLiteral("LISTETS.MPC"))));
    EXPECT_FALSE(QFile::exists(file("LISTETS.MPC")));
    EXPECT_TRUE(QFile::exists(file("TEMPTS.TMP")));
    EXPECT_FALSE(QFile::exists(QDir(courseDir.path()).filePath(QStringLiteral("TEMPTS.TMP"))));
    window->navigate(QStringLiteral("PAG002"));
    EXPECT_EQ(shownNumber(), QStringLiteral("2"));
}

} // namespace
} // namespace vorlane::testing
