#pragma once

#include "core/course/ordercatalogue.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vorlane {

// The bundled course is written as text sources, easy to write and to review in
// a diff, and compiled into the databases of the application folder.
//
// Folder layout:
//   pages/*.page   one course page each; rows are stored in file-name order
//   tests/*.test   one chapter test each
//   data/          pictures, videos, the cover and the help page, copied as they are
//   commande.txt   the order forms' catalogue (see ParseOrderCatalogue); without
//                  it the course has no table Commande and offers no order form
//
// A source file starts with header lines "key: value", then section lines that
// begin with "@@". Blank lines in the header are ignored; lines of a section are
// taken as they are (LF or CR LF in the source) and stored with CR LF, the last
// one included.
//
// Page file:                       Test file:
//   titre: Énergie cinétique         Chapitre: 3
//   Numeropage: 40                   Titre: Les ondes mécaniques
//   Index: 40                        @@question 1
//   precedent: oui                   type: 2
//   suite: oui                       solution: 01000
//   imprimable: oui                  @@texte
//   moteur: oui                      ...markup of the question...
//   debutimp: 40                     @@sifaux
//   finimp: 41                       ...markup of the explanation...
//   sommaire: 28                     @@question 2
//   @@corps                          ...
//   ...markup of the body...
//
// Yes/no values are "oui" or "non". In a test, "type" and "solution" are header
// lines of their question; Nbquest is the number of questions unless given in
// the header; REFERENCE is Chapitre x 100 + the question number. Chapitre is
// what the test window holds, a 16-bit number (-32768 to 32767), and question
// numbers run from 1 to 100; anything else is refused with its file and line.

struct CoursePage {
    QString source; // file name, for messages
    QString titre;
    int numeropage = 0;
    int index = 0;
    bool precedent = false;
    bool suite = false;
    bool imprimable = false;
    bool moteur = false;
    double debutimp = 0;
    double finimp = 0;
    int sommaire = 0;
    QString fpc;
    // Source lines, for authors' messages (0: not given).
    int numeropageLine = 0;
    int indexLine = 0;
    int sommaireLine = 0;
    int bodyLine = 0;         // the first line of the body (the line after "@@corps")
    int repeatedBodyLine = 0; // a second "@@corps", whose body replaces the first
};

struct TestQuestion {
    int number = 0;
    int type = 0;
    QString solution;
    QString question;
    QString siFaux;
    // Source lines, for authors' messages (0: not given).
    int line = 0; // "@@question N"
    int typeLine = 0;
    int solutionLine = 0;
    int questionLine = 0; // the first line of the question's markup
    int siFauxLine = 0;   // the first line of the explanation
    int repeatedLine = 0; // a second "@@texte" or "@@sifaux", which replaces the first
};

struct ChapterTest {
    static constexpr int kMinChapter = -32768;
    static constexpr int kMaxChapter = 32767;
    static constexpr int kMaxQuestion = 100;

    QString source;
    int chapitre = 0;
    QString titre;
    int nbquest = 0;
    std::vector<TestQuestion> questions;
};

struct CourseSources {
    std::vector<CoursePage> pages;
    std::vector<ChapterTest> tests;
    QStringList dataFiles;                               // absolute paths of the files of data/
    std::optional<std::vector<CatalogueItem>> catalogue; // table Commande, when the course has one
};

struct SourceError {
    QString file;
    int line = 0;
    QString message;
    QString text() const;
};

// Parses one page or test source. Errors name the file and the line.
std::optional<CoursePage> ParsePageSource(const QString &fileName, const QString &text, SourceError *error);
std::optional<ChapterTest> ParseTestSource(const QString &fileName, const QString &text, SourceError *error);

// Reads every source of a course folder.
std::optional<CourseSources> ReadCourseSources(const QString &folder, SourceError *error);

// Writes PcTs.sqlite (table Cours, and Commande when there is a catalogue) and tcTs.sqlite (tables
// DESCRIPTION and Contenu) into the application folder and copies the data files beside them. Each database
// is written to a temporary file first and renamed, so a failed build never leaves a half-written course.
bool WriteCourseDatabases(const CourseSources &sources, const QString &applicationFolder, QString *error);

} // namespace vorlane
