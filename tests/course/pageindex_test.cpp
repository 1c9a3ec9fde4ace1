#include "core/course/coursesources.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/records/recordfile.h"
#include "core/records/statefile.h"
#include "fakes/fakecourserows.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class RecordingStrip final : public ProgressStrip {
public:
    void centre() override { ++centred; }
    void fill(double fraction) override { fills.push_back(fraction); }
    void finish() override { ++hidden; }
    int centred = 0;
    int hidden = 0;
    std::vector<double> fills;
};

// Three rows whose numbers and indexes are all out of stored order:
//   position 0: Numeropage 1, Index 2
//   position 1: Numeropage 3, Index 1
//   position 2: Numeropage 2, Index 3
FakeCourseRows threeRows()
{
    FakeCourseRows t;
    t.rows = {FakeCourseRows::page(1, 2), FakeCourseRows::page(3, 1), FakeCourseRows::page(2, 3)};
    return t;
}

class PageIndexTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString folder() const { return dir.path() + u'/'; }
    QString cachePath() const { return folder() + QStringLiteral("LISTETS.MPC"); }
    StateFile state() const { return StateFile(folder()); }

    QTemporaryDir dir;
    LocalFiles files;
};

TEST_F(PageIndexTest, FirstStartBuildsTheIndexAndItsCache)
{
    FakeCourseRows rows = threeRows();
    RecordingStrip strip;
    PageIndex index;
    PageIndexLoader loader(folder(), files, rows, &strip);

    EXPECT_EQ(loader.LoadPageIndex(index), PageIndexLoader::Source::Rebuilt);

    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
    EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 1, 0, 2}));
    EXPECT_EQ(rows.positionSets, 3);
    EXPECT_EQ(rows.absolutePosition(), 2); // left on the last row

    // 2R records: PageByNumber(k) then PageByOrder(k) for k = 1..3.
    ASSERT_TRUE(QFile::exists(cachePath()));
    EXPECT_EQ(QFile(cachePath()).size(), 6 * RecordFile::kRecordLength);
    const RecordFile cache(cachePath());
    EXPECT_EQ(cache.readRange(1, 6),
              (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("0"),
                           QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(state().indexCacheState(), u"VU");

    // The strip runs from 0 to 1 over the two passes, then hides.
    EXPECT_EQ(strip.centred, 1);
    EXPECT_EQ(strip.hidden, 1);
    ASSERT_EQ(strip.fills.size(), 6u);
    EXPECT_DOUBLE_EQ(strip.fills.front(), 0.0);
    EXPECT_DOUBLE_EQ(strip.fills[2], 0.5);
    EXPECT_DOUBLE_EQ(strip.fills[3], 0.5);
    EXPECT_DOUBLE_EQ(strip.fills.back(), 1.0);
}

TEST_F(PageIndexTest, SecondStartReadsTheCacheAndVisitsNoRow)
{
    {
        FakeCourseRows rows = threeRows();
        PageIndex index;
        PageIndexLoader(folder(), files, rows).LoadPageIndex(index);
    }
    state().resetAtStartup(); // a normal start leaves record 34 alone

    FakeCourseRows rows = threeRows();
    RecordingStrip strip;
    PageIndex index;
    EXPECT_EQ(PageIndexLoader(folder(), files, rows, &strip).LoadPageIndex(index),
              PageIndexLoader::Source::Cache);
    EXPECT_EQ(rows.positionSets, 0);
    EXPECT_EQ(rows.fieldReads, 0);
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
    EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 1, 0, 2}));
    EXPECT_EQ(strip.fills, (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_EQ(strip.hidden, 1);
}

TEST_F(PageIndexTest, AbsentRecord34WithACacheLoadsTheCache)
{
    RecordFile(cachePath()).writeMany({{1, QStringLiteral("2")}, {2, QStringLiteral("1")}});
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1)};
    PageIndex index;
    EXPECT_EQ(state().indexCacheState(), u"");
    EXPECT_EQ(PageIndexLoader(folder(), files, rows).LoadPageIndex(index), PageIndexLoader::Source::Cache);
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 2}));
    EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 1}));
}

TEST_F(PageIndexTest, VoirForcesARebuildOfAnExistingCache)
{
    // A cache that does not match the table: every slot points at row 7.
    std::vector<std::pair<int, QString>> stale;
    for (int r = 1; r <= 6; ++r)
        stale.emplace_back(r, QStringLiteral("7"));
    RecordFile(cachePath()).writeMany(stale);
    state().setIndexCacheState(QStringLiteral("VOIR"));

    FakeCourseRows rows = threeRows();
    PageIndex index;
    EXPECT_EQ(PageIndexLoader(folder(), files, rows).LoadPageIndex(index), PageIndexLoader::Source::Rebuilt);
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
    EXPECT_EQ(RecordFile(cachePath()).read(1), u"0");
    EXPECT_EQ(state().indexCacheState(), u"VU");
}

