#include "core/course/coursesources.h"
#include "testsupport.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vorlane;

// The bundled course is also the showcase of the markup: every command a page
// can use appears at least once, so that a change that breaks one is seen on
// screen as well as in the renderer's tests.
TEST(BundledCourse, UsesEveryPageCommand)
{
    const auto sources = ReadCourseSources(QStringLiteral(VORLANE_SAMPLE_DIR), nullptr);
    ASSERT_TRUE(sources);
    QStringList lines;
    for (const CoursePage &p : sources->pages)
        lines += p.fpc.split(QStringLiteral("\r\n"));
    const char *tags[] = {
        "SI",      "BOL1",    "BOL0",    "ITA1",   "ITA0",     "UND1",         "UND0",       "ALGA",
        "ALCE",    "ALDR",    "C0",      "TCH",    "TCB",      "TCG",          "TCI",        "TCD",
        "UP",      "TAB",     "FEINC",   "FONT",   "RELIEF",   "SQD",          "DGFOND",     "SQF",
        "ARCD",    "ARCF",    "VA1",     "VA2",    "VE1",      "VE2",          "IND",        "EXP",
        "POLY",    "CHAPEAU", "POINT",   "LEWIS",  "FLECHE",   "DECABAS",      "DECABA2",    "DECAHAU",
        "DECAHA2", "DECLIG",  "FINTAB",  "FINTAX", "FINTAC",   "FINITAB",      "FTABRET",    "IJA",
        "IMA",     "IXA",     "IHDEF",   "OBJTIT", "OBJILLUS", "OBJPRINCIPAL", "OBJTAILLE",  "POX",
        "PIX",     "PIY",     "LARGEUR", "RECT",   "FRAC",     "INTER",        "NUMERATEUR", "DENOMINATEUR",
        "FINFRAC", "K001",    "K002",    "K003",   "K004",     "K101",         "LIER1",      "LIERT",
        "LIERI",   "LIERX",   "LIERF",   "ADMEN",  "TITBAR",   "VIDEO",        "DECABADEF",  "DECAHADEF",
    };
    QStringList missing;
    for (const char *tag : tags) {
        const QString prefix = QStringLiteral("##") + QString::fromLatin1(tag);
        bool found = false;
        for (const QString &l : lines)
            found = found || l.startsWith(prefix);
        if (!found)
            missing << QString::fromLatin1(tag);
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u' ').toStdString();
}
