#include "core/store/accessreader.h"
#include "core/store/datacontrol.h"
#include "core/store/rowchannelformat.h"
#include "storetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <optional>
#include <random>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

QString mdbPath(const char *file)
{
    return mdbDir() + u'/' + QString::fromLatin1(file);
}

// The value of `field` in the row whose `keyField` is key; nullopt when no row has it.
std::optional<QString> lookUp(DataControl &data, QStringView keyField, const QString &key, QStringView field)
{
    for (int row = 0; row < data.rowCount(); ++row) {
        if (!data.setAbsolutePosition(row))
            return std::nullopt;
        if (data.field(keyField) == key)
            return data.field(field);
    }
    return std::nullopt;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace

// Every reading test runs twice: with libmdb's default bind size, and with a
// bind size of 64 bytes, far below the 348-character memo, which must still
// come back whole.
class AccessFiles : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        if (*GetParam())
            m_bindSize.emplace(rowchannel::kBindSizeVariable, QByteArray(GetParam()));
    }
    void TearDown() override { m_bindSize.reset(); }

    static void open(DataControl &data, const char *file, const QString &table)
    {
        data.setDatabaseName(mdbPath(file));
        data.setRecordSource(table);
        ASSERT_EQ(data.refresh(), StoreStatus::Ok) << file;
        ASSERT_EQ(data.database().kind(), Database::Kind::Access);
    }

private:
    std::optional<ScopedEnv> m_bindSize;
};

TEST_P(AccessFiles, Jet4MemoWithAccentsLineBreaksAndPilcrow)
{
    DataControl data(testReaderOptions());
    open(data, "jet4_test2V2000_accented_memo.mdb", u"msp_projects"_s);
    EXPECT_EQ(data.rows().tableName(), u"MSP_PROJECTS"_s); // the stored spelling
    ASSERT_EQ(data.rowCount(), 2);

    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"PROJ_ID"), u"2"_s);
    EXPECT_EQ(data.field(u"proj_name"), QString::fromUtf8("Projet élève ¶"));
    EXPECT_EQ(data.field(u"PROJ_PROP_TITLE"), QString::fromUtf8("Titre accentué"));
    EXPECT_EQ(data.field(u"PROJ_PROP_AUTHOR"),
              QString::fromUtf8("Première ligne : é è ê à ç ù ô « guillemets » € ¶\r\n"
                                "Deuxième ligne — œuvre, naïve, Noël.\r\n"));
    EXPECT_EQ(data.field(u"PROJ_OPT_CALC_ACT_COSTS"), u"1"_s);
    EXPECT_EQ(data.field(u"PROJ_IS_RES_POOL"), u"0"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_HONOR_CONSTRAINTS"), u"0"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_CURRENCY_DIGITS"), u"3"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_MINUTES_PER_DAY"), u"480"_s);

    ASSERT_TRUE(data.moveFirst());
    EXPECT_EQ(data.field(u"PROJ_ID"), u"1"_s);
    EXPECT_TRUE(data.moveLast());
    EXPECT_EQ(data.absolutePosition(), 1);
    EXPECT_FALSE(data.setAbsolutePosition(2));
    EXPECT_EQ(data.field(u"PROJ_ID"), u"2"_s);
}

