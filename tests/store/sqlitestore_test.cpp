#include "core/store/database.h"
#include "core/store/datacontrol.h"
#include "core/store/sqlitefile.h"
#include "storetestsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <vector>

#include <cmath>
#include <limits>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

const char *const kCoursSchema =
    "CREATE TABLE Cours (titre TEXT, Numeropage INTEGER, \"Index\" INTEGER, precedent INTEGER, "
    "suite INTEGER, imprimable INTEGER, moteur INTEGER, debutimp REAL, finimp REAL, fpc TEXT, "
    "sommaire INTEGER)";
const char *const kCoursInsert =
    "INSERT INTO Cours (rowid, titre, Numeropage, \"Index\", precedent, suite, imprimable, moteur, "
    "debutimp, finimp, fpc, sommaire) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// 200,000 characters with accents, CR LF and a pilcrow.
QString longBody()
{
    const QString piece = QString::fromUtf8("Énergie cinétique ½mv² ¶ « élève »\r\n");
    QString body;
    while (body.size() < 200000)
        body += piece;
    body.truncate(200000);
    return body;
}

QVariant null()
{
    return QVariant();
}

// Three pages stored with rowids 20, 10, 15 in that insertion order.
void createCourse(const QString &path)
{
    runSql(path, {
                     {QString::fromLatin1(kCoursSchema)},
                     {QString::fromLatin1(kCoursInsert),
                      {20, u"Forces"_s, 28, 3, -1, 0, 1, 7, 2.5, 30.0, u"Corps\r\n"_s, 28}},
                     {QString::fromLatin1(kCoursInsert),
                      {10, u"Accueil"_s, 1, 1, 0, -1, null(), 0, -1, null(), null(), null()}},
                     {QString::fromLatin1(kCoursInsert),
                      {15, QString::fromUtf8("Mécanique — ondes"), 2, 2, u"-1 (vrai)"_s, u"non"_s, 0.5, 1,
                       0.15, 1e20, longBody(), 0}},
                 });
}

} // namespace

class SqliteStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        createCourse(dir.filePath(QStringLiteral("PcTs.sqlite")));
    }
    QString base() const { return dir.filePath(QStringLiteral("PcTs")); }
    // A control refreshed on Cours of PcTs.
    void refreshed(DataControl &data, bool readOnly = true)
    {
        data.setDatabaseName(dir.filePath(QStringLiteral("PcTs.mdb")));
        data.setRecordSource(QStringLiteral("Cours"));
        data.setReadOnly(readOnly);
        ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    }

    QTemporaryDir dir;
};

TEST_F(SqliteStoreTest, RowsComeInRowidOrderWithFieldsAsBoundControlsShowThem)
{
    DataControl data;
    refreshed(data);
    EXPECT_EQ(data.database().kind(), Database::Kind::Sqlite);
    ASSERT_EQ(data.rowCount(), 3);
    EXPECT_EQ(data.absolutePosition(), 0);

    struct Expected {
        int position;
        const char *field;
        QString value;
    };
    const Expected cases[] = {
        // rowid 10
        {0, "titre", u"Accueil"_s},
        {0, "Numeropage", u"1"_s},
        {0, "Index", u"1"_s},
        {0, "precedent", u"0"_s},
        {0, "suite", u"1"_s},      // -1 is yes
        {0, "imprimable", u"0"_s}, // NULL yes/no is no
        {0, "moteur", u"0"_s},
        {0, "debutimp", u"-1"_s}, // REAL -1.0
        {0, "finimp", QString()}, // NULL
        {0, "fpc", QString()},
        {0, "sommaire", QString()},
        // rowid 15
        {1, "titre", QString::fromUtf8("Mécanique — ondes")},
        {1, "Numeropage", u"2"_s},
        {1, "precedent", u"1"_s},  // text read with a decimal read: -1
        {1, "suite", u"0"_s},      // "non" reads as 0
        {1, "imprimable", u"1"_s}, // 0.5 is not zero
        {1, "moteur", u"1"_s},
        {1, "debutimp", u"0.15"_s},
        {1, "finimp", u"1E+20"_s},
        {1, "sommaire", u"0"_s},
        // rowid 20
        {2, "titre", u"Forces"_s},
        {2, "Numeropage", u"28"_s},
        {2, "Index", u"3"_s},
        {2, "precedent", u"1"_s},
        {2, "suite", u"0"_s},
        {2, "imprimable", u"1"_s},
        {2, "moteur", u"1"_s}, // 7 is yes
        {2, "debutimp", u"2.5"_s},
        {2, "finimp", u"30"_s},
        {2, "fpc", u"Corps\r\n"_s},
        {2, "sommaire", u"28"_s},
    };
    for (const Expected &c : cases) {
        ASSERT_TRUE(data.setAbsolutePosition(c.position));
        EXPECT_EQ(data.field(QString::fromLatin1(c.field)), c.value)
            << "row " << c.position << " " << c.field;
    }
}

