#include "core/companions/companiontitles.h"

namespace vorlane {

const std::array<QStringView, kCompanionTitleSlots> &CompanionTitleFragments()
{
    // Slot: program, and the title its window carries.
    static constexpr std::array<QStringView, kCompanionTitleSlots> kFragments = {
        u"",                                   // 0  (help window: left alone)
        u"ressives - Vorlane TS",              // 1  ONDES.EXE    "Ondes progressives - Vorlane TS"
        u"ériodiques - Vorlane TS",            // 2  PERIODIQ.EXE "Ondes périodiques - Vorlane TS"
        u"iffraction - Vorlane TS",            // 3  DIFFRACT.EXE "Diffraction - Vorlane TS"
        u"adioactivité - Vorlane TS",          // 4  RADIOACT.EXE "Radioactivité - Vorlane TS"
        u"ucléaire - Vorlane TS",              // 5  NOYAUX.EXE   "Énergie nucléaire - Vorlane TS"
        u"ircuit RC - Vorlane TS",             // 6  CIRCRC.EXE   "Circuit RC - Vorlane TS"
        u"ite de l'éditeur - Vorlane TS",      // 7  INTERNET.EXE "Site de l'éditeur - Vorlane TS"
        u"",                                   // 8  (no program)
        u"ircuit RL - Vorlane TS",             // 9  CIRCRL.EXE   "Circuit RL - Vorlane TS"
        u"scillations RLC - Vorlane TS",       // 10 OSCILRLC.EXE "Oscillations RLC - Vorlane TS"
        u"hute verticale - Vorlane TS",        // 11 CHUTE.EXE    "Chute verticale - Vorlane TS"
        u"atellites et planètes - Vorlane TS", // 12 SATELLIT.EXE "Satellites et planètes - Vorlane TS"
        u"endules et ressorts - Vorlane TS",   // 13 PENDULE.EXE  "Pendules et ressorts - Vorlane TS"
        u"inétique chimique - Vorlane TS",     // 14 CINETIQ.EXE  "Cinétique chimique - Vorlane TS"
        u"quilibre chimique - Vorlane TS",     // 15 EQUILIBR.EXE "Équilibre chimique - Vorlane TS"
        u"cides et bases - Vorlane TS",        // 16 ACIDBASE.EXE "Acides et bases - Vorlane TS"
        u"itrages - Vorlane TS",               // 17 TITRAGE.EXE  "Titrages - Vorlane TS"
        u"iles électrochimiques - Vorlane TS", // 18 PILES.EXE    "Piles électrochimiques - Vorlane TS"
        u"stérification - Vorlane TS",         // 19 ESTERIF.EXE  "Estérification - Vorlane TS"
    };
    return kFragments;
}

bool TitleMatchesSlot(QStringView title, int slot)
{
    if (slot < 0 || slot >= kCompanionTitleSlots || title.isEmpty())
        return false;
    const QStringView fragment = CompanionTitleFragments()[size_t(slot)];
    return !fragment.isEmpty() && title.contains(fragment, Qt::CaseSensitive);
}

} // namespace vorlane
