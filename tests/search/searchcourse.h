#pragma once

#include "core/course/coursesources.h"

#include <QString>
#include <vector>

namespace vorlane::testing {

// A small course for the search tests, in this stored order (row 0 first).
inline std::vector<CoursePage> searchCoursePages()
{
    struct Row {
        int number;
        const char *title;
        bool moteur;
        const char *body;
    };
    const Row rows[] = {
        {1, "Accueil", true, "Accueil : champ \u00e9lectrique, dilution, ion, liert\u00b6\r\n"},
        {10, "Champ seul", true, "Le champ magn\u00e9tique\u00b6\r\n"},
        {11, "\u00c9lectrique seul", true, "Une charge \u00c9LECTRIQUE\u00b6\r\n"},
        {12, "Les deux", true, "Le Champ \u00e9lectrique E\u00b6\r\n"},
        {13, "Dilution", true, "La dilution d'une solution\u00b6\r\n"},
        {14, "Commande", true, "##LIERTVoir la page#PA0028\r\nTexte\u00b6\r\n"},
        {15, "Hors moteur", false, "champ \u00e9lectrique dilution ion liert\u00b6\r\n"},
        {16, "Sans accents", true, "Le champ electrique sans accent\u00b6\r\n"},
        {17, "D\u00e9compos\u00e9", true, "e\u0301lectrique d\u00e9compos\u00e9\u00b6\r\n"},
        {18, "Oeuvre", true, "Une \u0153uvre\u00b6\r\n"},
    };
    std::vector<CoursePage> pages;
    int order = 1;
    for (const Row &r : rows) {
        CoursePage p;
        p.source = QStringLiteral("page%1.page").arg(r.number);
        p.titre = QString::fromUtf8(r.title);
        p.numeropage = r.number;
        p.index = order++;
        p.imprimable = true;
        p.moteur = r.moteur;
        p.sommaire = 1;
        p.fpc = QString::fromUtf8(r.body);
        pages.push_back(p);
    }
    return pages;
}

// Writes the course into an application folder.
inline bool writeSearchCourse(const QString &folder, QString *error)
{
    CourseSources sources;
    sources.pages = searchCoursePages();
    return WriteCourseDatabases(sources, folder, error);
}

} // namespace vorlane::testing