TEST_F(SqliteStoreTest, LongTextComesBackWhole)
{
    DataControl data;
    refreshed(data);
    ASSERT_TRUE(data.setAbsolutePosition(1));
    const QString body = data.field(u"fpc");
    EXPECT_EQ(body.size(), 200000);
    EXPECT_EQ(body, longBody());
}

TEST_F(SqliteStoreTest, DeferredColumnsGiveTheSameValuesReadRowByRow)
{
    DataControl whole;
    refreshed(whole);
    DataControl deferred;
    deferred.setDeferredColumns({u"FPC"_s, u"titre"_s});
    refreshed(deferred);
    ASSERT_EQ(deferred.rowCount(), whole.rowCount());
    EXPECT_EQ(deferred.fieldNames(), whole.fieldNames());
    // Nothing of a deferred column is held by the rows read at the refresh.
    EXPECT_TRUE(deferred.rows().value(1, u"fpc").isEmpty());
    // Every row, visited forwards then backwards (the last value read is kept).
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < whole.rowCount(); ++i) {
            const int row = pass == 0 ? i : whole.rowCount() - 1 - i;
            ASSERT_TRUE(whole.setAbsolutePosition(row));
            ASSERT_TRUE(deferred.setAbsolutePosition(row));
            for (const QString &name : whole.fieldNames())
                EXPECT_EQ(deferred.field(name), whole.field(name))
                    << "row " << row << " " << name.toStdString();
        }
    }
}

// A course may hold an index of its keys, which SQLite scans instead of the
// table when the other columns are deferred: its order is not the rows' order,
// and a row of the first rowid whose page number sorts last shows that the rows
// still come in rowid order. Deferred values come a row at a time, in any order
// of fields and rows.
TEST_F(SqliteStoreTest, RowsReadThroughACoveringIndexKeepRowidOrderAndValues)
{
    struct Case {
        const char *index;
        QStringList deferred;
    };
    const Case cases[] = {
        {"CREATE INDEX Cours_cles ON Cours (Numeropage, \"Index\", titre, precedent, suite, "
         "imprimable, moteur, debutimp, finimp, sommaire)",
         {u"fpc"_s}},
        {"CREATE INDEX Cours_cles ON Cours (Numeropage, \"Index\")",
         {u"TITRE"_s, u"precedent"_s, u"suite"_s, u"imprimable"_s, u"moteur"_s, u"debutimp"_s, u"finimp"_s,
          u"fpc"_s, u"sommaire"_s}},
        // Nothing read but the rowids: the rows are still all there, in order.
        {"CREATE INDEX Cours_cles ON Cours (Numeropage)",
         {u"titre"_s, u"Numeropage"_s, u"Index"_s, u"precedent"_s, u"suite"_s, u"imprimable"_s, u"moteur"_s,
          u"debutimp"_s, u"finimp"_s, u"fpc"_s, u"sommaire"_s}},
    };
    const QString path = dir.filePath(QStringLiteral("PcTs.sqlite"));
    runSql(path, {{QString::fromLatin1(kCoursInsert),
                   {5, u"Annexe"_s, 99, 9, 1, 1, 0, 0, 0.25, 1.0, u"Fin"_s, 7}}});
    for (const Case &c : cases) {
        runSql(path, {{u"DROP INDEX IF EXISTS Cours_cles"_s}, {QString::fromLatin1(c.index)}});
        DataControl whole;
        refreshed(whole);
        DataControl deferred;
        deferred.setDeferredColumns(c.deferred);
        refreshed(deferred);
        ASSERT_EQ(deferred.rowCount(), 4) << c.index;
        ASSERT_EQ(whole.rowCount(), 4) << c.index;
        EXPECT_EQ(deferred.fieldNames(), whole.fieldNames()) << c.index;
        const QStringList titles = {u"Annexe"_s, u"Accueil"_s, QString::fromUtf8("Mécanique — ondes"),
                                    u"Forces"_s};
        for (int row : {0, 1, 2, 3, 1, 0}) {
            ASSERT_TRUE(whole.setAbsolutePosition(row));
            ASSERT_TRUE(deferred.setAbsolutePosition(row));
            EXPECT_EQ(deferred.field(u"titre"), titles[row]) << "row " << row;
            QStringList names = whole.fieldNames();
            if (row % 2 == 1)
                std::reverse(names.begin(), names.end());
            for (const QString &name : names)
                EXPECT_EQ(deferred.field(name), whole.field(name))
                    << c.index << " row " << row << " " << name.toStdString();
        }
    }
}

