#include "core/records/recordfile.h"
#include "core/records/statefile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class RecordFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("T.TMP")); }
};

TEST_F(RecordFileTest, WritesLengthThenWindows1252Bytes)
{
    RecordFile f(path());
    ASSERT_TRUE(f.write(32, QString::fromUtf8("complète pour l'enseignant")));
    const QByteArray bytes = fileBytes(path());
    ASSERT_EQ(bytes.size(), 32 * 128);
    const QByteArray rec = bytes.mid(31 * 128, 128);
    EXPECT_EQ(quint8(rec[0]), 0x1A);
    EXPECT_EQ(quint8(rec[1]), 0x00);
    EXPECT_EQ(rec.mid(2, 26), QByteArray("compl\xE8te pour l'enseignant"));
    EXPECT_EQ(rec.mid(28), QByteArray(100, '\0'));
    EXPECT_EQ(f.read(32), QString::fromUtf8("complète pour l'enseignant"));
    // Records before it were never written.
    EXPECT_EQ(f.read(1), QString());
    EXPECT_EQ(f.read(31), QString());
}

TEST_F(RecordFileTest, MissingFileReadsEmptyAndIsCreated)
{
    RecordFile f(path());
    EXPECT_EQ(f.read(34), QString());
    EXPECT_TRUE(QFile::exists(path()));
}

TEST_F(RecordFileTest, WriteReplacesTheWholeRecord)
{
    RecordFile f(path());
    ASSERT_TRUE(f.write(2, QStringLiteral("a much longer text here")));
    ASSERT_TRUE(f.write(2, QStringLiteral("OUI")));
    EXPECT_EQ(f.read(2), u"OUI");
    EXPECT_EQ(fileBytes(path()).mid(128 + 5), QByteArray(123, '\0'));
}

TEST_F(RecordFileTest, TextLimitIs126Bytes)
{
    RecordFile f(path());
    EXPECT_TRUE(f.write(1, QString(126, u'x')));
    EXPECT_EQ(f.read(1), QString(126, u'x'));
    EXPECT_FALSE(f.write(1, QString(127, u'x')));
    EXPECT_EQ(f.read(1), QString(126, u'x'));
    EXPECT_TRUE(f.write(3, QString::fromUtf8("Мир")));
    EXPECT_EQ(f.read(3), u"???");
}

TEST_F(RecordFileTest, DamagedRecordsReadEmptyWithoutReadingPastTheRecord)
{
    // Record 1: length 200 (beyond the record); record 2: length 0xFFFF (negative);
    // record 3: sound; record 4: length 5 but the file ends after 3 bytes of text.
    QByteArray bytes(3 * 128, '\0');
    bytes[0] = char(200);
    bytes[128] = char(0xFF);
    bytes[129] = char(0xFF);
    bytes[256] = 2;
    bytes[258] = 'O';
    bytes[259] = 'K';
    // Filling record 1's tail with text must not leak into the read.
    for (int i = 2; i < 128; ++i)
        bytes[i] = 'Z';
    bytes.append(QByteArray("\x05\x00"
                            "abc",
                            5));
    writeBytes(path(), bytes);
    RecordFile f(path());
    EXPECT_EQ(f.read(1), QString());
    EXPECT_EQ(f.read(2), QString());
    EXPECT_EQ(f.read(3), u"OK");
    EXPECT_EQ(f.read(4), QString());
    EXPECT_EQ(f.read(1000), QString());
    // Record 4's bytes are still there after reads: reads never write.
    EXPECT_EQ(fileBytes(path()).size(), 3 * 128 + 5);
}

TEST_F(RecordFileTest, RecordNumbersBelowOneAreRefused)
{
    RecordFile f(path());
    EXPECT_FALSE(f.write(0, QStringLiteral("x")));
    EXPECT_EQ(f.read(0), QString());
    EXPECT_EQ(f.read(-5), QString());
}

TEST_F(RecordFileTest, UnopenableFileReadsEmptyAndRefusesWrites)
{
    RecordFile f(dir.filePath(QStringLiteral("missing-folder/T.TMP")));
    EXPECT_EQ(f.read(1), QString());
    EXPECT_FALSE(f.write(1, QStringLiteral("x")));
}

TEST_F(RecordFileTest, RecordNumbersWhoseOffsetDoesNotFitAreRefused)
{
    // Offsets are 32-bit: record 16777215 ends at byte 2147483520, record 16777216
    // would end past 2^31 - 1. Reads of refused records give the empty text at
    // once (no loop up to the largest int), writes are refused and change nothing.
    RecordFile f(path());
    ASSERT_TRUE(f.write(1, QStringLiteral("OUI")));
    const QByteArray before = fileBytes(path());
    EXPECT_EQ(f.read(2147483647), QString());
    EXPECT_EQ(f.read(16777216), QString());
    EXPECT_EQ(f.read(16777215), QString());
    EXPECT_EQ(f.readRange(2147483646, 2147483647), QStringList());
    EXPECT_EQ(f.readRange(1, 2147483647), QStringList());
    EXPECT_EQ(f.readRange(1, 2), (QStringList{QStringLiteral("OUI"), QString()}));
    EXPECT_FALSE(f.write(2147483647, QStringLiteral("x")));
    EXPECT_FALSE(f.write(16777216, QStringLiteral("x")));
    EXPECT_FALSE(f.writeMany({{2, QStringLiteral("x")}, {16777216, QStringLiteral("y")}}));
    EXPECT_EQ(fileBytes(path()), before);
}