TEST_F(PageIndexTest, AStaleCacheIsUsedAsItIs)
{
    std::vector<std::pair<int, QString>> stale;
    for (int r = 1; r <= 6; ++r)
        stale.emplace_back(r, QStringLiteral("7"));
    RecordFile(cachePath()).writeMany(stale);
    state().setIndexCacheState(QStringLiteral("VU"));

    FakeCourseRows rows = threeRows();
    PageIndex index;
    PageIndexLoader(folder(), files, rows).LoadPageIndex(index);
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 7, 7, 7}));
}

TEST_F(PageIndexTest, ACacheThatCannotBeWrittenIsNotKept)
{
    // The disk is full after 512 bytes: the six records of the cache (768 bytes)
    // do not fit, nor does record 34 of the state file.
    FakeCourseRows rows = threeRows();
    PageIndex index;
    {
        FileSizeLimit full(512);
        EXPECT_EQ(PageIndexLoader(folder(), files, rows).LoadPageIndex(index),
                  PageIndexLoader::Source::Rebuilt);
    }
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
    EXPECT_FALSE(QFile::exists(cachePath()));
    // The next start, with space again, builds the index from the rows again.
    PageIndex next;
    EXPECT_EQ(PageIndexLoader(folder(), files, rows).LoadPageIndex(next), PageIndexLoader::Source::Rebuilt);
    EXPECT_EQ(next.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
    EXPECT_EQ(next.byOrder, (std::vector<std::int16_t>{0, 1, 0, 2}));
    EXPECT_EQ(QFileInfo(cachePath()).size(), 6 * 128);
}

TEST_F(PageIndexTest, DuplicatePageNumbersTheLaterRowWins)
{
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1), FakeCourseRows::page(4, 2), FakeCourseRows::page(3, 3),
                 FakeCourseRows::page(4, 4), FakeCourseRows::page(2, 4)};
    PageIndex index;
    PageIndexLoader(folder(), files, rows).BuildPageIndex(index);
    EXPECT_EQ(index.PageByNumber(4), 3);
    EXPECT_EQ(index.PageByOrder(4), 4);
    EXPECT_EQ(index.PageByNumber(5), 0); // no row: slot stays 0
}

TEST_F(PageIndexTest, NumbersWithoutASlotLeaveTheRowOut)
{
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1), FakeCourseRows::page(161, 2), FakeCourseRows::page(0, 0)};
    PageIndex index;
    PageIndexLoader(folder(), files, rows).BuildPageIndex(index);
    ASSERT_EQ(index.slotCount(), 4); // slots 0..3
    EXPECT_EQ(index.PageByNumber(161), std::nullopt);
    EXPECT_EQ(index.PageByNumber(0), 2);
    EXPECT_EQ(index.PageByNumber(-1), std::nullopt);
    EXPECT_EQ(index.PageByNumber(2.5), 0);            // halves to even: slot 2
    EXPECT_EQ(index.PageByNumber(3.5), std::nullopt); // slot 4 does not exist
}

TEST_F(PageIndexTest, EmptyTableGivesOnlySlotZeroAndAnEmptyCache)
{
    // No last row: n is -1 and the arrays have slots 0..n + 1, that is slot 0.
    FakeCourseRows rows;
    PageIndex index;
    PageIndexLoader(folder(), files, rows).LoadPageIndex(index);
    EXPECT_EQ(index.slotCount(), 1);
    EXPECT_EQ(index.PageByNumber(0), 0);
    EXPECT_EQ(index.PageByNumber(1), std::nullopt);
    EXPECT_TRUE(QFile::exists(cachePath()));
    EXPECT_EQ(QFile(cachePath()).size(), 0);
}

TEST_F(PageIndexTest, CacheWithGarbageRecordsReadsThemAsZero)
{
    RecordFile(cachePath()).writeMany({{1, QStringLiteral("abc")}, {2, QStringLiteral("99999")}});
    QFile f(cachePath());
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(QByteArray(50, '\xff')); // a torn third record
    f.close();
    state().setIndexCacheState(QStringLiteral("VU"));
    FakeCourseRows rows;
    rows.rows = {FakeCourseRows::page(1, 1), FakeCourseRows::page(2, 2)};
    PageIndex index;
    PageIndexLoader(folder(), files, rows).LoadPageIndex(index);
    EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 0}));
    EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 0, 0})); // 99999 does not fit 16 bits
}