// Deferred columns read whole for a scan: their values come from memory and
// are those of a whole read; a table changed since the rows were read is not
// mixed with them.
TEST_F(SqliteStoreTest, DeferredColumnsReadWholeAreThoseOfAWholeRead)
{
    const QString path = dir.filePath(QStringLiteral("PcTs.sqlite"));
    DataControl whole;
    refreshed(whole);
    DataControl deferred;
    deferred.setDeferredColumns(whole.fieldNames());
    refreshed(deferred);
    ASSERT_EQ(deferred.rowCount(), whole.rowCount());
    EXPECT_TRUE(deferred.readColumns({u"INDEX"_s, u"numeropage"_s, u"absent"_s}));
    const TableRows &rows = deferred.rows();
    EXPECT_FALSE(rows.isDeferred(rows.columnIndex(u"Index")));
    EXPECT_FALSE(rows.isDeferred(rows.columnIndex(u"Numeropage")));
    EXPECT_TRUE(rows.isDeferred(rows.columnIndex(u"fpc")));
    for (int row = whole.rowCount() - 1; row >= 0; --row) {
        ASSERT_TRUE(whole.setAbsolutePosition(row));
        ASSERT_TRUE(deferred.setAbsolutePosition(row));
        EXPECT_EQ(rows.value(row, u"Numeropage"), whole.field(u"Numeropage"));
        for (const QString &name : whole.fieldNames())
            EXPECT_EQ(deferred.field(name), whole.field(name)) << "row " << row << " " << name.toStdString();
    }

    // A row added since: the rows read are no longer the table's.
    DataControl stale;
    stale.setDeferredColumns(whole.fieldNames());
    refreshed(stale);
    runSql(path, {{QString::fromLatin1(kCoursInsert),
                   {90, u"Ajout"_s, 50, 50, 0, 0, 0, 0, 0.0, 0.0, u"Ajout"_s, 0}}});
    EXPECT_FALSE(stale.readColumns({u"Index"_s}));
    EXPECT_TRUE(stale.rows().isDeferred(stale.rows().columnIndex(u"Index")));
    ASSERT_TRUE(stale.moveFirst());
    ASSERT_TRUE(whole.moveFirst());
    EXPECT_EQ(stale.field(u"Index"), whole.field(u"Index"));
}

