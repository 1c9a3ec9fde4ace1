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
    ToolRun set =
        runTool({QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("32"), text});
    ASSERT_EQ(set.code, 0) << set.err.toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_EQ(bytes.size(), 32 * 128);
    EXPECT_EQ(bytes.mid(31 * 128, 28), QByteArray("\x1A\x00"
                                                  "compl\xE8te pour l'enseignant",
                                                  28));
    ToolRun get = runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("32")});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, text + u'\n');
}

TEST(RecordTool, RecordNumbersWhoseOffsetDoesNotFitAreRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    for (const char *n : {"2147483647", "16777216", "99999999999"}) {
        const QString number = QString::fromLatin1(n);
        ToolRun get = runTool({QStringLiteral("record"), QStringLiteral("get"), file, number}, {}, 10000);
        EXPECT_EQ(get.code, 1) << n << get.err.toStdString();
        EXPECT_TRUE(get.err.contains(number)) << get.err.toStdString();
        ToolRun set = runTool(
            {QStringLiteral("record"), QStringLiteral("set"), file, number, QStringLiteral("x")}, {}, 10000);
        EXPECT_EQ(set.code, 1) << n << set.err.toStdString();
        EXPECT_TRUE(set.err.contains(number)) << set.err.toStdString();
    }
    ToolRun last = runTool(
        {QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("16777215")}, {}, 10000);
    EXPECT_EQ(last.code, 0) << last.err.toStdString();
    EXPECT_EQ(last.out, u"\n");
}

TEST(RecordTool, SetOnAFullDiskFailsAndKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    for (int n = 1; n <= 32; ++n)
        ASSERT_EQ(runTool({QStringLiteral("record"), QStringLiteral("set"), file, QString::number(n),
                           QStringLiteral("NON")})
                      .code,
                  0);
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    ToolRun set = runTool(
        {QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("1"), QStringLiteral("OUI")},
        {}, 60000, 1024);
    EXPECT_EQ(set.code, 1);
    EXPECT_TRUE(set.err.contains(file)) << set.err.toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    // A record file that takes nothing (a link to /dev/full) is a failure too.
    const QString full = dir.filePath(QStringLiteral("FULL.TMP"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    EXPECT_EQ(runTool({QStringLiteral("record"), QStringLiteral("set"), full, QStringLiteral("1"),
                       QStringLiteral("OUI")})
                  .code,
              1);
}

TEST(RecordTool, RefusesWhatCannotBeUsed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("T.TMP"));
    ToolRun tooLong = runTool(
        {QStringLiteral("record"), QStringLiteral("set"), file, QStringLiteral("1"), QString(127, u'x')});
    EXPECT_EQ(tooLong.code, 1);
    EXPECT_TRUE(tooLong.err.contains(u"126"));
    EXPECT_EQ(runTool({QStringLiteral("record"), QStringLiteral("get"), file, QStringLiteral("zero")}).code,
              2);
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

TEST(BuildCourseTool, RefusesAChapterNumberTheTestWindowCannotHold)
{
    QTemporaryDir src, app;
    QDir().mkpath(src.filePath(QStringLiteral("tests")));
    QFile f(src.filePath(QStringLiteral("tests/big.test")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Titre: Grand\nChapitre: 21474837\n@@question 5\ntype: 2\nsolution: 01000\n@@texte\nQ\n");
    f.close();
    ToolRun r = runTool({QStringLiteral("build-course"), src.path(), app.path()});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("big.test:2"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("21474837"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(app.filePath(QStringLiteral("tcTs.sqlite"))));
}
