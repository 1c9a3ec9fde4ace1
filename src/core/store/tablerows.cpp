#include "core/store/tablerows.h"

#include <limits>
#include <utility>

namespace vorlane {

namespace {
const QString &emptyText()
{
    static const QString empty;
    return empty;
}
} // namespace

TableRows::TableRows(QString tableName, QStringList columns)
    : m_tableName(std::move(tableName)), m_columns(std::move(columns)), m_heldCount(int(m_columns.size()))
{
    for (int i = 0; i < m_columns.size(); ++i) {
        m_slot.push_back(i);
        const QString key = m_columns[i].toCaseFolded();
        if (!m_columnByFoldedName.contains(key))
            m_columnByFoldedName.insert(key, i);
    }
}

int TableRows::columnIndex(QStringView name) const
{
    return m_columnByFoldedName.value(name.toString().toCaseFolded(), -1);
}

const QString &TableRows::cell(int row, int column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= columnCount() ||
        m_slot[std::size_t(column)] < 0)
        return emptyText();
    return m_cells[std::size_t(row) * std::size_t(m_heldCount) + std::size_t(m_slot[std::size_t(column)])];
}

const QString &TableRows::value(int row, QStringView field) const
{
    return cell(row, columnIndex(field));
}

void TableRows::appendCells(const QStringList &values)
{
    const int n = columnCount();
    for (int i = 0; i < n; ++i)
        if (m_slot[std::size_t(i)] >= 0)
            m_cells.push_back(i < values.size() ? values[i] : QString());
    ++m_rowCount;
}

void TableRows::appendRow(const QStringList &values)
{
    // A row without a rowid: the table has none from now on.
    m_firstRowId.reset();
    m_rowIds.clear();
    appendCells(values);
}

void TableRows::appendRow(const QStringList &values, qint64 rowId)
{
    // The next rowid of a run is the first plus the row count (in unsigned
    // arithmetic, which cannot overflow here).
    if (m_firstRowId &&
        (rowId < *m_firstRowId || quint64(rowId) - quint64(*m_firstRowId) != quint64(m_rowCount))) {
        // The run of rowids breaks: they are held one by one from now on.
        for (int row = 0; row < m_rowCount; ++row)
            m_rowIds.push_back(*m_firstRowId + row);
        m_firstRowId.reset();
    }
    // Rowids are kept only while every row has one.
    if (!m_firstRowId && int(m_rowIds.size()) == m_rowCount)
        m_rowIds.push_back(rowId);
    appendCells(values);
}

void TableRows::setRows(std::deque<QString> cells, std::vector<qint64> rowIds)
{
    const std::size_t n = std::size_t(m_heldCount);
    // With every column deferred, the rowids alone say how many rows there are.
    m_rowCount = n == 0 ? int(rowIds.size()) : int(cells.size() / n);
    cells.resize(std::size_t(m_rowCount) * n);
    m_cells = std::move(cells);
    m_rowIds = std::move(rowIds);
    m_firstRowId.reset();
    // Rowids are kept only when every row has one.
    if (int(m_rowIds.size()) != m_rowCount)
        m_rowIds.clear();
}

bool TableRows::setRowRange(qint64 firstRowId, int rowCount)
{
    // The last rowid must not pass the largest one SQLite gives.
    if (m_heldCount != 0 || rowCount < 0 ||
        (rowCount > 0 && firstRowId > std::numeric_limits<qint64>::max() - (rowCount - 1)))
        return false;
    m_cells.clear();
    m_rowIds.clear();
    m_rowCount = rowCount;
    m_firstRowId = firstRowId;
    return true;
}

std::optional<qint64> TableRows::rowId(int row) const
{
    if (!hasRowIds() || row < 0 || row >= m_rowCount)
        return std::nullopt;
    return m_firstRowId ? *m_firstRowId + row : m_rowIds[std::size_t(row)];
}

void TableRows::setDeferred(int column)
{
    if (column < 0 || column >= columnCount() || m_slot[std::size_t(column)] < 0)
        return;
    const int dropped = m_slot[std::size_t(column)];
    if (m_rowCount > 0) {
        // The cells of the other columns, row after row, without it.
        std::deque<QString> kept;
        for (std::size_t i = 0; i < m_cells.size(); ++i)
            if (int(i % std::size_t(m_heldCount)) != dropped)
                kept.push_back(std::move(m_cells[i]));
        m_cells = std::move(kept);
    }
    m_slot[std::size_t(column)] = -1;
    for (int &slot : m_slot)
        if (slot > dropped)
            --slot;
    --m_heldCount;
}

bool TableRows::fillColumn(int column, std::vector<QString> values)
{
    if (!isDeferred(column) || int(values.size()) != m_rowCount)
        return false;
    // Its place among the held cells: after the held columns before it.
    int slot = 0;
    for (int c = 0; c < column; ++c)
        slot += m_slot[std::size_t(c)] >= 0;
    const std::size_t held = std::size_t(m_heldCount);
    std::deque<QString> cells;
    for (std::size_t row = 0; row < values.size(); ++row) {
        for (std::size_t c = 0; c < held; ++c) {
            if (int(c) == slot)
                cells.push_back(std::move(values[row]));
            cells.push_back(std::move(m_cells[row * held + c]));
        }
        if (slot == int(held))
            cells.push_back(std::move(values[row]));
    }
    m_cells = std::move(cells);
    for (int &s : m_slot)
        if (s >= slot)
            ++s;
    m_slot[std::size_t(column)] = slot;
    ++m_heldCount;
    return true;
}

bool TableRows::isDeferred(int column) const
{
    return column >= 0 && column < columnCount() && m_slot[std::size_t(column)] < 0;
}

bool TableRows::setCell(int row, int column, const QString &value)
{
    if (row < 0 || row >= m_rowCount || isDeferred(column) || column < 0 || column >= columnCount())
        return false;
    m_cells[std::size_t(row) * std::size_t(m_heldCount) + std::size_t(m_slot[std::size_t(column)])] = value;
    return true;
}

} // namespace vorlane
