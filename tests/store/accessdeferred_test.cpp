// Access tables read in two helper runs: the key columns first, the deferred
// columns in one background pass.

#include "core/store/accesscolumnpass.h"
#include "core/store/accessreader.h"
#include "core/store/datacontrol.h"
#include "core/store/rowchannel.h"
#include "storetestsupport.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <vector>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

QString mdbPath(const QString &file)
{
    return mdbDir() + u'/' + file;
}

QStringList mdbFiles()
{
    return QDir(mdbDir()).entryList({u"*.mdb"_s}, QDir::Files, QDir::Name);
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QString writeScript(const QString &path, const QByteArray &body)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QByteArray shellQuoted(const QString &text)
{
    QByteArray quoted = text.toUtf8();
    quoted.replace('\'', "'\\''");
    return '\'' + quoted + '\'';
}

// Every column of every row, as field() gives it.
std::vector<QStringList> allFields(DataControl &data)
{
    std::vector<QStringList> rows;
    for (int row = 0; row < data.rowCount(); ++row) {
        EXPECT_TRUE(data.setAbsolutePosition(row));
        QStringList values;
        for (const QString &column : data.fieldNames())
            values.append(data.field(column));
        rows.push_back(values);
    }
    return rows;
}

// The rows read with the deferred columns left out match the whole read:
// same columns, same rows in the same order, deferred cells empty and marked,
// every other cell equal.
void expectKeysOfWholeRead(const TableRows &keys, const TableRows &whole, const QStringList &deferred,
                           const QString &what)
{
    ASSERT_EQ(keys.columns(), whole.columns()) << what.toStdString();
    ASSERT_EQ(keys.rowCount(), whole.rowCount()) << what.toStdString();
    for (int column = 0; column < keys.columnCount(); ++column) {
        const bool isDeferred = deferred.contains(keys.columns()[column], Qt::CaseInsensitive);
        EXPECT_EQ(keys.isDeferred(column), isDeferred) << what.toStdString() << " column " << column;
        for (int row = 0; row < keys.rowCount(); ++row)
            EXPECT_EQ(keys.cell(row, column), isDeferred ? QString() : whole.cell(row, column))
                << what.toStdString() << " row " << row << " column " << column;
    }
}

// Row-channel bytes as the helper writes them.
QByteArray channel(const QStringList &columns, const std::vector<QStringList> &rows)
{
    QByteArray out("VMR1");
    const auto u32 = [&out](quint32 v) {
        for (int i = 0; i < 4; ++i)
            out += char((v >> (8 * i)) & 0xFF);
    };
    const auto text = [&](const QString &s) {
        const QByteArray utf8 = s.toUtf8();
        u32(quint32(utf8.size()));
        out += utf8;
    };
    u32(quint32(columns.size()));
    for (const QString &column : columns)
        text(column);
    for (const QStringList &row : rows) {
        out += 'R';
        for (const QString &value : row) {
            out += char(0);
            text(value);
        }
    }
    out += 'E';
    u32(quint32(rows.size()));
    return out;
}

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
}

} // namespace

