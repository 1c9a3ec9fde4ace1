#include "core/course/coursesources.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

const char *kPage = "titre: Énergie cinétique\n"
                    "Numeropage: 40\n"
                    "Index: 12\n"
                    "precedent: oui\n"
                    "suite: non\n"
                    "imprimable: oui\n"
                    "moteur: oui\n"
                    "debutimp: -1\n"
                    "finimp: 41\n"
                    "sommaire: 28\n"
                    "@@corps\n"
                    "##SI12\n"
                    "\n"
                    "Ec = ½·m·v²¶\n";

// Reads one query's rows as text, from a fresh connection.
QList<QStringList> rows(const QString &path, const QString &sql)
{
    QList<QStringList> out;
    const QString name = QStringLiteral("check-") + path;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(sql);
            while (q.next()) {
                QStringList r;
                for (int i = 0; i < q.record().count(); ++i)
                    r << q.value(i).toString();
                out << r;
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return out;
}
} // namespace

TEST(CourseSources, PageHeaderAndBodyWithCrLf)
{
    SourceError error;
    const auto page = ParsePageSource(QStringLiteral("p.page"), QString::fromUtf8(kPage), &error);
    ASSERT_TRUE(page) << error.text().toStdString();
    EXPECT_EQ(page->titre, QString::fromUtf8("Énergie cinétique"));
    EXPECT_EQ(page->numeropage, 40);
    EXPECT_EQ(page->index, 12);
    EXPECT_TRUE(page->precedent);
    EXPECT_FALSE(page->suite);
    EXPECT_EQ(page->debutimp, -1);
    EXPECT_EQ(page->sommaire, 28);
    // Blank lines of the body are kept; every line ends with CR LF, the last too.
    EXPECT_EQ(page->fpc, QString::fromUtf8("##SI12\r\n\r\nEc = ½·m·v²¶\r\n"));
}

TEST(CourseSources, CrLfSourcesGiveTheSameBody)
{
    QString crlf = QString::fromUtf8(kPage);
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    const auto a = ParsePageSource(QStringLiteral("a"), QString::fromUtf8(kPage), nullptr);
    const auto b = ParsePageSource(QStringLiteral("b"), crlf, nullptr);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->fpc, b->fpc);
}

