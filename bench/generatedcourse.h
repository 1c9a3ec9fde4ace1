#pragma once

// A generated course for benchmarks: as many pages as asked, with bodies that
// look like the bundled course's (headings, paragraphs, formulas with indexes,
// exponents and fractions, links to other pages), grouped in chapters of
// twenty pages, each chapter reached from a table of contents page, the tables
// of contents from the home page. Page k is stored at row k - 1, its Index is
// k and it belongs to the chapter table of contents its `sommaire` names.

#include "core/course/coursesources.h"

#include <QRandomGenerator>
#include <QStringList>

namespace vorlane::bench {

inline QString sentence(QRandomGenerator &rng)
{
    static const QStringList words = {
        QStringLiteral("onde"),         QStringLiteral("célérité"), QStringLiteral("période"),
        QStringLiteral("fréquence"),    QStringLiteral("énergie"),  QStringLiteral("noyau"),
        QStringLiteral("condensateur"), QStringLiteral("bobine"),   QStringLiteral("tension"),
        QStringLiteral("intensité"),    QStringLiteral("réaction"), QStringLiteral("avancement"),
        QStringLiteral("équilibre"),    QStringLiteral("acide"),    QStringLiteral("base"),
        QStringLiteral("solution"),     QStringLiteral("la"),       QStringLiteral("le"),
        QStringLiteral("de"),           QStringLiteral("du"),       QStringLiteral("est"),
        QStringLiteral("dans"),         QStringLiteral("un"),       QStringLiteral("une"),
        QStringLiteral("mesure"),       QStringLiteral("temps"),    QStringLiteral("constante"),
        QStringLiteral("vitesse"),      QStringLiteral("milieu"),   QStringLiteral("système"),
    };
    QString s;
    const int n = 9 + int(rng.bounded(6));
    for (int i = 0; i < n; ++i) {
        if (i)
            s += u' ';
        s += words[int(rng.bounded(qsizetype(words.size())))];
    }
    s[0] = s[0].toUpper();
    return s;
}

inline QString pageBody(int number, int pages, QRandomGenerator &rng)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString end = QStringLiteral("\u00b6\r\n");
    QString b;
    b += QStringLiteral("##DGFOND2") + crlf +
         QStringLiteral("##TITBARChapitre %1").arg((number - 1) / 20 + 1) + crlf;
    for (int section = 1; section <= 3; ++section) {
        b += QStringLiteral("##SI14") + crlf + QStringLiteral("##BOL1") + crlf + QStringLiteral("##C003") +
             crlf;
        b += QStringLiteral("%1. Partie %1 de la page %2").arg(section).arg(number) + end;
        b += QStringLiteral("##SI10") + crlf + QStringLiteral("##BOL0") + crlf + QStringLiteral("##C000") +
             crlf;
        for (int line = 0; line < 5; ++line)
            b += sentence(rng) + end;
        b += QStringLiteral("##PIY004") + crlf + QStringLiteral("##POX040") + crlf;
        b += QStringLiteral("E") + crlf + QStringLiteral("##INDc") + crlf + QStringLiteral(" = ") + crlf;
        b += QStringLiteral("##FRAC1#2") + crlf + QStringLiteral(" m v") + crlf + QStringLiteral("##EXP2") +
             crlf;
        b += end;
        b += QStringLiteral("##PIY004") + crlf + QStringLiteral("##C002") + crlf;
        b += QStringLiteral("##LIERTVoir aussi la page %1#PA%2")
                 .arg(1 + int(rng.bounded(pages)))
                 .arg(1 + int(rng.bounded(pages)), 4, 10, QLatin1Char('0')) +
             crlf + end;
        b += QStringLiteral("##C000") + crlf + QStringLiteral("##PIY006") + crlf;
    }
    return b;
}

// `pages` pages (at least 30); chapter tables of contents are the pages whose
// number is 2 + 21 m; page 1 is the home page.
inline CourseSources generatedCourse(int pages, quint32 seed = 2001)
{
    QRandomGenerator rng(seed);
    CourseSources course;
    const QString crlf = QStringLiteral("\r\n");
    const QString end = QStringLiteral("\u00b6\r\n");
    QList<int> tables;
    for (int n = 2; n <= pages; n += 21)
        tables << n;
    for (int n = 1; n <= pages; ++n) {
        CoursePage p;
        p.source = QStringLiteral("g%1.page").arg(n);
        p.numeropage = n;
        p.index = n;
        p.imprimable = true;
        p.moteur = true;
        p.debutimp = n;
        p.finimp = n;
        if (n == 1) {
            p.titre = QStringLiteral("Accueil");
            p.sommaire = 1;
            p.fpc = QStringLiteral("##DGFOND2") + crlf + QStringLiteral("##ALCE") + crlf +
                    QStringLiteral("##SI18") + crlf + QStringLiteral("Cours g\u00e9n\u00e9r\u00e9") + end +
                    QStringLiteral("##ALGA") + crlf + QStringLiteral("##SI10") + crlf;
            for (int i = 0; i < std::min<qsizetype>(tables.size(), 36); ++i)
                p.fpc += QStringLiteral("##POX020") + crlf +
                         QStringLiteral("##LIERTChapitre %1#PA%2")
                             .arg(i + 1)
                             .arg(tables[i], 4, 10, QLatin1Char('0')) +
                         crlf + end;
        } else if (tables.contains(n)) {
            p.titre = QStringLiteral("Sommaire du chapitre %1").arg(tables.indexOf(n) + 1);
            p.sommaire = 1;
            p.fpc = QStringLiteral("##DGFOND2") + crlf + QStringLiteral("##SI16") + crlf + p.titre + end +
                    QStringLiteral("##SI10") + crlf;
            for (int k = n + 1; k <= std::min(n + 20, pages); ++k)
                p.fpc += QStringLiteral("##POX030") + crlf +
                         QStringLiteral("##LIERTPage %1#PA%2").arg(k).arg(k, 4, 10, QLatin1Char('0')) + crlf +
                         end;
        } else {
            const int table =
                tables[int(std::upper_bound(tables.begin(), tables.end(), n) - tables.begin()) - 1];
            p.titre = QStringLiteral("Page %1").arg(n);
            p.sommaire = table;
            p.precedent = n - 1 > table;
            p.suite = n + 1 <= pages && !tables.contains(n + 1);
            p.fpc = pageBody(n, pages, rng);
        }
        course.pages.push_back(std::move(p));
    }
    return course;
}

} // namespace vorlane::bench
