#pragma once

#include "core/records/recordfile.h"

#include <QString>
#include <map>

namespace vorlane {

// The state file's records while its folder may not be written (an installed
// application folder, read-only for pupils): kept in memory for the run, so
// that the running flags, the file handed to a companion and the cache state
// still read back what was written. One per run, in the session.
class StateMemory {
public:
    bool inUse() const { return m_inUse; }

private:
    friend class StateFile;
    std::map<int, QString> m_records;
    bool m_inUse = false;
};

// TEMPTS.TMP of the application folder, shared with the companion programs:
// records 1..30 are the running flags of companion modules ("NON" / "OUI"),
// 31 the file text for the module being started, 32 and 33 the description of
// the installed software, 34 the state of the page index cache ("VU" / "VOIR").
class StateFile {
public:
    static constexpr int kModuleCount = 30;
    static constexpr int kLaunchFileRecord = 31;
    static constexpr int kDescriptionRecord = 32;
    static constexpr int kFurtherDescriptionRecord = 33;
    static constexpr int kIndexCacheRecord = 34;
    // The records that the program or its companions use.
    static constexpr int kLastRecord = kIndexCacheRecord;

    static QString fileName() { return QStringLiteral("TEMPTS.TMP"); }

    // The state file of an application folder (with or without a final "/").
    // With `memory`, a file that may not be written (RecordFile::mayWrite) is
    // kept there instead: the first access copies what the file holds, and
    // every later access of the run, through any StateFile given the same
    // memory, reads and writes the memory. Nothing is then written to disk.
    explicit StateFile(const QString &applicationFolder, StateMemory *memory = nullptr);

    // The file itself, whatever the memory holds.
    RecordFile &records() { return m_file; }
    const QString &path() const { return m_file.path(); }

    // The start-up reset, in one opening and in increasing order: records 1..30
    // "NON", 31 "NON", 32 "complète pour l'enseignant". Flags left by an
    // earlier run never survive a restart.
    bool resetAtStartup() const;

    QString moduleFlag(int module) const;
    bool setModuleFlag(int module, const QString &flag) const;

    // Module n's own flag is not exactly "NON": -1. Otherwise the number of
    // records 1..30 whose text, trimmed of spaces, is "OUI".
    int CountRunningModules(int module) const;

    // True when any of records 1..30 is not exactly "NON" (the update check).
    bool anyModuleNotStopped() const;

    bool setLaunchFileText(const QString &text) const;
    QString launchFileText() const;

    QString description() const;
    QString furtherDescription() const;

    QString indexCacheState() const;
    bool setIndexCacheState(const QString &state) const;

private:
    // True when the records are those of the memory (switching to it when the
    // file may not be written).
    bool inMemory() const;
    QString read(int n) const;
    QStringList readRange(int first, int last) const;
    bool writeMany(const std::vector<std::pair<int, QString>> &records) const;

    RecordFile m_file;
    StateMemory *m_memory;
};

} // namespace vorlane
