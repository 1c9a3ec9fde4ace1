#pragma once

#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <atomic>

namespace vorlane {

// Where the Access reader helper is and the limits it runs under.
struct AccessReaderOptions {
    // Path of vorlane-mdb-reader; empty means the one beside the running program
    // (QCoreApplication::applicationDirPath() + "/vorlane-mdb-reader").
    QString helperPath;
    // Address-space limit of the helper in bytes (RLIMIT_AS); 0 for none.
    qint64 memoryLimitBytes = qint64(1) << 30;
    // Wall-clock limit of one helper run in milliseconds; the helper is killed
    // when it runs longer. 0 for none.
    int timeLimitMs = 20000;
};

// Reads tables of an Access file (.mdb) through the helper executable
// vorlane-mdb-reader, run as a child process: libmdb can loop without end or
// exhaust memory on a damaged file, so it never runs in this process.
//
// The helper runs with MDBPATH (and libmdb's other variables) removed from its
// environment, with standard input, output and error on the null device, under
// the memory and time limits, and hands the rows back in a file of a temporary
// folder that is removed afterwards. Any limit hit, crash, non-zero exit or
// malformed row file makes the read fail; nothing is ever written to the
// Access file. Reads block the calling thread until the helper ends; an
// AccessReader may be used from several threads at once (AccessColumnPass
// reads on a worker thread).
class AccessReader {
public:
    // How one helper run ended.
    enum class Outcome {
        Ok,
        NoSuchTable,  // the file has no user table of that name
        CannotOpen,   // missing, or not an Access database
        Damaged,      // the helper found the file inconsistent
        HelperFailed, // the helper could not be started or wrote no output, or no temporary folder
        TimedOut,     // the time limit was hit: the helper was killed
        Crashed,      // the helper died of a signal (the memory limit ends this way)
        Malformed,    // the row file broke its format, or lacks a column asked for
        Cancelled,    // the caller gave up: the helper was killed
        Mismatched,   // a second read of a table disagrees with the first (rows, keys)
    };

    struct Result {
        Outcome outcome = Outcome::HelperFailed;
        TableRows rows;
        // Ok, NoSuchTable, or Unreadable for every failure.
        StoreStatus status() const;
    };

    explicit AccessReader(AccessReaderOptions options = {});

    const AccessReaderOptions &options() const { return m_options; }
    // The helper path actually used (the default resolved).
    QString helperPath() const;

    // Every row of the table (name found without regard to letter case), in the
    // order libmdb returns them; rows.tableName() is the name as asked.
    // The columns named in `skipped` (any letter case; names the table lacks
    // are ignored) are left unread: they keep their place among the columns,
    // their cells are empty and marked deferred (TableRows::isDeferred), and
    // the rows are the same, in the same order, as a whole read gives.
    Result readTable(const QString &mdbPath, const QString &table, const QStringList &skipped = {}) const;
    // Only the columns named (any letter case), in table order, one row per row
    // of the table in the order readTable gives. Malformed when the table lacks
    // one of them. When `cancel` becomes true the helper is killed and the read
    // ends as Cancelled (it is looked at about every 50 ms).
    Result readColumns(const QString &mdbPath, const QString &table, const QStringList &columns,
                       const std::atomic<bool> *cancel = nullptr) const;
    // The user tables of the file: one column "name", one row per table.
    Result listTables(const QString &mdbPath) const;

    // Text of an outcome, for diagnostics and test messages.
    static const char *outcomeName(Outcome outcome);
    // False in a build with AddressSanitizer: its helper cannot start under an
    // address-space limit (the shadow memory is reserved at start), so such a
    // build keeps only the time limit.
    static bool limitsMemory();

private:
    Result run(const QStringList &arguments, const QString &tableName,
               const std::atomic<bool> *cancel = nullptr) const;

    AccessReaderOptions m_options;
};

} // namespace vorlane
