// Storing an edited question (the authoring switch) in the test database.

#include "exercisefixture.h"
#include "testsupport.h"

#include <QCryptographicHash>
#include <QFile>

namespace vorlane::testing {
namespace {

class TestDatabaseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ExerciseState state;
    TestDatabase database{AccessReaderOptions{QStringLiteral(VORLANE_MDB_READER)}};

    void writeCourse()
    {
        CourseSources sources;
        sources.tests = {chapterTest(
            2, "Deux", 2, {question(2, 3, "b", {"Deuxième ?¶"}), question(1, 3, "a", {"Première ?¶"})})};
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
    }
    QByteArray hashOf(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
};

TEST_F(TestDatabaseTest, AnEditIsStoredInTheCurrentRowOnly)
{
    writeCourse();
    state.pendingExercise = 2;
    database.open(dir.path());
    database.loadDescription(state);
    EXPECT_FALSE(database.writable());
    state.currentQuestion = 1;
    QString reason;
    ASSERT_TRUE(database.storeQuestion(state, QStringLiteral("Nouvelle ?\u00b6\r\n"), &reason))
        << reason.toStdString();
    EXPECT_TRUE(database.writable());

    // Read back by a fresh reader.
    TestDatabase again;
    again.open(dir.path());
    ExerciseState s;
    s.pendingExercise = 2;
    again.loadDescription(s);
    s.currentQuestion = 1;
    ASSERT_TRUE(again.findQuestion(s));
    EXPECT_EQ(again.question(), QStringLiteral("Nouvelle ?\u00b6\r\n"));
    EXPECT_EQ(again.solution(), QStringLiteral("a"));
    s.currentQuestion = 2;
    ASSERT_TRUE(again.findQuestion(s));
    EXPECT_EQ(again.question(), QString::fromUtf8("Deuxième ?\u00b6\r\n"));
}

TEST_F(TestDatabaseTest, ADamagedFileRefusesTheEditWithAReason)
{
    writeCourse();
    state.pendingExercise = 2;
    database.open(dir.path());
    database.loadDescription(state);
    // The file is damaged after it was read.
    const QString path = dir.filePath(QStringLiteral("tcTs.sqlite"));
    QFile::remove(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    QString reason;
    EXPECT_FALSE(database.storeQuestion(state, QStringLiteral("x"), &reason));
    EXPECT_FALSE(reason.isEmpty());
    // The rows read before stay readable.
    state.currentQuestion = 2;
    EXPECT_TRUE(database.findQuestion(state));
}

TEST_F(TestDatabaseTest, AnAccessFileIsNeverWritten)
{
    // An Access file that is no test database: it cannot be copied, and it is
    // left as it was.
    const QString mdb = dir.filePath(QStringLiteral("tcTs.mdb"));
    ASSERT_TRUE(QFile::copy(dataDir() + QStringLiteral("/mdb/jet4_test2V2000_accented_memo.mdb"), mdb));
    const QByteArray before = hashOf(mdb);
    database.open(dir.path());
    state.pendingExercise = 1;
    database.loadDescription(state);
    QString reason;
    EXPECT_FALSE(database.storeQuestion(state, QStringLiteral("x"), &reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("ne peut pas être lue")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("tcTs.sqlite"))));
    EXPECT_EQ(hashOf(mdb), before);
}

} // namespace
} // namespace vorlane::testing