TEST_F(RecordFileTest, FailedWriteOnAFullDiskLeavesThePreviousFileAsItWas)
{
    RecordFile f(path());
    std::vector<std::pair<int, QString>> flags;
    for (int n = 1; n <= 32; ++n)
        flags.emplace_back(n, QStringLiteral("NON"));
    ASSERT_TRUE(f.writeMany(flags));
    const QByteArray before = fileBytes(path());
    ASSERT_EQ(before.size(), 32 * 128);
    {
        vorlane::testing::FileSizeLimit full(1024);
        EXPECT_FALSE(f.write(1, QStringLiteral("OUI")));  // inside the file
        EXPECT_FALSE(f.write(40, QStringLiteral("OUI"))); // past its end
        EXPECT_FALSE(f.writeMany({{2, QStringLiteral("OUI")}, {3, QStringLiteral("OUI")}}));
    }
    EXPECT_EQ(fileBytes(path()), before);
    EXPECT_EQ(f.read(1), u"NON");
    // Nothing is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("T.TMP")});
    // With space again, the same write goes through.
    EXPECT_TRUE(f.write(1, QStringLiteral("OUI")));
    EXPECT_EQ(f.read(1), u"OUI");
    EXPECT_EQ(fileBytes(path()).mid(128), before.mid(128));
}

TEST_F(RecordFileTest, AFileThatTakesNothingIsAFailedWrite)
{
    // The record file is a link to /dev/full: every write fails once flushed.
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path()));
    RecordFile f(path());
    EXPECT_FALSE(f.write(1, QStringLiteral("OUI")));
    EXPECT_FALSE(f.writeMany({{1, QStringLiteral("OUI")}, {2, QStringLiteral("NON")}}));
    EXPECT_EQ(f.read(1), QString());
    // The device itself is left alone.
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/full")).isFile());
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
}

class StateFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
};

TEST_F(StateFileTest, StartupResetWritesRecordsOneTo32)
{
    StateFile s(dir.path());
    ASSERT_TRUE(s.records().write(5, QStringLiteral("OUI")));
    ASSERT_TRUE(s.setIndexCacheState(QStringLiteral("VU")));
    ASSERT_TRUE(s.resetAtStartup());
    for (int n = 1; n <= 31; ++n)
        EXPECT_EQ(s.records().read(n), u"NON") << n;
    EXPECT_EQ(s.description(), QString::fromUtf8("complète pour l'enseignant"));
    // Record 34 is not touched by the reset.
    EXPECT_EQ(s.indexCacheState(), u"VU");
}

TEST_F(StateFileTest, NewFileHoldsExactly32Records)
{
    StateFile s(dir.path());
    ASSERT_TRUE(s.resetAtStartup());
    EXPECT_EQ(fileBytes(s.path()).size(), 32 * 128);
    EXPECT_EQ(s.indexCacheState(), QString());
}

TEST_F(StateFileTest, CountRunningModules)
{
    StateFile s(dir.path());
    ASSERT_TRUE(s.resetAtStartup());
    EXPECT_EQ(s.CountRunningModules(3), 0);
    s.setModuleFlag(7, QStringLiteral("  OUI "));
    s.setModuleFlag(9, QStringLiteral("OUI"));
    s.setModuleFlag(10, QStringLiteral("oui"));
    EXPECT_EQ(s.CountRunningModules(3), 2);
    // The module's own flag not exactly "NON": -1.
    EXPECT_EQ(s.CountRunningModules(7), -1);
    EXPECT_EQ(s.CountRunningModules(10), -1);
    s.setModuleFlag(4, QStringLiteral("NON "));
    EXPECT_EQ(s.CountRunningModules(4), -1);
}

TEST_F(StateFileTest, UpdateCheckCountsAnythingButNonAsRunning)
{
    StateFile s(dir.path());
    ASSERT_TRUE(s.resetAtStartup());
    EXPECT_FALSE(s.anyModuleNotStopped());
    s.setModuleFlag(30, QStringLiteral(" NON"));
    EXPECT_TRUE(s.anyModuleNotStopped());
}

TEST_F(StateFileTest, MissingFileCountsAsNoFlag)
{
    StateFile s(dir.path());
    // Record n empty is not "NON".
    EXPECT_EQ(s.CountRunningModules(1), -1);
    EXPECT_TRUE(s.anyModuleNotStopped());
}