// With every column deferred, rows whose rowids run without a gap are known
// by their count and ends alone; with a gap, by their rowids read one by one.
// Either way they keep the rowids, the order and the values of a whole read,
// and their keys read whole are those of that read.
TEST_F(SqliteStoreTest, RowsKnownByTheirRowidsAloneAreThoseOfAWholeRead)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    // The new rowids of the rows stored as 10, 15 and 20.
    const std::vector<std::array<qint64, 3>> cases = {
        {1, 2, 3},
        {-1, 0, 1},
        {kMax - 2, kMax - 1, kMax},
        {kMin, kMin + 1, kMin + 2},
        {3, 2, 1},
        {1, 2, 4},
        {kMin, 0, kMax},
        {10, 11, 13},
    };
    const QString path = dir.filePath(QStringLiteral("PcTs.sqlite"));
    for (const auto &ids : cases) {
        QFile::remove(path);
        createCourse(path);
        runSql(path, {{u"CREATE INDEX Cours_cles ON Cours (Numeropage, \"Index\")"_s},
                      {u"UPDATE Cours SET rowid = CASE rowid WHEN 10 THEN ? WHEN 15 THEN ? ELSE ? END"_s,
                       {ids[0], ids[1], ids[2]}}});
        DataControl whole;
        refreshed(whole);
        DataControl deferred;
        deferred.setDeferredColumns(whole.fieldNames());
        refreshed(deferred);
        ASSERT_EQ(deferred.rowCount(), 3) << ids[0];
        std::array<qint64, 3> sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        for (int row = 0; row < 3; ++row) {
            EXPECT_EQ(whole.rows().rowId(row), sorted[std::size_t(row)]);
            EXPECT_EQ(deferred.rows().rowId(row), sorted[std::size_t(row)]) << ids[0] << " row " << row;
        }
        for (int row : {2, 0, 1}) {
            ASSERT_TRUE(whole.setAbsolutePosition(row));
            ASSERT_TRUE(deferred.setAbsolutePosition(row));
            for (const QString &name : whole.fieldNames())
                EXPECT_EQ(deferred.field(name), whole.field(name))
                    << ids[0] << " row " << row << " " << name.toStdString();
        }
        ASSERT_TRUE(deferred.readColumns({u"Numeropage"_s, u"Index"_s}));
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(deferred.rows().value(row, u"Numeropage"), whole.rows().value(row, u"Numeropage"));
    }

    // An empty table has no rows at all.
    runSql(path, {{u"DELETE FROM Cours"_s}});
    DataControl empty;
    empty.setDeferredColumns({u"titre"_s, u"Numeropage"_s, u"Index"_s, u"precedent"_s, u"suite"_s,
                              u"imprimable"_s, u"moteur"_s, u"debutimp"_s, u"finimp"_s, u"fpc"_s,
                              u"sommaire"_s});
    refreshed(empty);
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_FALSE(empty.moveFirst());
}

TEST_F(SqliteStoreTest, DeferredValueFollowsWritesAndComesOnlyFromItsOwnDatabase)
{
    DataControl data;
    data.setDeferredColumns({u"fpc"_s});
    refreshed(data, false);
    ASSERT_TRUE(data.setAbsolutePosition(2));
    EXPECT_EQ(data.field(u"fpc"), u"Corps\r\n"_s);
    ASSERT_TRUE(data.setField(u"fpc", u"Nouveau\r\n"_s));
    EXPECT_EQ(data.field(u"fpc"), u"Nouveau\r\n"_s);
    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"fpc"), longBody());

    // A row removed since the refresh reads as the empty text.
    runSql(dir.filePath(u"PcTs.sqlite"_s), {{u"DELETE FROM Cours WHERE rowid = 20"_s}});
    ASSERT_TRUE(data.setAbsolutePosition(2));
    EXPECT_EQ(data.field(u"fpc"), QString());

    // Once the control is pointed at a database that cannot be opened, the rows
    // read before stay, but their bodies are not looked up in another file.
    QTemporaryDir other;
    runSql(other.filePath(u"PcTs.sqlite"_s), {{u"CREATE TABLE Autre (x TEXT)"_s}});
    data.setDatabaseName(other.filePath(u"PcTs"_s));
    EXPECT_EQ(data.refresh(), StoreStatus::NoSuchTable);
    ASSERT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"titre"), QString::fromUtf8("Mécanique — ondes"));
    EXPECT_EQ(data.field(u"fpc"), QString());
}

TEST_F(SqliteStoreTest, MovesByPositionAndFailedMovesKeepTheRow)
{
    DataControl data;
    refreshed(data);

    EXPECT_TRUE(data.moveLast());
    EXPECT_EQ(data.absolutePosition(), 2);
    EXPECT_EQ(data.field(u"titre"), u"Forces"_s);

    EXPECT_TRUE(data.setAbsolutePosition(1));
    EXPECT_EQ(data.field(u"Numeropage"), u"2"_s);

    for (int bad : {3, -1, 100, std::numeric_limits<int>::min()}) {
        EXPECT_FALSE(data.setAbsolutePosition(bad)) << bad;
        EXPECT_EQ(data.absolutePosition(), 1) << bad;
        EXPECT_EQ(data.field(u"Numeropage"), u"2"_s) << bad;
    }

    EXPECT_TRUE(data.moveFirst());
    EXPECT_EQ(data.absolutePosition(), 0);
    EXPECT_EQ(data.field(u"titre"), u"Accueil"_s);
}