TEST_P(AccessFiles, Jet3MemoOnItsOwnPageYesNoAndNumbers)
{
    DataControl data(testReaderOptions());
    open(data, "jet3_test2V1997.mdb", u"MSP_PROJECTS"_s);
    ASSERT_EQ(data.rowCount(), 1);
    EXPECT_EQ(data.absolutePosition(), 0);

    const QString author = data.field(u"PROJ_PROP_AUTHOR");
    EXPECT_EQ(author.size(), 348);
    EXPECT_TRUE(author.startsWith(u"Jon Iles this is a a vawesrasoih")) << author.left(40).toStdString();
    EXPECT_EQ(data.field(u"PROJ_PROP_TITLE"), u"Project1"_s);
    EXPECT_EQ(data.field(u"PROJ_PROP_COMPANY"), u"T"_s);
    EXPECT_EQ(data.field(u"PROJ_PROP_CATEGORY"), QString());
    EXPECT_EQ(data.field(u"PROJ_PROP_KEYWORDS"), QString());
    EXPECT_EQ(data.field(u"PROJ_OPT_CALC_ACT_COSTS"), u"1"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_HONOR_CONSTRAINTS"), u"1"_s);
    EXPECT_EQ(data.field(u"PROJ_IS_RES_POOL"), u"0"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_CURRENCY_DIGITS"), u"2"_s);
    EXPECT_EQ(data.field(u"PROJ_ID"), u"1"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_MINUTES_PER_DAY"), u"480"_s);
    EXPECT_EQ(data.field(u"PROJ_OPT_CURRENCY_SYMBOL"), QString::fromUtf8("£"));
}

TEST_P(AccessFiles, Jet3Windows1252TextAndYesNoRows)
{
    DataControl data(testReaderOptions());
    open(data, "jet3_testIndexCodesV1997.mdb", u"TABLE1"_s);
    EXPECT_EQ(data.rowCount(), 275);
    struct Case {
        const char *name;
        const char *data;
    };
    const Case cases[] = {
        {"row182", "AA¶AA"},
        {"row233", "AAéAA"},
        {"row232", "AAèAA"},
        {"row201", "AAÉAA"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(lookUp(data, u"name", QString::fromLatin1(c.name), u"data"), QString::fromUtf8(c.data))
            << c.name;

    DataControl yesNo(testReaderOptions());
    open(yesNo, "jet3_testIndexCodesV1997.mdb", u"table10"_s);
    ASSERT_EQ(yesNo.rowCount(), 5);
    const char *expected[] = {"0", "1", "1", "0", "0"};
    for (int row = 0; row < 5; ++row) {
        ASSERT_TRUE(yesNo.setAbsolutePosition(row));
        EXPECT_EQ(yesNo.field(u"data"), QString::fromLatin1(expected[row])) << row;
    }
}

TEST_P(AccessFiles, Jet4CompressedUnicodeText)
{
    DataControl data(testReaderOptions());
    open(data, "jet4_testUnicodeCompV2003.mdb", u"Table"_s);
    ASSERT_EQ(data.rowCount(), 8);
    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"Unicode"), QString::fromUtf8("ääkkösiä"));
    ASSERT_TRUE(data.setAbsolutePosition(2));
    EXPECT_EQ(data.field(u"unicode"), QString::fromUtf8("Мир"));
    ASSERT_TRUE(data.setAbsolutePosition(6));
    EXPECT_EQ(data.field(u"Unicode"), QString::fromUtf8("ümlaut"));

    QString everyCharacter;
    for (char16_t c = 1; c <= 0xFF; ++c)
        everyCharacter += QChar(c);
    ASSERT_TRUE(data.setAbsolutePosition(7));
    EXPECT_EQ(data.field(u"Unicode"), everyCharacter);
}

INSTANTIATE_TEST_SUITE_P(BindSizes, AccessFiles, ::testing::Values("", "64"));

TEST(AccessDatabase, OpensTablesByNameAndIsNeverWritten)
{
    DataControl data(testReaderOptions());
    data.setDatabaseName(mdbPath("jet3_test2V1997.mdb"));
    data.setRecordSource(u"MSP_PROJECTS"_s);
    data.setReadOnly(false);
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    EXPECT_EQ(data.database().tableNames(), QStringList{u"MSP_PROJECTS"_s});
    EXPECT_EQ(data.database().openRecordset(u"msp_projects"), StoreStatus::Ok);
    EXPECT_EQ(data.database().openRecordset(u"Cours"), StoreStatus::NoSuchTable);
    EXPECT_FALSE(data.database().isWritable());

    const QByteArray before = readBytes(mdbPath("jet3_test2V1997.mdb"));
    EXPECT_FALSE(data.setField(u"PROJ_PROP_TITLE", u"Autre"_s));
    EXPECT_EQ(data.field(u"PROJ_PROP_TITLE"), u"Project1"_s);
    EXPECT_EQ(readBytes(mdbPath("jet3_test2V1997.mdb")), before);

    data.setRecordSource(u"Cours"_s);
    EXPECT_EQ(data.refresh(), StoreStatus::NoSuchTable);
    EXPECT_EQ(data.field(u"PROJ_PROP_TITLE"), u"Project1"_s);
}

TEST(AccessDatabase, TableListOfTheHelper)
{
    const AccessReader reader(testReaderOptions());
    const AccessReader::Result result = reader.listTables(mdbPath("jet4_testUnicodeCompV2003.mdb"));
    ASSERT_EQ(result.outcome, AccessReader::Outcome::Ok);
    EXPECT_EQ(result.rows.columns(), QStringList{u"name"_s});
    ASSERT_EQ(result.rows.rowCount(), 1);
    EXPECT_EQ(result.rows.cell(0, 0), u"Table"_s);

    EXPECT_EQ(reader.readTable(mdbPath("jet4_testUnicodeCompV2003.mdb"), u"Nope"_s).outcome,
              AccessReader::Outcome::NoSuchTable);
}

TEST(AccessDatabase, EmptyMdbPathEntryDoesNotMakeAMissingFileHang)
{
    for (const QByteArray &value : {QByteArray(""), QByteArray(":"), QByteArray("::")}) {
        ScopedEnv mdbPathVariable("MDBPATH", value);
        // A loop would end at the time limit as TimedOut, not CannotOpen.
        AccessReaderOptions options = testReaderOptions(10000);
        const AccessReader reader(options);
        EXPECT_EQ(reader.readTable(u"/nonexistent/folder/PcTs.mdb"_s, u"Cours"_s).outcome,
                  AccessReader::Outcome::CannotOpen);

        QTemporaryDir dir;
        DataControl data(options);
        data.setDatabaseName(dir.filePath(u"PcTs.mdb"_s));
        data.setRecordSource(u"Cours"_s);
        EXPECT_EQ(data.refresh(), StoreStatus::Absent);
    }
}

TEST(AccessDatabase, MemoryLimitReachesTheHelper)
{
    // Far too little memory for the helper to even start: a limit hit is a failed read.
    if (!AccessReader::limitsMemory())
        GTEST_SKIP() << "this build keeps only the helper's time limit";
    AccessReaderOptions options = testReaderOptions();
    options.memoryLimitBytes = 4 << 20;
    const AccessReader::Result result =
        AccessReader(options).readTable(mdbPath("jet3_test2V1997.mdb"), u"MSP_PROJECTS"_s);
    EXPECT_NE(result.outcome, AccessReader::Outcome::Ok);
    EXPECT_EQ(result.status(), StoreStatus::Unreadable);
}

// Stand-in helpers, shell scripts, for the ways a helper run can end.
class FakeHelper : public ::testing::Test {
protected:
    QString script(const char *name, const QByteArray &body)
    {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    AccessReader::Result run(const QString &helper, int timeLimitMs = 20000)
    {
        AccessReaderOptions options;
        options.helperPath = helper;
        options.timeLimitMs = timeLimitMs;
        return AccessReader(options).readTable(u"/any/file.mdb"_s, u"Cours"_s);
    }

    QTemporaryDir dir;
};

// One column "c", one row "hi", as the helper writes it.
const QByteArray kOneRow =
    R"(printf 'VMR1\001\000\000\000\001\000\000\000cR\000\002\000\000\000hiE\001\000\000\000' > "$3")";

TEST_F(FakeHelper, EveryFailureOfTheHelperIsAFailedRead)
{
    using Outcome = AccessReader::Outcome;
    struct Case {
        const char *name;
        QByteArray body;
        Outcome expected;
    };
    const Case cases[] = {
        {"ok", kOneRow, Outcome::Ok},
        {"nosuchtable", "exit 3", Outcome::NoSuchTable},
        {"cannotopen", "exit 2", Outcome::CannotOpen},
        {"damaged", kOneRow + "\nexit 4", Outcome::Damaged},
        {"otherexit", "exit 7", Outcome::HelperFailed},
        {"nooutput", "rm -f \"$3\"; exit 0", Outcome::HelperFailed},
        {"crash", "kill -SEGV $$", Outcome::Crashed},
        {"garbage", "echo garbage > \"$3\"", Outcome::Malformed},
        {"shortcount", R"(printf 'VMR1\001\000\000\000\001\000\000\000cE\001\000\000\000' > "$3")",
         Outcome::Malformed},
        // Noise on standard output and error changes nothing.
        {"noisy", "echo noise; echo more noise >&2; " + kOneRow, Outcome::Ok},
    };
    for (const Case &c : cases) {
        const AccessReader::Result result = run(script(c.name, c.body));
        EXPECT_EQ(result.outcome, c.expected) << c.name;
        EXPECT_EQ(result.status(), c.expected == Outcome::Ok            ? StoreStatus::Ok
                                   : c.expected == Outcome::NoSuchTable ? StoreStatus::NoSuchTable
                                                                        : StoreStatus::Unreadable)
            << c.name;
        if (c.expected == Outcome::Ok) {
            ASSERT_EQ(result.rows.rowCount(), 1) << c.name;
            EXPECT_EQ(result.rows.value(0, u"C"), u"hi"_s) << c.name;
        } else {
            EXPECT_EQ(result.rows.rowCount(), 0) << c.name;
        }
    }
}

TEST_F(FakeHelper, HelperRunningPastTheTimeLimitIsKilled)
{
    const AccessReader::Result result = run(script("hang", "exec sleep 60"), 300);
    EXPECT_EQ(result.outcome, AccessReader::Outcome::TimedOut);
    EXPECT_EQ(result.status(), StoreStatus::Unreadable);
}

TEST_F(FakeHelper, MissingHelperIsAFailedRead)
{
    const AccessReader::Result result = run(dir.filePath(u"no-such-helper"_s));
    EXPECT_EQ(result.outcome, AccessReader::Outcome::HelperFailed);
    EXPECT_EQ(result.status(), StoreStatus::Unreadable);
}

TEST_F(FakeHelper, HelperEnvironmentHasNoMdbPathButKeepsTheBindSize)
{
    ScopedEnv mdbPathVariable("MDBPATH", "");
    ScopedEnv charset("MDB_JET3_CHARSET", "CP437");
    ScopedEnv bindSize(rowchannel::kBindSizeVariable, "64");
    const QString helper = script("env", "[ -z \"${MDBPATH+x}\" ] || exit 9\n"
                                         "[ -z \"${MDB_JET3_CHARSET+x}\" ] || exit 9\n"
                                         "[ \"$VORLANE_MDB_BIND_SIZE\" = 64 ] || exit 9\n" +
                                             kOneRow);
    EXPECT_EQ(run(helper).outcome, AccessReader::Outcome::Ok);
}

TEST(AccessDamage, DamagedCopiesAreUnreadableOrValidNeverAHang)
{
    QTemporaryDir dir;
    std::mt19937 random(20240611u);
    struct Source {
        const char *file;
        const char *table;
    };
    const Source sources[] = {{"jet3_test2V1997.mdb", "MSP_PROJECTS"},
                              {"jet4_test2V2000_accented_memo.mdb", "MSP_PROJECTS"}};
    int copies = 0;
    int unreadable = 0;
    for (const Source &source : sources) {
        const QByteArray original = readBytes(mdbPath(source.file));
        ASSERT_FALSE(original.isEmpty());
        std::vector<QByteArray> mutants;
        for (qsizetype length : {qsizetype(0), qsizetype(1000), qsizetype(3 * 2048 + 100),
                                 original.size() / 2, original.size() - 2048})
            mutants.push_back(original.left(length));
        // Damage in the first pages (header, catalog, table definitions, rows):
        // scattered bytes flipped, or a block overwritten.
        const qsizetype span = qMin<qsizetype>(original.size(), 49152);
        for (int i = 0; i < 10; ++i) {
            QByteArray bytes = original;
            if (i % 2 == 0) {
                for (int k = 0; k < 64; ++k) {
                    const qsizetype at = qsizetype(random() % quint32(span));
                    bytes[at] = char(bytes[at] ^ char(1 + random() % 255));
                }
            } else {
                const qsizetype at = qsizetype(random() % quint32(span - 512));
                for (qsizetype k = 0; k < 512; ++k)
                    bytes[at + k] = char(random() % 256);
            }
            mutants.push_back(bytes);
        }

        for (std::size_t m = 0; m < mutants.size(); ++m) {
            const QString name = u"Copy%1"_s.arg(++copies);
            writeBytes(dir.filePath(name + u".mdb"_s), mutants[m]);
            DataControl data(testReaderOptions(2000));
            data.setDatabaseName(dir.filePath(name));
            data.setRecordSource(QString::fromLatin1(source.table));
            const StoreStatus status = data.refresh();
            EXPECT_TRUE(status == StoreStatus::Ok || status == StoreStatus::Unreadable ||
                        status == StoreStatus::NoSuchTable)
                << source.file << " mutant " << m << ": " << StoreStatusName(status);
            if (status == StoreStatus::Ok) {
                EXPECT_GT(data.rows().columnCount(), 0);
            } else {
                EXPECT_EQ(data.rowCount(), 0);
                ++unreadable;
            }
            // Copies too short to hold the catalog can never be read.
            if (mutants[m].size() <= 3 * 2048 + 100) {
                EXPECT_EQ(status, StoreStatus::Unreadable) << source.file << " cut at " << mutants[m].size();
            }
        }
    }
    EXPECT_GT(unreadable, 0);
}
