#pragma once

// A small course for the print tests, written into an application folder:
//   page 1      a run of its own (debutimp 1, finimp 1): text, a formula, a
//               table with a row fill and a picture (carre.png, 120 x 80)
//   pages 2-4   one run of three pages, each printable from any of them
//   pages 5-7   a run whose middle page, 6, is landscape (debutimp -1)
//   page 8      nothing to print (debutimp 9, finimp 8)
//   page 9      a run of its own, not marked printable
// Every body names its page ("Corps de la page N"); page 6 also writes
// "Gauche" at x = 0 and "Droite" at 700 pixels.

#include "core/course/coursesources.h"

#include <QColor>
#include <QDir>
#include <QImage>

namespace vorlane::testing {

inline CoursePage printPage(int number, double first, double last, const QString &extra = {})
{
    const QString end = QStringLiteral("\u00b6\r\n");
    CoursePage p;
    p.source = QStringLiteral("p%1.page").arg(number);
    p.titre = QStringLiteral("Page %1").arg(number);
    p.numeropage = number;
    p.index = number;
    p.sommaire = 1;
    p.imprimable = true;
    p.debutimp = first;
    p.finimp = last;
    p.fpc = QStringLiteral("##SI12\r\nCorps de la page %1").arg(number) + end + extra;
    return p;
}

inline CourseSources printCourse()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString end = QStringLiteral("\u00b6\r\n");
    CourseSources s;
    const QString formula = QStringLiteral("##PIY010") + crlf + QStringLiteral("E") + crlf +
                            QStringLiteral("##INDc") + crlf + QStringLiteral(" = ") + crlf +
                            QStringLiteral("##FRAC1#2") + crlf + QStringLiteral(" m v") + crlf +
                            QStringLiteral("##EXP2") + crlf + end;
    const QString table = QStringLiteral("##PIY010") + crlf + QStringLiteral("##TAB01020001") + crlf +
                          QStringLiteral("Grandeur") + end + QStringLiteral("##TAB20040002") + crlf +
                          QStringLiteral("Unité") + end + QStringLiteral("##FINTAC06") + crlf;
    const QString picture = QStringLiteral("##PIY010") + crlf + QStringLiteral("##IMAcarre.png") + crlf + end;
    s.pages.push_back(printPage(1, 1, 1, formula + table + picture));
    for (int n = 2; n <= 4; ++n)
        s.pages.push_back(printPage(n, 2, 4));
    s.pages.push_back(printPage(5, 5, 7));
    s.pages.push_back(printPage(6, -1, 6,
                                QStringLiteral("##POX000") + crlf + QStringLiteral("Gauche") + crlf +
                                    QStringLiteral("##POX700") + crlf + QStringLiteral("Droite") + end));
    // Page 7 leaves the surface in a large, bold, italic, underlined red: the
    // footer has its own style.
    s.pages.push_back(
        printPage(7, 5, 7, QStringLiteral("##SI20\r\n##BOL1\r\n##ITA1\r\n##UND1\r\n##C012\r\nFin") + end));
    s.pages.push_back(printPage(8, 9, 8));
    CoursePage p9 = printPage(9, 9, 9);
    p9.imprimable = false;
    s.pages.push_back(p9);
    return s;
}

// Writes the course and its picture into `folder`; false with `error` set when
// it could not.
inline bool writePrintCourse(const QString &folder, QString *error)
{
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 200));
    if (!picture.save(QDir(folder).filePath(QStringLiteral("carre.png")))) {
        *error = QStringLiteral("cannot write the picture");
        return false;
    }
    return WriteCourseDatabases(printCourse(), folder, error);
}

} // namespace vorlane::testing