TEST_F(SqliteStoreTest, TableAndFieldNamesIgnoreLetterCase)
{
    for (const QString &table : {u"cours"_s, u"COURS"_s, u"CoUrS"_s}) {
        DataControl data;
        data.setDatabaseName(base());
        data.setRecordSource(table);
        ASSERT_EQ(data.refresh(), StoreStatus::Ok) << table.toStdString();
        EXPECT_EQ(data.rows().tableName(), u"Cours"_s);
        ASSERT_TRUE(data.moveLast());
        EXPECT_EQ(data.field(u"NUMEROPAGE"), u"28"_s);
        EXPECT_EQ(data.field(u"Fpc"), u"Corps\r\n"_s);
        EXPECT_EQ(data.field(u"index"), u"3"_s);
        // Yes/no fields keep their meaning under any spelling.
        EXPECT_EQ(data.field(u"MOTEUR"), u"1"_s);
        EXPECT_TRUE(data.hasField(u"SOMMAIRE"));
        EXPECT_FALSE(data.hasField(u"sommaires"));
        EXPECT_EQ(data.field(u"sommaires"), QString());
    }
}

TEST_F(SqliteStoreTest, DatabaseNameWithOrWithoutExtensionNamesTheSameFile)
{
    for (const QString &name : {u"PcTs.mdb"_s, u"PcTs.sqlite"_s, u"PcTs"_s, u"PcTs.MDB"_s}) {
        DataControl data;
        data.setDatabaseName(dir.filePath(name));
        data.setRecordSource(u"Cours"_s);
        EXPECT_EQ(data.refresh(), StoreStatus::Ok) << name.toStdString();
        EXPECT_EQ(data.rowCount(), 3) << name.toStdString();
    }
}

TEST_F(SqliteStoreTest, SetFieldIsWrittenAtOnceAndReadBackAfterARefresh)
{
    DataControl writer;
    refreshed(writer, /*readOnly=*/false);
    ASSERT_TRUE(writer.database().isWritable());

    ASSERT_TRUE(writer.setAbsolutePosition(2));
    ASSERT_TRUE(writer.setField(u"TITRE", QString::fromUtf8("Forces et énergie")));
    EXPECT_EQ(writer.field(u"titre"), QString::fromUtf8("Forces et énergie"));
    // The REAL column stores "2.50" as the number 2.5.
    ASSERT_TRUE(writer.setField(u"debutimp", u"2.50"_s));
    EXPECT_EQ(writer.field(u"debutimp"), u"2.5"_s);
    // A yes/no field written as the stored -1 reads as a check state.
    ASSERT_TRUE(writer.setAbsolutePosition(0));
    ASSERT_TRUE(writer.setField(u"precedent", u"-1"_s));
    EXPECT_EQ(writer.field(u"precedent"), u"1"_s);
    // Moving does not undo anything.
    ASSERT_TRUE(writer.moveLast());
    EXPECT_EQ(writer.field(u"titre"), QString::fromUtf8("Forces et énergie"));

    // Another control, read-only, sees the written values without the writer refreshing.
    DataControl reader;
    refreshed(reader);
    ASSERT_TRUE(reader.moveLast());
    EXPECT_EQ(reader.field(u"titre"), QString::fromUtf8("Forces et énergie"));
    EXPECT_EQ(reader.field(u"debutimp"), u"2.5"_s);
    ASSERT_TRUE(reader.moveFirst());
    EXPECT_EQ(reader.field(u"precedent"), u"1"_s);
    // The other rows are untouched.
    ASSERT_TRUE(reader.setAbsolutePosition(1));
    EXPECT_EQ(reader.field(u"titre"), QString::fromUtf8("Mécanique — ondes"));
    EXPECT_EQ(reader.field(u"fpc"), longBody());
}

TEST_F(SqliteStoreTest, SetFieldIsRefusedWhenItCannotBeWritten)
{
    DataControl readOnly;
    refreshed(readOnly);
    EXPECT_FALSE(readOnly.setField(u"titre", u"X"_s));
    EXPECT_EQ(readOnly.field(u"titre"), u"Accueil"_s);

    DataControl writer;
    refreshed(writer, false);
    EXPECT_FALSE(writer.setField(u"no_such_field", u"X"_s));
    // Closed database: the rows stay readable, writes fail.
    writer.database().close();
    EXPECT_EQ(writer.field(u"titre"), u"Accueil"_s);
    EXPECT_FALSE(writer.setField(u"titre", u"X"_s));
    // The next refresh reopens it.
    ASSERT_EQ(writer.refresh(), StoreStatus::Ok);
    EXPECT_TRUE(writer.setField(u"titre", u"X"_s));

    // A control that has read nothing has no row to write.
    DataControl empty;
    EXPECT_FALSE(empty.setField(u"titre", u"X"_s));
}

