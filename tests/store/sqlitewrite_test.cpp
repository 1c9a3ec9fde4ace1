#include "core/store/sqlitefile.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

class SqliteWriteTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(SqliteWriteTest, RowsWrittenInATransactionReadBackInOrder)
{
    {
        SqliteFile file;
        ASSERT_TRUE(file.create(path("new.sqlite")));
        EXPECT_TRUE(file.isWritable());
        QString error;
        ASSERT_TRUE(file.execute(
            u"CREATE TABLE DESCRIPTION (Chapitre INTEGER, Titre TEXT, Nbquest INTEGER)"_s, &error))
            << error.toStdString();
        ASSERT_TRUE(file.beginTransaction());
        ASSERT_TRUE(file.insertRow(u"DESCRIPTION", {3, u"Les ondes « mécaniques »"_s, 12}, &error))
            << error.toStdString();
        ASSERT_TRUE(file.insertRow(u"DESCRIPTION", {1, QVariant(), 0}, &error)) << error.toStdString();
        ASSERT_TRUE(file.commit());
    }
    SqliteFile file;
    ASSERT_EQ(file.open(path("new.sqlite"), false), StoreStatus::Ok);
    const TableRead read = file.readTable(u"description");
    ASSERT_EQ(read.status, StoreStatus::Ok);
    ASSERT_EQ(read.rows.rowCount(), 2);
    EXPECT_EQ(read.rows.value(0, u"Chapitre"), u"3"_s);
    EXPECT_EQ(read.rows.value(0, u"Titre"), u"Les ondes « mécaniques »"_s);
    EXPECT_EQ(read.rows.value(0, u"Nbquest"), u"12"_s);
    EXPECT_EQ(read.rows.value(1, u"Chapitre"), u"1"_s);
    EXPECT_EQ(read.rows.value(1, u"Titre"), QString()); // NULL reads as the empty text
}

TEST_F(SqliteWriteTest, AnExistingFileIsNeverOverwritten)
{
    QFile existing(path("old.sqlite"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("not a database");
    existing.close();
    SqliteFile file;
    EXPECT_FALSE(file.create(path("old.sqlite")));
    EXPECT_FALSE(file.isOpen());
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("not a database"));
}

TEST_F(SqliteWriteTest, FailuresSayWhy)
{
    SqliteFile file;
    QString error;
    EXPECT_FALSE(file.execute(u"CREATE TABLE t (a)"_s, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(file.insertRow(u"t", {1}, &error));
    // In a folder that does not exist nothing can be created.
    EXPECT_FALSE(file.create(path("missing/sub/new.sqlite")));

    ASSERT_TRUE(file.create(path("new.sqlite")));
    error.clear();
    EXPECT_FALSE(file.execute(u"CREATE TABLE"_s, &error));
    EXPECT_FALSE(error.isEmpty());
    ASSERT_TRUE(file.execute(u"CREATE TABLE t (a, b)"_s));
    error.clear();
    EXPECT_FALSE(file.insertRow(u"absent", {1, 2}, &error));
    EXPECT_TRUE(error.contains(u"absent"_s)) << error.toStdString();
    error.clear();
    EXPECT_FALSE(file.insertRow(u"t", {1, 2, 3}, &error)); // one value too many
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(file.insertRow(u"t", {1, 2}));
    EXPECT_EQ(file.readTable(u"t").rows.rowCount(), 1);
}

} // namespace