TEST(AccessDeferredRead, SameValuesAsAWholeReadForEveryTableAndColumn)
{
    const AccessReader reader(testReaderOptions());
    int tablesChecked = 0;
    for (const QString &file : mdbFiles()) {
        const AccessReader::Result tables = reader.listTables(mdbPath(file));
        ASSERT_EQ(tables.outcome, AccessReader::Outcome::Ok) << file.toStdString();
        for (int t = 0; t < tables.rows.rowCount(); ++t) {
            const QString table = tables.rows.cell(t, 0);
            DataControl whole(testReaderOptions());
            whole.setDatabaseName(mdbPath(file));
            whole.setRecordSource(table);
            ASSERT_EQ(whole.refresh(), StoreStatus::Ok) << file.toStdString() << " " << table.toStdString();
            const std::vector<QStringList> expected = allFields(whole);
            const QStringList columns = whole.fieldNames();

            // Each column alone (in a wide table the first and the last), the
            // odd and the even columns, and every column in lower case (names
            // are matched without regard to letter case): each column is read
            // by either run.
            std::vector<QStringList> choices;
            if (columns.size() <= 8) {
                for (const QString &column : columns)
                    choices.push_back({column});
            } else {
                choices.push_back({columns.first()});
                choices.push_back({columns.last()});
            }
            QStringList odd;
            QStringList even;
            QStringList every;
            for (int c = 0; c < columns.size(); ++c) {
                (c % 2 == 1 ? odd : even).append(columns[c]);
                every.append(columns[c].toLower());
            }
            choices.push_back(odd);
            choices.push_back(even);
            choices.push_back(every);

            DataControl keyed(testReaderOptions());
            keyed.setDatabaseName(mdbPath(file));
            keyed.setRecordSource(table);
            for (const QStringList &deferred : choices) {
                const QString what = file + u' ' + table + u" deferring "_s + deferred.join(u',');
                keyed.setDeferredColumns(deferred);
                ASSERT_EQ(keyed.refresh(), StoreStatus::Ok) << what.toStdString();
                expectKeysOfWholeRead(keyed.rows(), whole.rows(), deferred, what);
                EXPECT_EQ(allFields(keyed), expected) << what.toStdString();
                EXPECT_EQ(keyed.status(), StoreStatus::Ok) << what.toStdString();
                EXPECT_FALSE(keyed.isReadingDeferred()) << what.toStdString();
            }
            ++tablesChecked;
        }
    }
    EXPECT_GE(tablesChecked, 30);
}

TEST(AccessDeferredRead, TheHelperReadsTheColumnsAskedFor)
{
    // Table10 of the 1997 file: the text column name and the yes/no column data.
    const QString file = mdbPath(u"jet3_testIndexCodesV1997.mdb"_s);
    struct Case {
        const char *what;
        QStringList options;
        int exitCode;
        QStringList columns; // of the channel, when the run succeeds
        int nullColumn;      // a column written as NULL in every row; -1 for none
    };
    const Case cases[] = {
        {"whole", {}, 0, {u"name"_s, u"data"_s}, -1},
        {"skip", {u"--skip"_s, u"DATA"_s}, 0, {u"name"_s, u"data"_s}, 1},
        {"only", {u"--only"_s, u"Data"_s}, 0, {u"data"_s}, -1},
        {"only two", {u"--only"_s, u"data"_s, u"--only"_s, u"NAME"_s}, 0, {u"name"_s, u"data"_s}, -1},
        {"only a missing column", {u"--only"_s, u"nope"_s}, 0, {}, -1},
        {"skip and only", {u"--skip"_s, u"name"_s, u"--only"_s, u"data"_s}, 1, {}, -1},
        {"tables with a column", {u"--skip"_s, u"name"_s, u"--tables"_s}, 1, {}, -1},
        {"no column name", {u"--only"_s}, 1, {}, -1},
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        const QString output = dir.filePath(QString::fromLatin1(c.what));
        QStringList arguments = c.options;
        if (c.options.endsWith(u"--tables"_s))
            arguments << file << output;
        else if (c.options.endsWith(u"--only"_s))
            arguments << file << u"Table10"_s;
        else
            arguments << file << u"Table10"_s << output;
        QProcess helper;
        helper.start(QStringLiteral(VORLANE_MDB_READER), arguments);
        ASSERT_TRUE(helper.waitForFinished(20000)) << c.what;
        EXPECT_EQ(helper.exitCode(), c.exitCode) << c.what;
        if (c.exitCode != 0)
            continue;
        const std::optional<TableRows> rows = DecodeRowChannel(readBytes(output), u"Table10"_s);
        ASSERT_TRUE(rows.has_value()) << c.what;
        EXPECT_EQ(rows->columns(), c.columns) << c.what;
        ASSERT_EQ(rows->rowCount(), 5) << c.what;
        const int data = rows->columnIndex(u"data");
        for (int row = 0; row < 5; ++row) {
            if (c.nullColumn >= 0) {
                EXPECT_EQ(rows->cell(row, c.nullColumn), QString()) << c.what;
            }
            if (data >= 0 && data != c.nullColumn) {
                EXPECT_EQ(rows->cell(row, data), row == 1 || row == 2 ? u"1"_s : u"0"_s) << c.what;
            }
        }
    }
}