// An installed course, read-only for pupils: the index is rebuilt at each start
// and lives in memory; an installed cache is neither removed nor rewritten, and
// the state file's "VU" stays in the run's memory.
TEST_F(PageIndexTest, AReadOnlyFolderIsNeverWritten)
{
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                          QFile::ReadOther | QFile::ExeOther;
    const auto listing = [this] { return QDir(dir.path()).entryList(QDir::Files); };
    {
        ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
        FakeCourseRows rows = threeRows();
        PageIndex index;
        StateMemory memory;
        EXPECT_EQ(PageIndexLoader(folder(), files, rows, nullptr, {}, &memory).LoadPageIndex(index),
                  PageIndexLoader::Source::Rebuilt);
        EXPECT_EQ(index.byNumber, (std::vector<std::int16_t>{0, 0, 2, 1}));
        EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 1, 0, 2}));
        EXPECT_TRUE(listing().isEmpty());
        EXPECT_EQ(StateFile(folder(), &memory).indexCacheState(), u"VU");
    }
    // A cache installed with the course (asked to be rebuilt by "VOIR") stays.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner));
    {
        FakeCourseRows rows = threeRows();
        PageIndex index;
        PageIndexLoader(folder(), files, rows).LoadPageIndex(index);
        ASSERT_TRUE(state().setIndexCacheState(QStringLiteral("VOIR")));
    }
    QFile cache(cachePath());
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    const QByteArray bytes = cache.readAll();
    cache.close();
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly));
    FakeCourseRows rows = threeRows();
    PageIndex index;
    StateMemory memory;
    EXPECT_EQ(PageIndexLoader(folder(), files, rows, nullptr, {}, &memory).LoadPageIndex(index),
              PageIndexLoader::Source::Rebuilt);
    EXPECT_EQ(index.byOrder, (std::vector<std::int16_t>{0, 1, 0, 2}));
    ASSERT_TRUE(cache.open(QIODevice::ReadOnly));
    EXPECT_EQ(cache.readAll(), bytes);
    EXPECT_EQ(listing(), (QStringList{QStringLiteral("LISTETS.MPC"), QStringLiteral("TEMPTS.TMP")}));
    EXPECT_EQ(state().indexCacheState(), u"VOIR"); // the file, unchanged
    ASSERT_TRUE(QFile::setPermissions(dir.path(), readOnly | QFile::WriteOwner));
}

} // namespace

// The strip is painted again at most every 20 ms while the index loads.
// A compiled course read through the course table: its page numbers and
// orders are read at once for the rebuild, the rest of a page stays unread, and
// the index is the one a row-by-row visit gives.
TEST_F(PageIndexTest, RebuildThroughTheCourseTableReadsTheKeysOfEveryRowAtOnce)
{
    CourseSources sources;
    const std::vector<std::pair<int, int>> keys = {{1, 2}, {3, 1}, {2, 3}, {3, 4}, {161, 5}};
    FakeCourseRows expectedRows;
    for (const auto &[number, order] : keys) {
        CoursePage page;
        page.titre = QStringLiteral("Page %1").arg(number);
        page.numeropage = number;
        page.index = order;
        page.fpc = QStringLiteral("Corps %1\r\n").arg(number);
        sources.pages.push_back(page);
        expectedRows.rows.push_back(FakeCourseRows::page(number, order));
    }
    QString error;
    ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
    CourseTable course;
    ASSERT_EQ(course.open(folder() + QStringLiteral("PcTs.sqlite")), CourseOpener::Result::Opened);
    const TableRows &rows = course.control().rows();
    const int number = rows.columnIndex(u"Numeropage");
    const int order = rows.columnIndex(u"Index");
    const int body = rows.columnIndex(u"fpc");
    // Opened, nothing but the rows is read.
    EXPECT_TRUE(rows.isDeferred(number));
    EXPECT_TRUE(rows.isDeferred(order));

    PageIndex index;
    EXPECT_EQ(PageIndexLoader(folder(), files, course).LoadPageIndex(index),
              PageIndexLoader::Source::Rebuilt);
    EXPECT_FALSE(rows.isDeferred(number));
    EXPECT_FALSE(rows.isDeferred(order));
    EXPECT_TRUE(rows.isDeferred(body));
    EXPECT_EQ(rows.cell(4, number), QStringLiteral("161"));

    PageIndex expected;
    QTemporaryDir other;
    PageIndexLoader(other.path() + u'/', files, expectedRows).BuildPageIndex(expected);
    EXPECT_EQ(index.byNumber, expected.byNumber);
    EXPECT_EQ(index.byOrder, expected.byOrder);
    // The other fields of a row are still read when it is shown.
    ASSERT_TRUE(course.setAbsolutePosition(*index.PageByNumber(2)));
    EXPECT_EQ(course.field(QStringLiteral("titre")), QStringLiteral("Page 2"));
    EXPECT_EQ(course.field(QStringLiteral("Index")), QStringLiteral("3"));
}

TEST(RepaintPace, AtMostOneRepaintPerIntervalAndAClockGoingBackIsTimePassed)
{
    struct Step {
        qint64 now;
        bool due;
    };
    const Step steps[] = {
        {100, true},                             // the first change is painted at once
        {100, false}, {119, false}, {120, true}, // 20 ms after the last repaint
        {121, false}, {139, false}, {140, true}, {500, true}, {519, false}, {10, true}, // the clock went back
        {29, false},  {30, true},
    };
    RepaintPace pace;
    for (const Step &s : steps)
        EXPECT_EQ(pace.due(s.now), s.due) << "at " << s.now << " ms";
}
