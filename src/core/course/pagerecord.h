#pragma once

#include "core/course/courserows.h"

#include <QString>

namespace vorlane {

// The page record of the current row as the hidden bound controls of the main
// window show it (the frame `Framebase`): page display reads the page only from
// here, except `sommaire`, which it reads by name.
struct PageRecord {
    QString textitre;  // Textitre: titre
    QString textID;    // TextID: Numeropage
    int checkpre = 0;  // Checkpre: precedent, check state 1 or 0
    int checksui = 0;  // Checksui: suite
    int checkimp = 0;  // Checkimp: imprimable
    int checkmot = 0;  // Checkmot: moteur
    QString debimp;    // debimp: debutimp
    QString finimp;    // finimp: finimp
    QString textIndex; // TextIndex: Index
    QString code;      // code (rich text): fpc, the page body

    // The bound controls after a move of `rows`.
    static PageRecord read(const CourseRows &rows);

    // The check state a bound check box shows for a yes/no field's text: 1 for
    // yes (any number other than 0, or "True"), 0 otherwise.
    static int checkState(const QString &fieldText);
};

// Field names of the course table.
namespace CoursField {
inline QString titre()
{
    return QStringLiteral("titre");
}
inline QString numeropage()
{
    return QStringLiteral("Numeropage");
}
inline QString index()
{
    return QStringLiteral("Index");
}
inline QString precedent()
{
    return QStringLiteral("precedent");
}
inline QString suite()
{
    return QStringLiteral("suite");
}
inline QString imprimable()
{
    return QStringLiteral("imprimable");
}
inline QString moteur()
{
    return QStringLiteral("moteur");
}
inline QString debutimp()
{
    return QStringLiteral("debutimp");
}
inline QString finimp()
{
    return QStringLiteral("finimp");
}
inline QString fpc()
{
    return QStringLiteral("fpc");
}
inline QString sommaire()
{
    return QStringLiteral("sommaire");
}
} // namespace CoursField

} // namespace vorlane
