#include "core/store/accesscolumnpass.h"

#include <QThread>

#include <utility>

namespace vorlane {

namespace {

// Checks the rows of the second read against the first, by position.
void checkAgainst(AccessReader::Result &read, int rowCount, const QString &checkedColumn,
                  const QStringList &checkedValues)
{
    if (read.outcome != AccessReader::Outcome::Ok)
        return;
    bool same = read.rows.rowCount() == rowCount;
    if (same && !checkedColumn.isEmpty()) {
        const int column = read.rows.columnIndex(checkedColumn);
        for (int row = 0; same && row < rowCount; ++row)
            same = read.rows.cell(row, column) == checkedValues[row];
    }
    if (!same) {
        read.outcome = AccessReader::Outcome::Mismatched;
        read.rows = TableRows();
    }
}

} // namespace

AccessColumnPass::AccessColumnPass(AccessReader reader, QString mdbPath, const TableRows &keys)
{
    QString checkedColumn;
    QStringList checkedValues;
    for (int column = 0; column < keys.columnCount(); ++column) {
        if (keys.isDeferred(column)) {
            m_columns.append(keys.columns()[column]);
        } else if (checkedColumn.isEmpty()) {
            checkedColumn = keys.columns()[column];
            checkedValues.reserve(keys.rowCount());
            for (int row = 0; row < keys.rowCount(); ++row)
                checkedValues.append(keys.cell(row, column));
        }
    }
    if (m_columns.isEmpty()) {
        m_result.outcome = AccessReader::Outcome::Ok;
        m_done = true;
        return;
    }
    QStringList asked = m_columns;
    if (!checkedColumn.isEmpty())
        asked.append(checkedColumn);
    const int rowCount = keys.rowCount();
    // The default helper path is resolved here, on the caller's thread.
    AccessReaderOptions options = reader.options();
    options.helperPath = reader.helperPath();
    reader = AccessReader(std::move(options));
    m_thread.reset(
        QThread::create([this, reader = std::move(reader), path = std::move(mdbPath),
                         table = keys.tableName(), asked = std::move(asked), rowCount,
                         checkedColumn = std::move(checkedColumn), checkedValues = std::move(checkedValues)] {
            AccessReader::Result read = reader.readColumns(path, table, asked, &m_cancel);
            checkAgainst(read, rowCount, checkedColumn, checkedValues);
            m_result = std::move(read);
            m_done.store(true, std::memory_order_release);
        }));
    m_thread->start();
}

AccessColumnPass::~AccessColumnPass()
{
    m_cancel = true;
    if (m_thread)
        m_thread->wait();
}

bool AccessColumnPass::isFinished() const
{
    // A worker that could not be started has ended too.
    return m_done.load(std::memory_order_acquire) || (m_thread && !m_thread->isRunning());
}

bool AccessColumnPass::hasFailed() const
{
    if (!isFinished())
        return false;
    if (m_thread)
        m_thread->wait();
    return m_result.outcome != AccessReader::Outcome::Ok;
}

const AccessReader::Result &AccessColumnPass::wait()
{
    if (m_thread)
        m_thread->wait();
    return m_result;
}

std::optional<QString> AccessColumnPass::value(int row, QStringView column)
{
    const AccessReader::Result &read = wait();
    const int index = read.rows.columnIndex(column);
    if (read.outcome != AccessReader::Outcome::Ok || index < 0 || row < 0 || row >= read.rows.rowCount())
        return std::nullopt;
    return read.rows.cell(row, index);
}

} // namespace vorlane