// A helper in front of the real one whose pass of deferred columns (the run
// with --only) writes its process id, then waits for a go file before it reads.
class HeldBodyPass : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_pidFile = m_dir.filePath(u"pid"_s);
        m_goFile = m_dir.filePath(u"go"_s);
        const QByteArray pid = shellQuoted(m_pidFile);
        m_helper = writeScript(m_dir.filePath(u"held-helper"_s),
                               "if [ \"$1\" = --only ]; then\n"
                               "  echo $$ > " +
                                   pid + ".new && mv " + pid + ".new " + pid + "\n" + "  while [ ! -e " +
                                   shellQuoted(m_goFile) +
                                   " ]; do sleep 0.01; done\n"
                                   "fi\n"
                                   "exec " +
                                   shellQuoted(QStringLiteral(VORLANE_MDB_READER)) + " \"$@\"");
    }

    AccessReaderOptions options() const
    {
        AccessReaderOptions options = testReaderOptions();
        options.helperPath = m_helper;
        return options;
    }
    void hold() { QFile::remove(m_goFile); }
    void release() { ASSERT_TRUE(writeBytes(m_goFile, "go")); }
    // The process id of the held pass, once it has written it.
    qint64 heldPid() const
    {
        const QDeadlineTimer deadline(20000);
        while (!QFile::exists(m_pidFile) && !deadline.hasExpired())
            QThread::msleep(5);
        return readBytes(m_pidFile).trimmed().toLongLong();
    }
    QString dirPath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_helper;
    QString m_pidFile;
    QString m_goFile;
};

TEST_F(HeldBodyPass, DeferredValueAskedBeforeThePassEndsIsWaitedFor)
{
    struct Case {
        const char *file;
        const char *table;
        QStringList deferred;
    };
    const Case cases[] = {
        {"jet4_test2V2000_accented_memo.mdb", "MSP_PROJECTS", {u"PROJ_PROP_AUTHOR"_s, u"proj_prop_title"_s}},
        {"jet3_test2V1997.mdb", "MSP_PROJECTS", {u"PROJ_PROP_AUTHOR"_s}},
        {"jet3_testIndexCodesV1997.mdb", "Table1", {u"data"_s}},
        {"jet4_testUnicodeCompV2003.mdb", "Table", {u"Unicode"_s}},
    };
    for (const Case &c : cases) {
        const QString path = mdbPath(QString::fromLatin1(c.file));
        const QString table = QString::fromLatin1(c.table);
        DataControl whole(testReaderOptions());
        whole.setDatabaseName(path);
        whole.setRecordSource(table);
        ASSERT_EQ(whole.refresh(), StoreStatus::Ok) << c.file;
        const std::vector<QStringList> expected = allFields(whole);

        hold();
        DataControl data(options());
        data.setDatabaseName(path);
        data.setRecordSource(table);
        data.setDeferredColumns(c.deferred);
        ASSERT_EQ(data.refresh(), StoreStatus::Ok) << c.file;
        // The pass cannot end before it is released: the keys are there without it.
        EXPECT_TRUE(data.isReadingDeferred()) << c.file;
        EXPECT_EQ(data.status(), StoreStatus::Ok) << c.file;
        expectKeysOfWholeRead(data.rows(), whole.rows(), c.deferred, QString::fromLatin1(c.file));
        for (int row = 0; row < data.rowCount(); ++row) {
            ASSERT_TRUE(data.setAbsolutePosition(row));
            for (int column = 0; column < data.rows().columnCount(); ++column) {
                if (!data.rows().isDeferred(column)) {
                    EXPECT_EQ(data.field(data.fieldNames()[column]), expected[std::size_t(row)][column]);
                }
            }
        }
        EXPECT_TRUE(data.isReadingDeferred()) << c.file;

        // Asked while it runs, from the last row back.
        release();
        for (int row = data.rowCount() - 1; row >= 0; --row) {
            ASSERT_TRUE(data.setAbsolutePosition(row));
            for (const QString &name : c.deferred)
                EXPECT_EQ(data.field(name), expected[std::size_t(row)][whole.rows().columnIndex(name)])
                    << c.file << " row " << row << " " << name.toStdString();
        }
        EXPECT_FALSE(data.isReadingDeferred()) << c.file;
        EXPECT_EQ(data.status(), StoreStatus::Ok) << c.file;
        EXPECT_EQ(data.awaitDeferred(), StoreStatus::Ok) << c.file;
        EXPECT_EQ(allFields(data), expected) << c.file;
    }
}

