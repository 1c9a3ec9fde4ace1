#include "core/course/launchcode.h"

#include "core/text/numbertext.h"

#include <array>

namespace vorlane {

LaunchRequest DecodeLaunchCode(int code)
{
    LaunchRequest r;
    r.module = code / 10;
    if (code % 10 == 0)
        return r;
    int exercise = code % 10;
    if (r.module >= 50) {
        r.module -= 50;
        exercise += 9;
    }
    r.fileText = QStringLiteral("Exercice ") + ZeroPadded(exercise, 2) + u'.' + ModuleFileCode(r.module);
    return r;
}

QString ModuleFileCode(int module)
{
    switch (module) {
    case 2:
        return QStringLiteral("E32");
    case 3:
        return QStringLiteral("E33");
    case 4:
        return QStringLiteral("E34");
    case 6:
        return QStringLiteral("E35");
    case 8:
        return QStringLiteral("E36");
    case 10:
        return QStringLiteral("E43");
    case 11:
        return QStringLiteral("E38");
    case 12:
        return QStringLiteral("E41");
    case 13:
        return QStringLiteral("E37");
    case 16:
        return QStringLiteral("E39");
    case 19:
        return QStringLiteral("E40");
    case 21:
        return QStringLiteral("E42");
    case 22:
        return QStringLiteral("E05");
    case 23:
        return QStringLiteral("E21");
    case 24:
        return QStringLiteral("E44");
    default:
        return {};
    }
}

std::optional<QString> CompanionExecutable(int module)
{
    // The simulation programs installed beside the course window, one per
    // module; the gaps are modules that were never published.
    static constexpr std::array<const char *, 25> kExecutables = {
        nullptr,        // 0
        "ONDES.EXE",    // 1  progressive waves
        "PERIODIQ.EXE", // 2  periodic waves
        "DIFFRACT.EXE", // 3  diffraction and dispersion
        "RADIOACT.EXE", // 4  radioactive decay
        "NOYAUX.EXE",   // 5  nuclear energy
        "CIRCRC.EXE",   // 6  RC circuit
        "INTERNET.EXE", // 7  the publisher's web site
        "CIRCRL.EXE",   // 8  RL circuit
        nullptr,        // 9
        "OSCILRLC.EXE", // 10 RLC oscillations
        "CHUTE.EXE",    // 11 falling bodies
        "SATELLIT.EXE", // 12 satellites and planets
        "PENDULE.EXE",  // 13 pendulums and springs
        nullptr,        // 14
        nullptr,        // 15
        "CINETIQ.EXE",  // 16 reaction kinetics
        nullptr,        // 17
        nullptr,        // 18
        "EQUILIBR.EXE", // 19 chemical equilibrium
        nullptr,        // 20
        "ACIDBASE.EXE", // 21 acids and bases
        "TITRAGE.EXE",  // 22 titrations
        "PILES.EXE",    // 23 cells
        "ESTERIF.EXE",  // 24 esterification
    };
    if (module < 1 || module >= int(kExecutables.size()) || !kExecutables[size_t(module)])
        return std::nullopt;
    return QString::fromLatin1(kExecutables[size_t(module)]);
}

} // namespace vorlane
