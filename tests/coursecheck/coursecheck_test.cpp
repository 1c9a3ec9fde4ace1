#include "core/course/coursecheck.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {

void write(const QTemporaryDir &dir, const char *path, const QByteArray &bytes)
{
    const QString full = dir.filePath(QString::fromLatin1(path));
    QDir().mkpath(QFileInfo(full).path());
    QFile f(full);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    f.write(bytes);
}

// A course of three pages and two tests with one fault of each kind.
void writeFaultyCourse(const QTemporaryDir &dir)
{
    write(dir, "pages/0001-a.page",
          "titre: A\n"                    // 1
          "Numeropage: 1\n"               // 2
          "Index: 1\n"                    // 3
          "sommaire: 9\n"                 // 4  no page 9
          "@@corps\n"                     // 5
          "##CENTRE\n"                    // 6  unknown command
          "##TAB0102001\n"                // 7  TAB with too few digits
          "##IHDEFfig.png20010\n"         // 8  picture size does not parse
          "##LIERTvoir#PA0007\n"          // 9  no page 7
          "##IXAabsent.png\n"             // 10 not in data/
          "##VIDEOabsent.avi\n"           // 11 not in data/
          "##IXAFIG.png\n"                // 12 fine: names are compared ignoring case
          "##LIERTsuite#PAG002\n"         // 13 fine
          "##LIERTtest#EXO001\n"          // 14 fine
          "##C012\n"                      // 15 fine
          "\xc3\xa9t\xc3\xa9\xc2\xb6\n"); // 16 fine (UTF-8)
    write(dir, "pages/0002-b.page",
          "titre: B\n"
          "Numeropage: 2\n"
          "Index: 5\n" // 3: above the row count (3)
          "@@corps\n"
          "Bonjour\xc2\xb6\n");
    write(dir, "pages/0003-c.page",
          "titre: C\n"
          "Numeropage: 2\n" // 2: given twice
          "Index: 1\n"      // 3: given twice
          "@@corps\n"
          "caf\xe9\n"); // 5: Latin-1, not UTF-8
    write(dir, "data/fig.png", "not really a picture");
    write(dir, "tests/01-t.test",
          "Chapitre: 1\n"               // 1
          "Titre: T\n"                  // 2
          "@@question 1\n"              // 3
          "type: 7\n"                   // 4  unknown type
          "solution: x\n"               // 5
          "@@texte\n"                   // 6
          "##EXOOP\n"                   // 7
          "@@question 2\n"              // 8
          "type: 3\n"                   // 9
          "solution: \xc3\xa9lectron\n" // 10 an accent never matches
          "@@texte\n"                   // 11
          "##EXOTX\n"                   // 12
          "@@question 3\n"              // 13
          "type: 1\n"                   // 14
          "solution: 0101\n"            // 15 four characters
          "@@texte\n"                   // 16
          "##EXOCK\n"                   // 17
          "##EXOCK\n"                   // 18
          "@@question 4\n"              // 19
          "type: 3\n"                   // 20
          "solution: pH-metre\n"        // 21 the dash is removed from answers
          "@@texte\n"                   // 22
          "##EXOTX\n"                   // 23
          "@@question 5\n"              // 24
          "type: 2\n"                   // 25
          "solution: 01000\n"           // 26 fine
          "@@texte\n"                   // 27
          "##EXOOP\n"                   // 28
          "##EXOOP\n"                   // 29
          "@@sifaux\n"                  // 30
          "##EXOLIRevoir#68\n");        // 31 no page 68
    write(dir, "tests/02-vide.test", "Chapitre: 2\nTitre: Vide\n");
}

struct Expected {
    const char *file;
    int line;
    const char *words;
};

TEST(CourseCheck, NamesEveryFaultWithItsFileAndLine)
{
    QTemporaryDir dir;
    writeFaultyCourse(dir);
    const std::vector<CourseFinding> findings = CourseCheck::checkFolder(dir.path());
    const Expected expected[] = {
        {"pages/0001-a.page", 4, "sommaire 9"},
        {"pages/0001-a.page", 6, "unknown command \"##CENTRE\""},
        {"pages/0001-a.page", 7, "##TAB0102001"},
        {"pages/0001-a.page", 8, "picture size"},
        {"pages/0001-a.page", 9, "page 7"},
        {"pages/0001-a.page", 10, "absent.png"},
        {"pages/0001-a.page", 11, "absent.avi"},
        {"pages/0002-b.page", 3, "Index 5 is outside 0 to 3"},
        {"pages/0003-c.page", 2, "Numeropage 2 is given twice"},
        {"pages/0003-c.page", 3, "Index 1 is given twice"},
        {"pages/0003-c.page", 5, "not UTF-8"},
        {"tests/01-t.test", 4, "unknown type 7"},
        {"tests/01-t.test", 10, "cannot match"},
        {"tests/01-t.test", 15, "not five 0/1 characters"},
        {"tests/01-t.test", 21, "\"-\""},
        {"tests/01-t.test", 31, "page 68"},
        {"tests/02-vide.test", 0, "no question"},
    };
    QString all;
    for (const CourseFinding &f : findings)
        all += f.text() + u'\n';
    for (const Expected &e : expected) {
        const QString file = dir.filePath(QString::fromLatin1(e.file));
        const auto it = std::find_if(findings.begin(), findings.end(), [&](const CourseFinding &f) {
            return f.file == file && f.line == e.line && f.message.contains(QString::fromUtf8(e.words));
        });
        EXPECT_NE(it, findings.end()) << e.file << ":" << e.line << " " << e.words << "\nfound:\n"
                                      << all.toStdString();
        if (it != findings.end()) {
            EXPECT_FALSE(it->error) << e.file << ":" << e.line;
        }
    }
    // Nothing else: the sound lines draw no finding.
    EXPECT_EQ(findings.size(), std::size(expected)) << all.toStdString();
}

