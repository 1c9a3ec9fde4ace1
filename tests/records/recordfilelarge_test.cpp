// Record files larger than one read block or one in-memory write: a page index cache
// of 10,000 rows, a file cut in the middle of a record, a record far beyond the end.
#include "core/records/recordfile.h"
#include "core/text/decimal.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

class RecordFileLargeTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("LISTETS.MPC")); }
};

// 20,000 records: more than two blocks of the range read.
TEST_F(RecordFileLargeTest, ARangeOfManyRecordsReadsBackEveryText)
{
    const RecordFile f(path());
    std::vector<std::pair<int, QString>> records;
    for (int n = 1; n <= 20000; ++n)
        records.emplace_back(n, QString::number(n * 7 % 30001));
    ASSERT_TRUE(f.writeMany(records));
    EXPECT_EQ(QFile(path()).size(), 20000 * 128);
    const QStringList texts = f.readRange(1, 20000);
    ASSERT_EQ(texts.size(), 20000);
    for (int n = 1; n <= 20000; ++n)
        ASSERT_EQ(texts[n - 1], QString::number(n * 7 % 30001)) << "record " << n;
    // A range that starts inside the file and ends past it.
    const QStringList tail = f.readRange(19999, 20003);
    EXPECT_EQ(tail, (QStringList{QString::number(19999 * 7 % 30001), QString::number(20000 * 7 % 30001),
                                 QString(), QString(), QString()}));
}

// A file cut inside record 9,000 (in the second read block): that record is damaged and
// reads empty, as do the records past the end; the ones before it are whole.
TEST_F(RecordFileLargeTest, AFileCutInsideARecordReadsThatRecordAndTheRestEmpty)
{
    const RecordFile f(path());
    std::vector<std::pair<int, QString>> records;
    for (int n = 1; n <= 10000; ++n)
        records.emplace_back(n, QStringLiteral("page %1").arg(n));
    ASSERT_TRUE(f.writeMany(records));
    {
        QFile file(path());
        ASSERT_TRUE(file.resize(8999 * 128 + 5)); // length and 3 of the 9 bytes of "page 9000"
    }
    const QStringList texts = f.readRange(8990, 9010);
    ASSERT_EQ(texts.size(), 21);
    for (int n = 8990; n <= 8999; ++n)
        EXPECT_EQ(texts[n - 8990], QStringLiteral("page %1").arg(n));
    for (int n = 9000; n <= 9010; ++n)
        EXPECT_EQ(texts[n - 8990], QString()) << "record " << n;
}

// The numbers of a range are those of its texts read one by one, across blocks,
// in damaged records, in a record cut by the end of the file and past that end.
TEST_F(RecordFileLargeTest, NumbersOfARangeAreTheDecimalReadsOfItsTexts)
{
    const QString texts[] = {u"42"_s,
                             u"-3.5"_s,
                             u"  17 pages"_s,
                             QString(),
                             u"1E3"_s,
                             u"\u00e9t\u00e9 12"_s,
                             u"0x10"_s,
                             u"+8"_s,
                             u"9 999"_s,
                             u"1,5"_s,
                             u"."_s,
                             u"-"_s,
                             u"1234567890"_s,
                             u"007"_s,
                             u"0"_s,
                             u"999999999999999"_s,
                             u"12345678901234567"_s,
                             u"99999999999999999999"_s};
    const int count = 9000; // across many blocks of records
    std::vector<std::pair<int, QString>> records;
    for (int n = 1; n <= count; ++n)
        records.emplace_back(n, texts[std::size_t(n) % std::size(texts)]);
    const RecordFile f(path());
    ASSERT_TRUE(f.writeMany(records));
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        // Record 100: a length beyond what a record holds; record 8,999: a cut record.
        ASSERT_TRUE(file.seek(99 * 128));
        ASSERT_EQ(file.write("\xc8\x00", 2), 2);
        file.close();
        ASSERT_TRUE(file.resize(8998 * 128 + 3));
    }
    for (const auto &[first, last] :
         std::vector<std::pair<int, int>>{{1, count + 5}, {8190, 8195}, {8999, 9003}}) {
        const QStringList read = f.readRange(first, last);
        const std::vector<double> numbers = f.readNumbers(first, last);
        ASSERT_EQ(numbers.size(), std::size_t(read.size()));
        for (int i = 0; i < read.size(); ++i) {
            const double expected = DecimalRead(read[i]);
            ASSERT_TRUE(numbers[std::size_t(i)] == expected ||
                        (std::isnan(expected) && std::isnan(numbers[std::size_t(i)])))
                << "record " << first + i << ": " << read[i].toStdString();
        }
    }
    EXPECT_EQ(f.readNumbers(1, 2), (std::vector<double>{-3.5, 17}));
    EXPECT_EQ(f.readNumbers(13, 13), std::vector<double>{7});
    EXPECT_EQ(f.readNumbers(18, 18), std::vector<double>{42});
    EXPECT_TRUE(f.readNumbers(0, 3).empty());
}

// Record 600,000 lies 76 MB into the file: the bytes between the old end and it read as
// zeros (records never written), the old records are kept.
TEST_F(RecordFileLargeTest, ARecordFarBeyondTheEndKeepsTheOldRecordsAndLeavesEmptyOnesBetween)
{
    const RecordFile f(path());
    ASSERT_TRUE(f.writeMany({{1, QStringLiteral("un")}, {2, QStringLiteral("deux")}}));
    ASSERT_TRUE(f.write(600000, QStringLiteral("loin")));
    EXPECT_EQ(QFile(path()).size(), qint64(600000) * 128);
    EXPECT_EQ(f.read(1), QStringLiteral("un"));
    EXPECT_EQ(f.read(2), QStringLiteral("deux"));
    EXPECT_EQ(f.read(3), QString());
    EXPECT_EQ(f.read(300000), QString());
    EXPECT_EQ(f.read(600000), QStringLiteral("loin"));
    // And a later small write keeps the far record.
    ASSERT_TRUE(f.write(2, QStringLiteral("DEUX")));
    EXPECT_EQ(f.read(600000), QStringLiteral("loin"));
    EXPECT_EQ(f.read(2), QStringLiteral("DEUX"));
}

} // namespace
