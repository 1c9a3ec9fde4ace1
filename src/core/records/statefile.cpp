#include "core/records/statefile.h"

#include "core/text/numbertext.h"

#include <QDir>

namespace vorlane {

StateFile::StateFile(const QString &applicationFolder, StateMemory *memory)
    : m_file(QDir(applicationFolder).filePath(fileName())), m_memory(memory)
{
}

bool StateFile::inMemory() const
{
    if (!m_memory)
        return false;
    if (m_memory->m_inUse)
        return true;
    if (RecordFile::mayWrite(m_file.path()))
        return false;
    // What the file holds (a state file installed with the program) is the
    // memory's start.
    const QStringList texts = m_file.readRange(1, kLastRecord);
    for (int n = 1; n <= texts.size(); ++n) {
        if (!texts[n - 1].isEmpty())
            m_memory->m_records[n] = texts[n - 1];
    }
    m_memory->m_inUse = true;
    return true;
}

QString StateFile::read(int n) const
{
    if (!inMemory())
        return m_file.read(n);
    const auto it = m_memory->m_records.find(n);
    return it == m_memory->m_records.end() ? QString() : it->second;
}

QStringList StateFile::readRange(int first, int last) const
{
    if (!inMemory())
        return m_file.readRange(first, last);
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts.append(read(n));
    return texts;
}

bool StateFile::writeMany(const std::vector<std::pair<int, QString>> &records) const
{
    if (!inMemory())
        return m_file.writeMany(records);
    // The memory refuses what the file would refuse.
    for (const auto &[n, text] : records) {
        if (!RecordFile::isRecordNumber(n) || RecordFile::encode(text).isEmpty())
            return false;
    }
    for (const auto &[n, text] : records)
        m_memory->m_records[n] = RecordFile::decode(RecordFile::encode(text));
    return true;
}

bool StateFile::resetAtStartup() const
{
    std::vector<std::pair<int, QString>> records;
    for (int n = 1; n <= kModuleCount; ++n)
        records.emplace_back(n, QStringLiteral("NON"));
    records.emplace_back(kLaunchFileRecord, QStringLiteral("NON"));
    records.emplace_back(kDescriptionRecord, QString::fromUtf8("complète pour l'enseignant"));
    return writeMany(records);
}

QString StateFile::moduleFlag(int module) const
{
    return read(module);
}

bool StateFile::setModuleFlag(int module, const QString &flag) const
{
    if (module < 1 || module > kModuleCount)
        return false;
    return writeMany({{module, flag}});
}

int StateFile::CountRunningModules(int module) const
{
    const QStringList flags = readRange(1, kModuleCount);
    if (module >= 1 && module <= kModuleCount) {
        if (flags.value(module - 1) != u"NON")
            return -1;
    } else if (read(module) != u"NON") {
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
    const QStringList flags = readRange(1, kModuleCount);
    for (const QString &f : flags) {
        if (f != u"NON")
            return true;
    }
    return false;
}

bool StateFile::setLaunchFileText(const QString &text) const
{
    return writeMany({{kLaunchFileRecord, text}});
}
QString StateFile::launchFileText() const
{
    return read(kLaunchFileRecord);
}
QString StateFile::description() const
{
    return read(kDescriptionRecord);
}
QString StateFile::furtherDescription() const
{
    return read(kFurtherDescriptionRecord);
}
QString StateFile::indexCacheState() const
{
    return read(kIndexCacheRecord);
}
bool StateFile::setIndexCacheState(const QString &state) const
{
    return writeMany({{kIndexCacheRecord, state}});
}

} // namespace vorlane
