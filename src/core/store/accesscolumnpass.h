#pragma once

#include "core/store/accessreader.h"
#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <atomic>
#include <memory>
#include <optional>

class QThread;

namespace vorlane {

// The second read of an Access table whose first read left some columns
// unread (AccessReader::readTable with skipped columns): one helper run, on a
// worker thread, that reads only those columns, row by row in the same stored
// order. Its rows are matched to the first read's by position, so the pass
// checks that it has as many rows, and that the first column the first read
// did give (when there is one) has the same value in every row; any
// disagreement fails the pass as Mismatched.
//
// The helper runs under the reader's memory and time limits, so a pass always
// ends: wait() blocks at most for the time limit (plus the reaping of a killed
// helper). Destroying the pass kills a helper still running and waits for the
// worker thread.
class AccessColumnPass {
public:
    // Starts reading, from the table keys.tableName() of the file, the columns
    // marked deferred in keys.
    AccessColumnPass(AccessReader reader, QString mdbPath, const TableRows &keys);
    ~AccessColumnPass();
    AccessColumnPass(const AccessColumnPass &) = delete;
    AccessColumnPass &operator=(const AccessColumnPass &) = delete;

    // The columns read, as the first read named them, in table order.
    const QStringList &columns() const { return m_columns; }

    // True once the read has ended, well or not; never blocks.
    bool isFinished() const;
    // True once the read has ended without its values; never blocks.
    bool hasFailed() const;
    // Waits for the end of the read. On Ok, rows holds the columns read (and
    // the column checked), one row per row of the first read.
    const AccessReader::Result &wait();
    // The value of a column read, in a row of the first read, waiting for the
    // end of the read when needed; std::nullopt when the read failed, or the
    // row or column is out of range.
    std::optional<QString> value(int row, QStringView column);

private:
    QStringList m_columns;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_done{false};
    AccessReader::Result m_result; // written by the worker until m_done
    std::unique_ptr<QThread> m_thread;
};

} // namespace vorlane