TEST(CourseCheck, FindingTextNamesFileAndLine)
{
    EXPECT_EQ((CourseFinding{QStringLiteral("p/a.page"), 12, QStringLiteral("m")}).text(),
              QStringLiteral("p/a.page:12: m"));
    EXPECT_EQ((CourseFinding{QStringLiteral("t/b.test"), 0, QStringLiteral("m")}).text(),
              QStringLiteral("t/b.test: m"));
}

TEST(CourseCheck, SolutionsThatCannotMatch)
{
    struct Case {
        int type;
        const char *solution;
        int controls; // EXOCK, EXOOP or EXOTX lines of the question
        bool finding;
    };
    const Case cases[] = {
        {3, "electron", 1, false},      {3, "acide faible", 1, false}, {3, "\xc3\x89lectron", 1, true},
        {3, "fa\xc3\xa7on", 1, true},   {3, "l'eau", 1, true},         {3, "3.5", 1, true},
        {3, "sous_couche", 1, true},    {3, "ou?", 1, true},           {3, "", 1, true},
        {3, "ma\xc3\xaetre", 1, false},                        // î is kept by the answer check
        {3, "electron", 0, true},                              // no text box
        {2, "00100", 3, false},         {2, "01100", 3, true}, // two option buttons at once
        {2, "00001", 3, true},                                 // the fifth button is never placed
        {1, "10101", 5, false},         {1, "1010", 5, true},          {1, "1010a", 5, true},
        {1, "000000", 5, true},
    };
    for (const Case &c : cases) {
        CourseSources sources;
        ChapterTest t;
        t.source = QStringLiteral("t.test");
        t.chapitre = 1;
        t.nbquest = 1;
        TestQuestion q;
        q.number = 1;
        q.type = c.type;
        q.solution = QString::fromUtf8(c.solution);
        q.line = 3;
        q.solutionLine = 5;
        const char *control = c.type == 1 ? "##EXOCK" : c.type == 2 ? "##EXOOP" : "##EXOTX";
        for (int i = 0; i < c.controls; ++i)
            q.question += QString::fromLatin1(control) + QStringLiteral("\r\nr\xc3\xa9ponse\r\n");
        q.questionLine = 7;
        t.questions.push_back(q);
        sources.tests.push_back(t);
        const auto findings = CourseCheck::checkSources(sources);
        EXPECT_EQ(!findings.empty(), c.finding) << c.type << " " << c.solution << " " << c.controls;
    }
}

TEST(CourseCheck, MissingPagesFolderAndUnparsableSourceAreErrors)
{
    QTemporaryDir empty;
    auto findings = CourseCheck::checkFolder(empty.path());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(findings[0].error);
    EXPECT_TRUE(findings[0].message.contains(u"pages/"));

    QTemporaryDir bad;
    write(bad, "pages/1.page", "Numeropage: 1\nIndex: un\n");
    findings = CourseCheck::checkFolder(bad.path());
    ASSERT_FALSE(findings.empty());
    EXPECT_TRUE(findings[0].error);
    EXPECT_EQ(findings[0].line, 2);
}

TEST(CourseCheck, ABodyGivenTwiceIsReported)
{
    QTemporaryDir dir;
    write(dir, "pages/1.page", "Numeropage: 1\nIndex: 1\n@@corps\nun\xc2\xb6\n@@corps\ndeux\xc2\xb6\n");
    const auto findings = CourseCheck::checkFolder(dir.path());
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].line, 5);
    EXPECT_TRUE(findings[0].message.contains(u"@@corps"));
}

TEST(CourseCheck, TheBundledCourseHasNoFinding)
{
    const auto findings = CourseCheck::checkFolder(QStringLiteral(VORLANE_SAMPLE_DIR));
    QString all;
    for (const CourseFinding &f : findings)
        all += f.text() + u'\n';
    EXPECT_TRUE(findings.empty()) << all.toStdString();
}

} // namespace
