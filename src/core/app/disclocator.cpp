#include "core/app/disclocator.h"

#include <QFileInfo>

namespace vorlane {

DiscLocator::DiscLocator(QString applicationFolder, const Files &files, const Volumes &volumes,
                         Prompts &prompts, Desktop &desktop)
    : m_applicationFolder(WithFinalSlash(applicationFolder)), m_files(files), m_volumes(volumes),
      m_prompts(prompts), m_desktop(desktop)
{
}

Message DiscLocator::insertDiscMessage()
{
    return {QString::fromUtf8("Veuillez introduire le CD-ROM « CALDERINE » dans le lecteur."),
            QStringLiteral("CD-ROM absent"), MessageIcon::Exclamation, MessageButtons::RetryCancel};
}

void DiscLocator::LocateDataFile(QString &name)
{
    locate(name, QStringLiteral("PCTsDATA"), true, m_dataFolder);
}

void DiscLocator::LocateVideoFile(QString &name)
{
    locate(name, QStringLiteral("PCTSV"), false, m_videoFolder);
}

void DiscLocator::locate(QString &name, const QString &discFolder, bool tryApplicationFolder,
                         QString &lastFolder)
{
    if (name.trimmed().isEmpty())
        return;
    const QString bare = BareFileName(name);
    if (bare.isEmpty()) {
        name.clear();
        return;
    }

    if (tryApplicationFolder) {
        if (const auto found = FindInFolder(m_files, m_applicationFolder, bare)) {
            name = *found;
            return;
        }
    }

    for (;;) {
        const QStringList roots = m_volumes.roots();
        for (const QString &root : roots) {
            if (const auto found = FindInFolder(m_files, WithFinalSlash(root) + discFolder, bare)) {
                // The folder as it is spelled on this disc.
                lastFolder = WithFinalSlash(QFileInfo(*found).path());
                name = *found;
                return;
            }
        }
        if (m_prompts.ask(insertDiscMessage()) != MessageAnswer::Retry) {
            name.clear();
            m_desktop.beep();
            return;
        }
    }
}

} // namespace vorlane
