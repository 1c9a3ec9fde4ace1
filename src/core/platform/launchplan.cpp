#include "core/platform/launchplan.h"

#include <QFile>
#include <QStandardPaths>

namespace vorlane {

LaunchPlan PlanLaunch(const QString &path, const QStringList &arguments, const QByteArray &head,
                      const QString &wine)
{
    const bool native = head.startsWith("\x7f"
                                        "ELF") ||
                        head.startsWith("#!");
    if (path.endsWith(u".exe", Qt::CaseInsensitive) && !native && !wine.isEmpty())
        return {wine, QStringList{path} + arguments};
    return {path, arguments};
}

LaunchPlan PlanLaunch(const QString &path, const QStringList &arguments)
{
    QByteArray head;
    QFile f(path);
    if (f.open(QIODevice::ReadOnly))
        head = f.read(4);
    return PlanLaunch(path, arguments, head, QStandardPaths::findExecutable(QStringLiteral("wine")));
}

} // namespace vorlane
