#include "core/course/coursesources.h"
#include "core/records/recordfile.h"
#include "core/records/statefile.h"
#include "testsupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using vorlane::testing::runTool;
using vorlane::testing::ToolRun;

namespace {

CoursePage page(int number, int index, const QString &body)
{
    CoursePage p;
    p.source = QStringLiteral("p%1.page").arg(number);
    p.titre = QStringLiteral("Page %1").arg(number);
    p.numeropage = number;
    p.index = index;
    p.sommaire = 1;
    p.fpc = body;
    return p;
}

class CourseToolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString folder() const { return dir.path(); }
    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    void bundled()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(VORLANE_BIN_DIR "/PcTs.sqlite"), file("PcTs.sqlite")));
    }
    void course(const std::vector<CoursePage> &pages)
    {
        CourseSources s;
        s.pages = pages;
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(s, folder(), &error)) << error.toStdString();
    }
    ToolRun index() { return runTool({QStringLiteral("index"), QStringLiteral("--course"), folder()}); }

    QTemporaryDir dir;
};

TEST_F(CourseToolTest, IndexListsEverySlotAndWritesTheCache)
{
    bundled();
    const ToolRun run = index();
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 201);
    // The bundled pages are stored in page order with Index = Numeropage.
    EXPECT_EQ(lines[0], u"1\t0\t0");
    EXPECT_EQ(lines[27], u"28\t27\t27");
    EXPECT_EQ(lines[160], u"161\t160\t160");
    EXPECT_EQ(lines[198], u"199\t198\t198");
    EXPECT_EQ(lines[200], u"201\t200\t200");
    EXPECT_EQ(QFile(file("LISTETS.MPC")).size(), 2 * 201 * RecordFile::kRecordLength);
    EXPECT_EQ(StateFile(folder()).indexCacheState(), u"VU");
}

TEST_F(CourseToolTest, IndexReadsTheCacheOnTheSecondRunAndRebuildsOnVoir)
{
    course({page(2, 1, {}), page(1, 3, {}), page(3, 2, {})});
    ASSERT_EQ(index().out, QStringLiteral("1\t1\t0\n2\t0\t2\n3\t2\t1\n"));
    RecordFile(file("LISTETS.MPC")).write(1, QStringLiteral("9"));
    EXPECT_EQ(index().out, QStringLiteral("1\t9\t0\n2\t0\t2\n3\t2\t1\n"));
    StateFile(folder()).setIndexCacheState(QStringLiteral("VOIR"));
    EXPECT_EQ(index().out, QStringLiteral("1\t1\t0\n2\t0\t2\n3\t2\t1\n"));
}

TEST_F(CourseToolTest, IndexLeavesTheRunningFlagsAlone)
{
    course({page(1, 1, {})});
    StateFile(folder()).setModuleFlag(3, QStringLiteral("OUI"));
    ASSERT_EQ(index().code, 0);
    EXPECT_EQ(StateFile(folder()).moduleFlag(3), u"OUI");
}

TEST_F(CourseToolTest, IndexDuplicateNumbersTheLaterRowWins)
{
    course({page(1, 1, {}), page(2, 2, {}), page(1, 3, {})});
    EXPECT_EQ(index().out, QStringLiteral("1\t2\t0\n2\t1\t1\n3\t0\t2\n"));
}

TEST_F(CourseToolTest, CourseThatCannotBeUsedIsRefused)
{
    ToolRun run = runTool({QStringLiteral("index"), QStringLiteral("--course"), file("absent")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(file("absent")));
    run = index();
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("PcTs")));
    QFile damaged(file("PcTs.sqlite"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(3000, 'x'));
    damaged.close();
    run = runTool({QStringLiteral("render"), QStringLiteral("--course"), folder(), QStringLiteral("--page"),
                   QStringLiteral("1"), QStringLiteral("--test-metrics")});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("unreadable")));
}

TEST_F(CourseToolTest, UsageErrors)
{
    EXPECT_EQ(runTool({QStringLiteral("index")}).code, 2);
    EXPECT_EQ(runTool({QStringLiteral("index"), QStringLiteral("--course")}).code, 2);
    EXPECT_EQ(
        runTool({QStringLiteral("index"), QStringLiteral("--course"), folder(), QStringLiteral("x")}).code,
        2);
    EXPECT_EQ(runTool({QStringLiteral("render"), QStringLiteral("--course"), folder()}).code, 2);
    EXPECT_EQ(runTool({QStringLiteral("render"), QStringLiteral("--course"), folder(),
                       QStringLiteral("--page"), QStringLiteral("un")})
                  .code,
              2);
}

TEST_F(CourseToolTest, RenderDrawsThePageAsRenderMarkupDrawsItsBody)
{
    bundled();
    QString body;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("coursetool"));
        db.setDatabaseName(file("PcTs.sqlite"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("SELECT fpc FROM Cours WHERE Numeropage = 40")));
        ASSERT_TRUE(q.next());
        body = q.value(0).toString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("coursetool"));

    const ToolRun page =
        runTool({QStringLiteral("render"), QStringLiteral("--course"), folder(), QStringLiteral("--page"),
                 QStringLiteral("40"), QStringLiteral("--test-metrics")});
    ASSERT_EQ(page.code, 0) << page.err.toStdString();
    const ToolRun markup =
        runTool({QStringLiteral("render-markup"), QStringLiteral("--test-metrics")}, body.toUtf8());
    ASSERT_EQ(markup.code, 0) << markup.err.toStdString();
    EXPECT_EQ(page.out, markup.out);
    EXPECT_TRUE(page.out.contains(QString::fromUtf8("Célérité")));
}

TEST_F(CourseToolTest, RenderOfANumberWithoutARowShowsTheRowTheIndexGives)
{
    // Page 2 is missing: PageByNumber(2) is 0, the first row. Page 7 has no
    // slot at all: the row the index left current (the last one, after a
    // rebuild) is drawn.
    course({page(1, 1, QStringLiteral("premier\u00b6\r\n")), page(3, 2, QStringLiteral("milieu\u00b6\r\n")),
            page(4, 3, QStringLiteral("dernier\u00b6\r\n"))});
    const QStringList common = {QStringLiteral("render"), QStringLiteral("--course"), folder(),
                                QStringLiteral("--test-metrics"), QStringLiteral("--page")};
    ToolRun run = runTool(common + QStringList{QStringLiteral("2")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("premier")));
    QFile::remove(file("LISTETS.MPC"));
    run = runTool(common + QStringList{QStringLiteral("7")});
    EXPECT_TRUE(run.out.contains(QStringLiteral("dernier")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("premier")));
}

TEST_F(CourseToolTest, RenderWritesTheTraceToAFile)
{
    course({page(1, 1, QStringLiteral("bonjour\u00b6\r\n"))});
    const QString trace = file("trace.jsonl");
    const ToolRun run =
        runTool({QStringLiteral("render"), QStringLiteral("--course"), folder(), QStringLiteral("--page"),
                 QStringLiteral("1"), QStringLiteral("--test-metrics"), QStringLiteral("--trace"), trace});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    QFile f(trace);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("bonjour"));
    EXPECT_TRUE(text.contains("\"end\""));
}

} // namespace