TEST_F(HeldBodyPass, FailedRefreshKeepsTheRowsAndTheirPass)
{
    hold();
    DataControl data(options());
    data.setDatabaseName(mdbPath(u"jet4_test2V2000_accented_memo.mdb"_s));
    data.setRecordSource(u"MSP_PROJECTS"_s);
    data.setDeferredColumns({u"PROJ_PROP_AUTHOR"_s});
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    ASSERT_TRUE(data.isReadingDeferred());

    data.setRecordSource(u"Nope"_s);
    EXPECT_EQ(data.refresh(), StoreStatus::NoSuchTable);
    release();
    ASSERT_EQ(data.rowCount(), 2);
    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"PROJ_PROP_AUTHOR"),
              QString::fromUtf8("Première ligne : é è ê à ç ù ô « guillemets » € ¶\r\n"
                                "Deuxième ligne — œuvre, naïve, Noël.\r\n"));
    EXPECT_EQ(data.field(u"PROJ_NAME"), QString::fromUtf8("Projet élève ¶"));
}

TEST_F(HeldBodyPass, HelperKilledDuringThePassIsAFailedReadAndTheNextRefreshReadsAgain)
{
    const QString path = mdbPath(u"jet4_test2V2000_accented_memo.mdb"_s);
    DataControl whole(testReaderOptions());
    whole.setDatabaseName(path);
    whole.setRecordSource(u"MSP_PROJECTS"_s);
    ASSERT_EQ(whole.refresh(), StoreStatus::Ok);
    const std::vector<QStringList> expected = allFields(whole);
    const int author = whole.rows().columnIndex(u"PROJ_PROP_AUTHOR");
    ASSERT_FALSE(expected[1][author].isEmpty());

    hold();
    DataControl data(options());
    data.setDatabaseName(path);
    data.setRecordSource(u"MSP_PROJECTS"_s);
    data.setDeferredColumns({u"PROJ_PROP_AUTHOR"_s});
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    const qint64 pid = heldPid();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(pid_t(pid), SIGKILL), 0);

    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"PROJ_PROP_AUTHOR"), QString());
    EXPECT_EQ(data.status(), StoreStatus::Unreadable);
    EXPECT_FALSE(data.isReadingDeferred());
    // The keys read are kept.
    ASSERT_EQ(data.rowCount(), 2);
    EXPECT_EQ(data.field(u"PROJ_NAME"), QString::fromUtf8("Projet élève ¶"));
    EXPECT_EQ(data.field(u"PROJ_ID"), u"2"_s);

    release();
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    EXPECT_EQ(allFields(data), expected);
    EXPECT_EQ(data.status(), StoreStatus::Ok);
}