TEST_F(SqliteStoreTest, ReadOnlyTakesEffectAtTheNextRefresh)
{
    DataControl data;
    refreshed(data);
    data.setReadOnly(false);
    EXPECT_FALSE(data.setField(u"titre", u"X"_s)); // not yet refreshed writable
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    EXPECT_TRUE(data.setField(u"titre", u"X"_s));
    data.setReadOnly(true);
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    EXPECT_FALSE(data.setField(u"titre", u"Y"_s));
    EXPECT_EQ(data.field(u"titre"), u"X"_s);
}

TEST_F(SqliteStoreTest, StatusTellsAbsentUnreadableAndMissingTable)
{
    QFile garbage(dir.filePath(u"X.sqlite"_s));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray("This is not a database at all, only some text.\n").repeated(200));
    garbage.close();

    struct Case {
        QString name;
        QString table;
        StoreStatus expected;
    };
    const Case cases[] = {
        {u"X"_s, u"Cours"_s, StoreStatus::Unreadable},
        {u"Missing"_s, u"Cours"_s, StoreStatus::Absent},
        {u"PcTs"_s, u"Contenu"_s, StoreStatus::NoSuchTable},
        {u"PcTs"_s, u"Cours"_s, StoreStatus::Ok},
    };
    for (const Case &c : cases) {
        DataControl data;
        EXPECT_EQ(data.status(), StoreStatus::NotRead);
        data.setDatabaseName(dir.filePath(c.name));
        data.setRecordSource(c.table);
        EXPECT_EQ(data.refresh(), c.expected) << c.name.toStdString();
        EXPECT_EQ(data.status(), c.expected) << c.name.toStdString();
        if (c.expected != StoreStatus::Ok) {
            EXPECT_EQ(data.rowCount(), 0);
            EXPECT_EQ(data.absolutePosition(), -1);
            EXPECT_FALSE(data.moveFirst());
            EXPECT_EQ(data.field(u"titre"), QString());
        }
    }
}

TEST_F(SqliteStoreTest, FailedRefreshKeepsTheRowsReadBefore)
{
    DataControl data;
    refreshed(data);
    ASSERT_TRUE(data.setAbsolutePosition(2));
    data.setRecordSource(u"Absente"_s);
    EXPECT_EQ(data.refresh(), StoreStatus::NoSuchTable);
    EXPECT_EQ(data.rowCount(), 3);
    EXPECT_EQ(data.absolutePosition(), 2);
    EXPECT_EQ(data.field(u"titre"), u"Forces"_s);

    data.setDatabaseName(dir.filePath(u"Missing"_s));
    EXPECT_EQ(data.refresh(), StoreStatus::Absent);
    EXPECT_EQ(data.field(u"titre"), u"Forces"_s);
    // Rows of a database that is no longer the open one are never written.
    data.setReadOnly(false);
    EXPECT_FALSE(data.setField(u"titre", u"X"_s));
}

TEST_F(SqliteStoreTest, OpenRecordsetFindsATableOnceThroughTheDatabase)
{
    DataControl data;
    refreshed(data);
    EXPECT_EQ(data.database().openRecordset(u"cours"), StoreStatus::Ok);
    EXPECT_EQ(data.database().openRecordset(u"DESCRIPTION"), StoreStatus::NoSuchTable);
    data.database().close();
    EXPECT_FALSE(data.database().isOpen());
    EXPECT_EQ(data.database().openRecordset(u"cours"), StoreStatus::NotRead);
}

TEST_F(SqliteStoreTest, RefreshSeesRowsAddedSinceTheLastOne)
{
    DataControl data;
    refreshed(data);
    runSql(dir.filePath(u"PcTs.sqlite"_s),
           {{QString::fromLatin1(kCoursInsert), {5, u"Avant"_s, 9, 9, 0, 0, 0, 0, 0, 0, u""_s, 1}}});
    EXPECT_EQ(data.rowCount(), 3);
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    ASSERT_EQ(data.rowCount(), 4);
    // Rowid 5 comes first; the refresh makes the first row current.
    EXPECT_EQ(data.absolutePosition(), 0);
    EXPECT_EQ(data.field(u"titre"), u"Avant"_s);
}

