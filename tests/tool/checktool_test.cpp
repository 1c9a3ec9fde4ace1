#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

namespace {

void write(const QTemporaryDir &dir, const char *path, const QByteArray &bytes)
{
    const QString full = dir.filePath(QString::fromLatin1(path));
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    f.write(bytes);
}

TEST(CheckTool, WarningsOnStandardOutputStrictMakesThemErrors)
{
    QTemporaryDir src;
    write(src, "pages/1.page", "Numeropage: 1\nIndex: 1\n@@corps\n##CENTRE\n##LIERTvoir#PA0009\n");
    const QString file = src.filePath(QStringLiteral("pages/1.page"));

    const ToolRun lenient = runTool({QStringLiteral("check"), src.path()});
    EXPECT_EQ(lenient.code, 0) << lenient.err.toStdString();
    const QStringList lines = lenient.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << lenient.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(file + QStringLiteral(":4: "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(u"##CENTRE"));
    EXPECT_TRUE(lines[1].startsWith(file + QStringLiteral(":5: "))) << lines[1].toStdString();
    EXPECT_EQ(lenient.err, QString());

    const ToolRun strict = runTool({QStringLiteral("check"), QStringLiteral("--strict"), src.path()});
    EXPECT_EQ(strict.code, 1);
    EXPECT_EQ(strict.out, lenient.out);
}

TEST(CheckTool, ErrorsExitOneEvenWithoutStrict)
{
    QTemporaryDir notACourse;
    const ToolRun run = runTool({QStringLiteral("check"), notACourse.path()});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(u"pages/")) << run.err.toStdString();
    EXPECT_EQ(runTool({QStringLiteral("check")}).code, 2);
}

TEST(CheckTool, TheBundledCoursePassesStrict)
{
    const ToolRun run =
        runTool({QStringLiteral("check"), QStringLiteral("--strict"), QStringLiteral(VORLANE_SAMPLE_DIR)});
    EXPECT_EQ(run.code, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
}

TEST(CheckTool, BuildCourseWarnsAfterBuilding)
{
    QTemporaryDir src, app;
    write(src, "pages/1.page", "Numeropage: 1\nIndex: 1\n@@corps\n##TAB0102001\n");
    const ToolRun run = runTool({QStringLiteral("build-course"), src.path(), app.path()});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(app.filePath(QStringLiteral("PcTs.sqlite"))));
    EXPECT_TRUE(run.err.contains(src.filePath(QStringLiteral("pages/1.page")) + QStringLiteral(":4: ")))
        << run.err.toStdString();
}

} // namespace