TEST(CourseSources, ErrorsNameFileAndLine)
{
    struct Case {
        const char *text;
        int line;
        const char *words;
    } cases[] = {
        {"Numeropage: 4\nIndex: x\n", 2, "not a whole number"},
        {"Numeropage: 4\nIndex: 4\nsuite: peut-être\n", 3, "oui or non"},
        {"Numeropage: 4\ncouleur: bleu\n", 2, "unknown field"},
        {"Numeropage: 4\nrien ici\n", 2, "key: value"},
        {"titre: x\n", 0, "Numeropage and Index"},
        {"Numeropage: 4\nIndex: 4\n@@autre\n", 3, "unknown section"},
    };
    for (const Case &c : cases) {
        SourceError error;
        EXPECT_FALSE(ParsePageSource(QStringLiteral("f.page"), QString::fromUtf8(c.text), &error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_TRUE(error.message.contains(QString::fromUtf8(c.words))) << error.text().toStdString();
        EXPECT_EQ(error.file, u"f.page");
    }
}

TEST(CourseSources, TestQuestionsAndReferences)
{
    const char *text = "Chapitre: 7\nTitre: Les acides\n"
                       "@@question 3\ntype: 3\nsolution: acide faible\n@@texte\nQuestion trois ?¶\n##EXOTX\n"
                       "@@sifaux\nRevoir le cours.¶\n"
                       "@@question 1\ntype: 1\nsolution: 01010\n@@texte\nQ1¶\n";
    SourceError error;
    const auto test = ParseTestSource(QStringLiteral("t.test"), QString::fromUtf8(text), &error);
    ASSERT_TRUE(test) << error.text().toStdString();
    EXPECT_EQ(test->chapitre, 7);
    EXPECT_EQ(test->nbquest, 2);
    ASSERT_EQ(test->questions.size(), 2u);
    EXPECT_EQ(test->questions[0].number, 3);
    EXPECT_EQ(test->questions[0].solution, u"acide faible");
    EXPECT_EQ(test->questions[0].question, QStringLiteral("Question trois ?\u00B6\r\n##EXOTX\r\n"));
    EXPECT_EQ(test->questions[0].siFaux, QStringLiteral("Revoir le cours.\u00B6\r\n"));
    EXPECT_EQ(test->questions[1].type, 1);
    EXPECT_FALSE(
        ParseTestSource(QStringLiteral("t"), QStringLiteral("Chapitre: 1\n@@question 101\n"), &error));
    EXPECT_FALSE(ParseTestSource(QStringLiteral("t"), QStringLiteral("Chapitre: 1\n@@texte\nx\n"), &error));
}

TEST(CourseSources, ChapterAndQuestionNumbersTheTestWindowCannotHoldAreRefused)
{
    // The test window keeps the chapter in 16 bits (-32768 to 32767) and its
    // questions run from 1 to 100; REFERENCE = chapter x 100 + question.
    struct Case {
        const char *text;
        int line; // 0: accepted
    } cases[] = {
        {"Titre: t\nChapitre: 21474837\n@@question 5\n", 2},
        {"Chapitre: 32768\n", 1},
        {"Chapitre: -32769\n", 1},
        {"Chapitre: 2147483647\n", 1},
        {"Chapitre: 99999999999\n", 1},
        {"Chapitre: 1\n\n@@question 0\n", 3},
        {"Chapitre: 1\n@@question 2147483647\n", 2},
        {"Chapitre: 1\n@@question -1\n", 2},
        {"Chapitre: 32767\n@@question 100\n", 0},
        {"Chapitre: -32768\n@@question 1\n", 0},
    };
    for (const Case &c : cases) {
        SourceError error;
        const auto test = ParseTestSource(QStringLiteral("c.test"), QString::fromUtf8(c.text), &error);
        EXPECT_EQ(bool(test), c.line == 0) << c.text;
        if (c.line != 0) {
            EXPECT_EQ(error.file, u"c.test") << c.text;
            EXPECT_EQ(error.line, c.line) << c.text << error.text().toStdString();
        }
    }
}

TEST(CourseSources, WritesDatabasesWithTheCourseSchema)
{
    QTemporaryDir src, app;
    writeFile(src.filePath(QStringLiteral("pages/0002-b.page")), kPage);
    writeFile(src.filePath(QStringLiteral("pages/0001-a.page")),
              "Numeropage: 1\nIndex: 1\n@@corps\nAccueil¶\n");
    writeFile(src.filePath(QStringLiteral("tests/01.test")),
              "Chapitre: 7\nTitre: Acides\n@@question 3\ntype: 2\nsolution: 00100\n@@texte\nQ¶\n");
    writeFile(src.filePath(QStringLiteral("data/SCHEMA.GIF")), "GIF89a");
    SourceError error;
    const auto sources = ReadCourseSources(src.path(), &error);
    ASSERT_TRUE(sources) << error.text().toStdString();
    QString message;
    ASSERT_TRUE(WriteCourseDatabases(*sources, app.path(), &message)) << message.toStdString();

    const QString course = app.filePath(QStringLiteral("PcTs.sqlite"));
    // Rows in file-name order; yes/no as 1 / 0; missing fields as their defaults.
    const auto cours = rows(course, QStringLiteral("SELECT titre, Numeropage, \"Index\", precedent, suite, "
                                                   "imprimable, moteur, debutimp, finimp, fpc, sommaire "
                                                   "FROM Cours ORDER BY rowid"));
    ASSERT_EQ(cours.size(), 2);
    EXPECT_EQ(cours[0][1], u"1");
    EXPECT_EQ(cours[0][9], QStringLiteral("Accueil\u00B6\r\n"));
    EXPECT_EQ(cours[1], (QStringList{QString::fromUtf8("Énergie cinétique"), u"40"_qs, u"12"_qs, u"1"_qs,
                                     u"0"_qs, u"1"_qs, u"1"_qs, u"-1"_qs, u"41"_qs,
                                     QString::fromUtf8("##SI12\r\n\r\nEc = ½·m·v²¶\r\n"), u"28"_qs}));
    // Reading the page numbers and orders of every page needs only the keys'
    // index, not the table.
    const auto plan =
        rows(course, QStringLiteral("EXPLAIN QUERY PLAN SELECT rowid, Numeropage, \"Index\" FROM Cours"));
    ASSERT_EQ(plan.size(), 1);
    EXPECT_TRUE(plan[0].constLast().contains(u"COVERING INDEX Cours_cles"))
        << plan[0].join(u' ').toStdString();
    // Nor does counting the rows, which is all start-up reads when the page
    // index comes from its cache.
    const auto rowsPlan =
        rows(course, QStringLiteral("EXPLAIN QUERY PLAN SELECT rowid, NULL AS titre, NULL AS fpc "
                                    "FROM Cours"));
    ASSERT_EQ(rowsPlan.size(), 1);
    EXPECT_TRUE(rowsPlan[0].constLast().contains(u"COVERING INDEX Cours_cles"))
        << rowsPlan[0].join(u' ').toStdString();
    const QString tests = app.filePath(QStringLiteral("tcTs.sqlite"));
    EXPECT_EQ(rows(tests, QStringLiteral("SELECT Chapitre, Titre, Nbquest FROM DESCRIPTION")),
              (QList<QStringList>{{u"7"_qs, u"Acides"_qs, u"1"_qs}}));
    EXPECT_EQ(rows(tests, QStringLiteral("SELECT REFERENCE, type, solution FROM Contenu")),
              (QList<QStringList>{{u"703"_qs, u"2"_qs, u"00100"_qs}}));
    EXPECT_TRUE(QFile::exists(app.filePath(QStringLiteral("SCHEMA.GIF"))));
}

TEST(CourseSources, FailedBuildKeepsThePreviousCourse)
{
    QTemporaryDir src, app;
    writeFile(src.filePath(QStringLiteral("pages/1.page")), "Numeropage: 1\nIndex: 1\n@@corps\nUn¶\n");
    auto sources = ReadCourseSources(src.path(), nullptr);
    ASSERT_TRUE(sources);
    ASSERT_TRUE(WriteCourseDatabases(*sources, app.path(), nullptr));
    // A source error stops before anything is written.
    writeFile(src.filePath(QStringLiteral("pages/2.page")), "Numeropage: deux\n");
    SourceError error;
    EXPECT_FALSE(ReadCourseSources(src.path(), &error));
    EXPECT_TRUE(error.file.endsWith(u"2.page"));
    EXPECT_EQ(rows(app.filePath(QStringLiteral("PcTs.sqlite")), QStringLiteral("SELECT count(*) FROM Cours")),
              (QList<QStringList>{{u"1"_qs}}));
    EXPECT_FALSE(ReadCourseSources(src.filePath(QStringLiteral("absent")), &error));
}

TEST(BundledCourse, SourcesCompile)
{
    SourceError error;
    const auto sources = ReadCourseSources(QStringLiteral(VORLANE_SAMPLE_DIR), &error);
    ASSERT_TRUE(sources) << error.text().toStdString();
    bool home = false;
    for (const CoursePage &p : sources->pages) {
        home = home || p.numeropage == 1;
        EXPECT_TRUE(p.fpc.endsWith(QStringLiteral("\r\n"))) << p.source.toStdString();
        EXPECT_FALSE(p.fpc.contains(QRegularExpression(QStringLiteral("[^\r]\n")))) << p.source.toStdString();
    }
    EXPECT_TRUE(home);
}
