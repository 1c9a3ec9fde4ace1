// The title fragments by which the closing window finds companion programs.

#include "core/companions/companiontitles.h"
#include "core/course/launchcode.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::Literals::StringLiterals;

namespace {

// Titles of windows found on any desktop, browsing or editing pages about the
// very subjects of the companion programs.
const QStringList kDesktopTitles = {
    u"Ondes progressives — Wikipédia — Mozilla Firefox"_s,
    u"Circuit RC - Google Chrome"_s,
    u"Titrages acido-basiques - Chromium"_s,
    u"Radioactivité : cours de terminale – Mozilla Firefox"_s,
    u"Site de l'éditeur Vorlane - Mozilla Firefox"_s,
    u"Vorlane TS – Wikipédia — Mozilla Firefox"_s,
    u"eleve@poste: ~/Vorlane TS"_s,
    u"Terminal"_s,
    u"xterm"_s,
    u"bash — Konsole"_s,
    u"Fichiers - /home/eleve/Documents/Vorlane TS"_s,
    u"Dolphin - Estérification"_s,
    u"Vorlane - Dorvance"_s,
    u"Pendules et ressorts.odt - LibreOffice Writer"_s,
    u"*Équilibre chimique.txt - gedit"_s,
    u"Acides et bases - notes.txt - Mousepad"_s,
    u"Cinétique chimique - cours.pdf - Okular"_s,
    u"Thunderbird - Piles électrochimiques"_s,
    u"Vorlane"_s,
    u"Mise à jour du logiciel"_s,
    u"Quitter"_s,
};

TEST(CompanionTitles, NoFragmentMatchesCommonDesktopWindows)
{
    for (const QString &title : kDesktopTitles) {
        for (int slot = 0; slot < kCompanionTitleSlots; ++slot)
            EXPECT_FALSE(TitleMatchesSlot(title, slot)) << title.toStdString() << " slot " << slot;
    }
}

// Each companion's window title, as the README documents it, and its slot.
struct CompanionTitle {
    int slot;
    const char16_t *title;
};

const CompanionTitle kCompanionTitles[] = {
    {1, u"Ondes progressives - Vorlane TS"},
    {2, u"Ondes périodiques - Vorlane TS"},
    {3, u"Diffraction - Vorlane TS"},
    {4, u"Radioactivité - Vorlane TS"},
    {5, u"Énergie nucléaire - Vorlane TS"},
    {6, u"Circuit RC - Vorlane TS"},
    {7, u"Site de l'éditeur - Vorlane TS"},
    {9, u"Circuit RL - Vorlane TS"},
    {10, u"Oscillations RLC - Vorlane TS"},
    {11, u"Chute verticale - Vorlane TS"},
    {12, u"Satellites et planètes - Vorlane TS"},
    {13, u"Pendules et ressorts - Vorlane TS"},
    {14, u"Cinétique chimique - Vorlane TS"},
    {15, u"Équilibre chimique - Vorlane TS"},
    {16, u"Acides et bases - Vorlane TS"},
    {17, u"Titrages - Vorlane TS"},
    {18, u"Piles électrochimiques - Vorlane TS"},
    {19, u"Estérification - Vorlane TS"},
};

TEST(CompanionTitles, EachCompanionTitleMatchesItsOwnSlotOnly)
{
    QSet<int> seenSlots;
    for (const CompanionTitle &c : kCompanionTitles) {
        const QString title = QString::fromUtf16(c.title);
        seenSlots.insert(c.slot);
        for (int slot = 0; slot < kCompanionTitleSlots; ++slot)
            EXPECT_EQ(TitleMatchesSlot(title, slot), slot == c.slot)
                << title.toStdString() << " slot " << slot;
        // A title in another letter case is left alone, and so is a title
        // with more around it (a window of the same program) still found.
        EXPECT_FALSE(TitleMatchesSlot(title.toUpper(), c.slot)) << title.toStdString();
        EXPECT_FALSE(TitleMatchesSlot(title.toLower(), c.slot)) << title.toStdString();
        EXPECT_TRUE(TitleMatchesSlot(u"Exercice 03 - "_s + title + u" [modifié]"_s, c.slot));
    }
    // Eighteen programs, seenSlots 1..7 and 9..19.
    EXPECT_EQ(seenSlots.size(), 18);
    EXPECT_FALSE(seenSlots.contains(0));
    EXPECT_FALSE(seenSlots.contains(8));
}

TEST(CompanionTitles, EmptySlotsAndBadInputMatchNothing)
{
    EXPECT_TRUE(CompanionTitleFragments()[0].isEmpty());
    EXPECT_TRUE(CompanionTitleFragments()[8].isEmpty());
    for (int slot : {0, 8, -1, 20, 1000}) {
        EXPECT_FALSE(TitleMatchesSlot(u"Aide de Vorlane"_s, slot)) << slot;
        EXPECT_FALSE(TitleMatchesSlot(u"x"_s, slot)) << slot;
    }
    EXPECT_FALSE(TitleMatchesSlot(QString(), 1));
}

TEST(CompanionTitles, EveryPublishedModuleHasAFragment)
{
    // The eighteen executables of the launch table, one fragment each.
    int programs = 0;
    for (int module = 1; module <= 24; ++module)
        programs += CompanionExecutable(module) ? 1 : 0;
    int fragments = 0;
    for (QStringView f : CompanionTitleFragments())
        fragments += f.isEmpty() ? 0 : 1;
    EXPECT_EQ(programs, 18);
    EXPECT_EQ(fragments, programs);
}

} // namespace
