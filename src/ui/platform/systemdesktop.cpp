#include "ui/platform/systemdesktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vorlane {

bool SystemDesktop::openHelp(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

bool SystemDesktop::openDisplaySettings()
{
    const std::pair<const char *, const char *> programs[] = {
        {"gnome-control-center", "display"}, {"kcmshell6", "kcm_kscreen"},     {"kcmshell5", "kcm_kscreen"},
        {"xfce4-display-settings", nullptr}, {"lxqt-config-monitor", nullptr}, {"arandr", nullptr},
    };
    for (const auto &[name, argument] : programs) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (program.isEmpty())
            continue;
        QStringList arguments;
        if (argument)
            arguments << QString::fromLatin1(argument);
        return QProcess::startDetached(program, arguments);
    }
    return false;
}

void SystemDesktop::beep()
{
    QApplication::beep();
}

} // namespace vorlane
