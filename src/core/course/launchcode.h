#pragma once

#include <QString>
#include <optional>

namespace vorlane {

// A launch code c (the three digits of an "EXE" target) names a companion
// module and the exercise file it opens: the module is the integer part of
// c / 10 and the exercise the last digit; from module 50 on the module is
// n - 50 and the exercise the last digit + 9. A multiple of 10 hands over no
// file (and its module is not reduced). The file text is "Exercice " + the
// exercise in at least two digits + "." + the module's file code.
struct LaunchRequest {
    int module = 0;
    QString fileText;
};

LaunchRequest DecodeLaunchCode(int code);

// File code of a module's exercise files ("E32" for module 2...); empty for a
// module whose files have no code.
QString ModuleFileCode(int module);

// File name of the companion executable of a module (1..24, in the application
// folder); nullopt for a number without one (9, 14, 15, 17, 18, 20 and any
// number outside 1..24).
std::optional<QString> CompanionExecutable(int module);

// The module started by the main window's web-site button ("EXE070").
constexpr int kWebSiteModule = 7;

} // namespace vorlane
