#include "core/store/tablerows.h"

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
    : m_tableName(std::move(tableName)), m_columns(std::move(columns))
{
    for (int i = 0; i < m_columns.size(); ++i) {
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
    if (row < 0 || row >= m_rowCount || column < 0 || column >= columnCount())
        return emptyText();
    return m_cells[std::size_t(row) * std::size_t(columnCount()) + std::size_t(column)];
}

const QString &TableRows::value(int row, QStringView field) const
{
    return cell(row, columnIndex(field));
}

void TableRows::appendRow(const QStringList &values)
{
    const int n = columnCount();
    for (int i = 0; i < n; ++i)
        m_cells.push_back(i < values.size() ? values[i] : QString());
    ++m_rowCount;
}

void TableRows::appendRow(const QStringList &values, qint64 rowId)
{
    // Rowids are kept only while every row has one.
    if (int(m_rowIds.size()) == m_rowCount)
        m_rowIds.push_back(rowId);
    appendRow(values);
}

void TableRows::setRows(std::deque<QString> cells, std::vector<qint64> rowIds)
{
    const std::size_t n = std::size_t(columnCount());
    m_rowCount = n == 0 ? 0 : int(cells.size() / n);
    cells.resize(std::size_t(m_rowCount) * n);
    m_cells = std::move(cells);
    m_rowIds = std::move(rowIds);
    // Rowids are kept only when every row has one.
    if (int(m_rowIds.size()) != m_rowCount)
        m_rowIds.clear();
}

std::optional<qint64> TableRows::rowId(int row) const
{
    if (!hasRowIds() || row < 0 || row >= m_rowCount)
        return std::nullopt;
    return m_rowIds[std::size_t(row)];
}

void TableRows::setDeferred(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    m_deferred.resize(std::size_t(columnCount()), false);
    m_deferred[std::size_t(column)] = true;
}

bool TableRows::isDeferred(int column) const
{
    return column >= 0 && std::size_t(column) < m_deferred.size() && m_deferred[std::size_t(column)];
}

bool TableRows::setCell(int row, int column, const QString &value)
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= columnCount())
        return false;
    m_cells[std::size_t(row) * std::size_t(columnCount()) + std::size_t(column)] = value;
    return true;
}

} // namespace vorlane