TEST_F(HeldBodyPass, FileDamagedBeforeThePassIsAFailedRead)
{
    const QByteArray original = readBytes(mdbPath(u"jet4_test2V2000_accented_memo.mdb"_s));
    const QByteArray oneRow = readBytes(mdbPath(u"jet3_test2V1997.mdb"_s));
    ASSERT_FALSE(original.isEmpty());
    ASSERT_FALSE(oneRow.isEmpty());
    struct Case {
        const char *what;
        QByteArray bytes; // the file's new content
        bool remove;
    };
    const Case cases[] = {
        {"emptied", QByteArray(), false},
        {"cut after the catalog", original.left(3 * 4096 + 100), false},
        {"cut in half", original.left(original.size() / 2), false},
        {"replaced by a table of one row", oneRow, false},
        {"removed", QByteArray(), true},
    };
    int copy = 0;
    for (const Case &c : cases) {
        const QString name = dirPath(u"Copy%1"_s.arg(++copy));
        ASSERT_TRUE(writeBytes(name + u".mdb"_s, original)) << c.what;
        hold();
        DataControl data(options());
        data.setDatabaseName(name);
        data.setRecordSource(u"MSP_PROJECTS"_s);
        data.setDeferredColumns({u"PROJ_PROP_AUTHOR"_s, u"PROJ_PROP_TITLE"_s});
        ASSERT_EQ(data.refresh(), StoreStatus::Ok) << c.what;
        if (c.remove)
            ASSERT_TRUE(QFile::remove(name + u".mdb"_s)) << c.what;
        else
            ASSERT_TRUE(writeBytes(name + u".mdb"_s, c.bytes)) << c.what;
        release();

        // Waited for before any value is asked: the failure is known at once.
        EXPECT_EQ(data.awaitDeferred(), StoreStatus::Unreadable) << c.what;
        EXPECT_FALSE(data.isReadingDeferred()) << c.what;
        ASSERT_TRUE(data.setAbsolutePosition(1)) << c.what;
        EXPECT_EQ(data.field(u"PROJ_PROP_TITLE"), QString()) << c.what;
        EXPECT_EQ(data.status(), StoreStatus::Unreadable) << c.what;
        ASSERT_EQ(data.rowCount(), 2) << c.what;
        EXPECT_EQ(data.field(u"PROJ_NAME"), QString::fromUtf8("Projet élève ¶")) << c.what;
        ASSERT_TRUE(data.moveFirst());
        EXPECT_EQ(data.field(u"PROJ_ID"), u"1"_s) << c.what;
        EXPECT_EQ(data.field(u"PROJ_PROP_AUTHOR"), QString()) << c.what;
    }
}

