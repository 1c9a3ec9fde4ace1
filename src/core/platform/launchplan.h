#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vorlane {

// The command that starts a program file. Companion programs were written for
// another platform: a ".exe" that is not a native executable (no ELF header and
// no "#!" line) is run by wine when wine is installed.
struct LaunchPlan {
    QString program;
    QStringList arguments;
};

// `head` is the start of the file (a few bytes are enough); `wine` the path of
// the wine program, or empty when it is not installed.
LaunchPlan PlanLaunch(const QString &path, const QStringList &arguments, const QByteArray &head,
                      const QString &wine);

// The same, reading the file's first bytes and looking wine up in PATH.
LaunchPlan PlanLaunch(const QString &path, const QStringList &arguments);

} // namespace vorlane