// Numbers of every size, whole or not, stored as INTEGER or REAL, read twice in
// one table (cells of the same number share one text in a read).
TEST(SqliteNumbers, WholeAndRealNumbersReadAsTheirTextsEvenWhenRepeated)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Nombres.sqlite"_s);
    struct Case {
        QVariant stored;
        QString text;
    };
    const Case cases[] = {
        {0, u"0"_s},
        {1023, u"1023"_s},
        {1024, u"1024"_s},
        {65535, u"65535"_s},
        {65536, u"65536"_s},
        {-7, u"-7"_s},
        {qint64(1) << 40, u"1099511627776"_s},
        {std::numeric_limits<qint64>::max(), u"9223372036854775807"_s},
        {std::numeric_limits<qint64>::min(), u"-9223372036854775808"_s},
        {0.0, u"0"_s},
        {1.0, u"1"_s},
        {1024.0, u"1024"_s},
        {65535.0, u"65535"_s},
        {65536.0, u"65536"_s},
        {-3.0, u"-3"_s},
        {0.5, u"0.5"_s},
        {1024.5, u"1024.5"_s},
        {1e15, u"1E+15"_s},
        {123456789.0, u"123456789"_s},
    };
    std::vector<Statement> statements = {{u"CREATE TABLE Nombres (n)"_s}};
    for (int pass = 0; pass < 2; ++pass)
        for (const Case &c : cases)
            statements.push_back({u"INSERT INTO Nombres VALUES (?)"_s, {c.stored}});
    runSql(path, statements);
    SqliteFile file;
    ASSERT_EQ(file.open(path, false), StoreStatus::Ok);
    const TableRead read = file.readTable(u"Nombres");
    ASSERT_EQ(read.status, StoreStatus::Ok);
    ASSERT_EQ(read.rows.rowCount(), int(2 * std::size(cases)));
    for (int row = 0; row < read.rows.rowCount(); ++row) {
        const Case &c = cases[std::size_t(row) % std::size(cases)];
        EXPECT_EQ(read.rows.cell(row, 0), c.text)
            << "row " << row << " " << c.stored.toString().toStdString();
    }
}

TEST(SqliteTestTables, TestDatabaseTablesKeepTheirValuesAsText)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tcTs.sqlite"_s);
    runSql(path,
           {
               {u"CREATE TABLE DESCRIPTION (Chapitre INTEGER, Titre TEXT, Nbquest INTEGER)"_s},
               {u"CREATE TABLE Contenu (REFERENCE INTEGER, question TEXT, type INTEGER, solution TEXT, "
                u"SiFaux TEXT, "
                "precedent INTEGER)"_s},
               {u"INSERT INTO DESCRIPTION VALUES (7, ?, 12)"_s, {QString::fromUtf8("Les ondes mécaniques")}},
               {u"INSERT INTO Contenu VALUES (703, ?, 1, '01010', NULL, -1)"_s, {u"##TEXTE\r\nQuestion"_s}},
           });

    DataControl description;
    description.setDatabaseName(dir.filePath(u"tcTs.mdb"_s));
    description.setRecordSource(u"DESCRIPTION"_s);
    ASSERT_EQ(description.refresh(), StoreStatus::Ok);
    ASSERT_TRUE(description.moveLast());
    EXPECT_EQ(description.absolutePosition(), 0);
    EXPECT_EQ(description.field(u"Chapitre"), u"7"_s);
    EXPECT_EQ(description.field(u"Titre"), QString::fromUtf8("Les ondes mécaniques"));
    EXPECT_EQ(description.field(u"Nbquest"), u"12"_s);

    DataControl contenu;
    contenu.setDatabaseName(dir.filePath(u"tcTs"_s));
    contenu.setRecordSource(u"contenu"_s);
    ASSERT_EQ(contenu.refresh(), StoreStatus::Ok);
    EXPECT_EQ(contenu.field(u"REFERENCE"), u"703"_s);
    EXPECT_EQ(contenu.field(u"Question"), u"##TEXTE\r\nQuestion"_s);
    EXPECT_EQ(contenu.field(u"type"), u"1"_s);
    EXPECT_EQ(contenu.field(u"solution"), u"01010"_s); // a text keeps its leading zero
    EXPECT_EQ(contenu.field(u"SiFaux"), QString());
    // Only the four fields of Cours are yes/no fields.
    EXPECT_EQ(contenu.field(u"precedent"), u"-1"_s);
}

