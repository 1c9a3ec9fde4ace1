#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

TEST(RecordTool, SetWritesWindows1252AndGetReadsItBack)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    const QString text = QString::fromUtf8("complète pour l'enseignant");
    ToolRun set = runTool({QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("32"), text});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 32 * 128);
    EXPECT_EQ(bytes.mid(31 * 128, 28), QByteArray("\x1A\x00" "compl\xE8te pour l'enseignant", 28));
    ToolRun get = runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("32")});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, text + u'\n');
}

TEST(RecordTool, RefusesWhatCannotBeUsed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    ToolRun tooLong = runTool({QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("1"), QString(127, u'x')});
    EXPECT_EQ(tooLong.code, 1);
    EXPECT_TRUE(tooLong.err.contains(u"126"));
    EXPECT_EQ(runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("zero")}).code, 2);
    EXPECT_EQ(runTool({QStringLiteral("record"), QStringLiteral("frob"), file, QStringLiteral("1")}).code, 2);
    EXPECT_EQ(runTool({QStringLiteral("nonsense")}).code, 2);
    // A missing file reads as empty and is created.
    ToolRun get = runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("34")});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, u"\n");
    EXPECT_TRUE(QFile::exists(file));
}

TEST(BuildCourseTool, ReportsTheFaultySource)
{
    QTemporaryDir src, app;
    QDir().mkpath(src.filePath(QStringLiteral("pages")));
    QFile f(src.filePath(QStringLiteral("pages/1.page")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Numeropage: 1\nIndex: un\n");
    f.close();
    ToolRun r = runTool({QStringLiteral("build-course"), src.path(), app.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("1.page:2"))) << r.err.toStdString();
    EXPECT_EQ(runTool({QStringLiteral("build-course"), src.path()}).code, 2);
}