// Stand-in helpers for the pass alone: the first read's rows are made by hand.
class FakeBodyPass : public ::testing::Test {
protected:
    // Cours-like keys: titre and Numeropage read, fpc deferred.
    static TableRows keys()
    {
        TableRows rows(u"Cours"_s, {u"titre"_s, u"fpc"_s, u"Numeropage"_s});
        rows.appendRow({u"Accueil"_s, QString(), u"1"_s});
        rows.appendRow({u"Mécanique"_s, QString(), u"2"_s});
        rows.setDeferred(1);
        return rows;
    }
    // A helper that checks its command line, then hands back `output`
    // (written before it runs) or runs `body`.
    AccessReaderOptions helper(const char *name, const QByteArray &output, const QByteArray &body = {})
    {
        const QString data = m_dir.filePath(QString::fromLatin1(name) + u".rows"_s);
        EXPECT_TRUE(writeBytes(data, output));
        AccessReaderOptions options;
        options.helperPath =
            writeScript(m_dir.filePath(QString::fromLatin1(name)),
                        "[ \"$*\" = \"--only fpc --only titre /any/file.mdb Cours $7\" ] || exit 9\n" + body +
                            "\ncp " + shellQuoted(data) + " \"$7\"");
        return options;
    }
    QString dirPath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

TEST_F(FakeBodyPass, RowsAreMatchedByPositionAndAnyDisagreementFailsThePass)
{
    using Outcome = AccessReader::Outcome;
    const QStringList columns = {u"titre"_s, u"fpc"_s};
    struct Case {
        const char *name;
        QByteArray output;
        QByteArray body;
        Outcome expected;
    };
    const Case cases[] = {
        {"ok",
         channel(columns, {{u"Accueil"_s, u"##PAGE 1\r\n"_s}, {u"Mécanique"_s, u"Corps"_s}}),
         {},
         Outcome::Ok},
        {"fewer rows", channel(columns, {{u"Accueil"_s, u"##PAGE 1"_s}}), {}, Outcome::Mismatched},
        {"more rows",
         channel(columns, {{u"Accueil"_s, u"a"_s}, {u"Mécanique"_s, u"b"_s}, {u"Autre"_s, u"c"_s}}),
         {},
         Outcome::Mismatched},
        {"no rows", channel(columns, {}), {}, Outcome::Mismatched},
        {"rows in another order",
         channel(columns, {{u"Mécanique"_s, u"b"_s}, {u"Accueil"_s, u"a"_s}}),
         {},
         Outcome::Mismatched},
        {"body column missing",
         channel({u"titre"_s}, {{u"Accueil"_s}, {u"Mécanique"_s}}),
         {},
         Outcome::Malformed},
        {"garbage", "garbage", {}, Outcome::Malformed},
        {"damaged", {}, "exit 4", Outcome::Damaged},
        {"killed", {}, "kill -KILL $$", Outcome::Crashed},
    };
    for (const Case &c : cases) {
        AccessColumnPass pass(AccessReader(helper(c.name, c.output, c.body)), u"/any/file.mdb"_s, keys());
        EXPECT_EQ(pass.columns(), QStringList{u"fpc"_s}) << c.name;
        const AccessReader::Result &result = pass.wait();
        EXPECT_EQ(result.outcome, c.expected) << c.name;
        EXPECT_TRUE(pass.isFinished()) << c.name;
        EXPECT_EQ(pass.hasFailed(), c.expected != Outcome::Ok) << c.name;
        if (c.expected == Outcome::Ok) {
            EXPECT_EQ(pass.value(0, u"fpc"), u"##PAGE 1\r\n"_s) << c.name;
            EXPECT_EQ(pass.value(1, u"FPC"), u"Corps"_s) << c.name;
            EXPECT_EQ(pass.value(2, u"fpc"), std::nullopt) << c.name;
            EXPECT_EQ(pass.value(-1, u"fpc"), std::nullopt) << c.name;
        } else {
            EXPECT_EQ(result.rows.rowCount(), 0) << c.name;
            EXPECT_EQ(pass.value(0, u"fpc"), std::nullopt) << c.name;
            EXPECT_EQ(pass.value(1, u"fpc"), std::nullopt) << c.name;
        }
    }
}

TEST_F(FakeBodyPass, DroppedPassKillsItsHelper)
{
    // No time limit: only the end of the pass can stop this helper.
    AccessReaderOptions options;
    options.timeLimitMs = 0;
    const QString pidFile = dirPath(u"pid"_s);
    options.helperPath = writeScript(dirPath(u"hang"_s), "echo $$ > " + shellQuoted(pidFile) + ".new && mv " +
                                                             shellQuoted(pidFile) + ".new " +
                                                             shellQuoted(pidFile) + "\nexec sleep 1000");
    qint64 pid = 0;
    {
        AccessColumnPass pass(AccessReader(options), u"/any/file.mdb"_s, keys());
        const QDeadlineTimer deadline(20000);
        while (!QFile::exists(pidFile) && !deadline.hasExpired())
            QThread::msleep(5);
        pid = readBytes(pidFile).trimmed().toLongLong();
        ASSERT_GT(pid, 0);
        EXPECT_FALSE(pass.isFinished());
        EXPECT_FALSE(pass.hasFailed());
    }
    EXPECT_TRUE(processGone(pid));

    const std::atomic<bool> cancelled{true};
    EXPECT_EQ(
        AccessReader(options).readColumns(u"/any/file.mdb"_s, u"Cours"_s, {u"fpc"_s}, &cancelled).outcome,
        AccessReader::Outcome::Cancelled);
}

TEST(AccessDeferredRead, KeysWithoutDeferredColumnsNeedNoPass)
{
    TableRows rows(u"T"_s, {u"a"_s});
    rows.appendRow({u"x"_s});
    AccessReaderOptions options;
    options.helperPath = u"/nonexistent/helper"_s;
    AccessColumnPass pass(AccessReader(options), u"/any/file.mdb"_s, rows);
    EXPECT_TRUE(pass.isFinished());
    EXPECT_FALSE(pass.hasFailed());
    EXPECT_TRUE(pass.columns().isEmpty());
}