TEST(SqliteTestTables, TableWithoutRowidIsReadButNotWritten)
{
    QTemporaryDir dir;
    runSql(dir.filePath(u"T.sqlite"_s),
           {
               {u"CREATE TABLE Contenu (REFERENCE INTEGER PRIMARY KEY, question TEXT) WITHOUT ROWID"_s},
               {u"INSERT INTO Contenu VALUES (702, 'b'), (701, 'a')"_s},
           });
    DataControl data;
    data.setDatabaseName(dir.filePath(u"T"_s));
    data.setRecordSource(u"Contenu"_s);
    data.setReadOnly(false);
    // Without rowids nothing could be fetched later: the table is read whole.
    data.setDeferredColumns({u"question"_s});
    ASSERT_EQ(data.refresh(), StoreStatus::Ok);
    ASSERT_EQ(data.rowCount(), 2);
    // Such a table is stored in key order.
    EXPECT_EQ(data.rows().value(0, u"question"), u"a"_s);
    EXPECT_EQ(data.field(u"question"), u"a"_s);
    EXPECT_FALSE(data.setField(u"question", u"c"_s));
    EXPECT_EQ(data.field(u"question"), u"a"_s);
}

TEST(SqliteDamage, TruncatedFileIsUnreadableNotACrash)
{
    QTemporaryDir dir;
    const QString whole = dir.filePath(u"Whole.sqlite"_s);
    createCourse(whole);
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    ASSERT_GT(bytes.size(), 100000); // the long body spans many pages

    // Cut after the schema page and part of the table: the long body is lost.
    QFile cut(dir.filePath(u"Cut.sqlite"_s));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();

    DataControl data;
    data.setDatabaseName(dir.filePath(u"Cut"_s));
    data.setRecordSource(u"Cours"_s);
    EXPECT_EQ(data.refresh(), StoreStatus::Unreadable);
    EXPECT_EQ(data.rowCount(), 0);
}

TEST(DatabaseLocation, SqliteFirstThenAccessWithoutRegardToCase)
{
    QTemporaryDir dir;
    const QDir folder(dir.path());
    auto touch = [&](const QString &name) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    };

    EXPECT_EQ(Database::locate(dir.path(), u"PcTs"_s).kind, Database::Kind::None);
    touch(u"pcts.MDB"_s);
    Database::Location found = Database::locate(dir.path(), u"PcTs"_s);
    EXPECT_EQ(found.kind, Database::Kind::Access);
    EXPECT_EQ(found.path, folder.filePath(u"pcts.MDB"_s));

    // A folder with the SQLite name is no database.
    ASSERT_TRUE(folder.mkdir(u"PcTs.sqlite"_s));
    EXPECT_EQ(Database::locate(dir.path(), u"PcTs"_s).kind, Database::Kind::Access);

    touch(u"PCTS.sqlite"_s);
    found = Database::locate(dir.path(), u"PcTs"_s);
    EXPECT_EQ(found.kind, Database::Kind::Sqlite);
    EXPECT_EQ(found.path, folder.filePath(u"PCTS.sqlite"_s));

    EXPECT_EQ(Database::locate(dir.path(), QString()).kind, Database::Kind::None);
    EXPECT_EQ(Database::locate(folder.filePath(u"nowhere"_s), u"PcTs"_s).kind, Database::Kind::None);
}

TEST(RealFieldText, ShortestRoundTripWithPoint)
{
    struct Case {
        double value;
        const char *text;
    };
    const Case cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {3.0, "3"},
        {-2.5, "-2.5"},
        {0.15, "0.15"},
        {0.1 + 0.2, "0.30000000000000004"},
        {0.0001, "0.0001"},
        {0.00002, "2E-05"},
        {-0.000025, "-2.5E-05"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {1.5e300, "1.5E+300"},
        {1.0 / 3.0, "0.3333333333333333"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RealFieldText(c.value), QString::fromLatin1(c.text)) << c.text;
    EXPECT_EQ(RealFieldText(std::numeric_limits<double>::infinity()), u"inf"_s);
    EXPECT_EQ(RealFieldText(std::nan("")), u"nan"_s);
}
