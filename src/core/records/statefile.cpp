#include "core/records/statefile.h"

#include "core/text/numbertext.h"

#include <QDir>

namespace vorlane {

StateFile::StateFile(const QString &applicationFolder) : m_file(QDir(applicationFolder).filePath(fileName()))
{
}

bool StateFile::resetAtStartup() const
{
    std::vector<std::pair<int, QString>> records;
    for (int n = 1; n <= kModuleCount; ++n)
        records.emplace_back(n, QStringLiteral("NON"));
    records.emplace_back(kLaunchFileRecord, QStringLiteral("NON"));
    records.emplace_back(kDescriptionRecord, QString::fromUtf8("complète pour l'enseignant"));
    return m_file.writeMany(records);
}

QString StateFile::moduleFlag(int module) const
{
    return m_file.read(module);
}

bool StateFile::setModuleFlag(int module, const QString &flag) const
{
    if (module < 1 || module > kModuleCount)
        return false;
    return m_file.write(module, flag);
}

int StateFile::CountRunningModules(int module) const
{
    const QStringList flags = m_file.readRange(1, kModuleCount);
    if (module >= 1 && module <= kModuleCount) {
        if (flags.value(module - 1) != u"NON")
            return -1;
    } else if (m_file.read(module) != u"NON") {
        // A module number outside 1..30 reads a record that is never "NON".
        return -1;
    }
    int running = 0;
    for (const QString &f : flags) {
        if (TrimSpaces(f) == u"OUI")
            ++running;
    }
    return running;
}

bool StateFile::anyModuleNotStopped() const
{
    const QStringList flags = m_file.readRange(1, kModuleCount);
    for (const QString &f : flags) {
        if (f != u"NON")
            return true;
    }
    return false;
}

bool StateFile::setLaunchFileText(const QString &text) const
{
    return m_file.write(kLaunchFileRecord, text);
}
QString StateFile::launchFileText() const
{
    return m_file.read(kLaunchFileRecord);
}
QString StateFile::description() const
{
    return m_file.read(kDescriptionRecord);
}
QString StateFile::furtherDescription() const
{
    return m_file.read(kFurtherDescriptionRecord);
}
QString StateFile::indexCacheState() const
{
    return m_file.read(kIndexCacheRecord);
}
bool StateFile::setIndexCacheState(const QString &state) const
{
    return m_file.write(kIndexCacheRecord, state);
}

} // namespace vorlane
