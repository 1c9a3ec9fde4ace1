#pragma once

#include "core/store/storestatus.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <deque>
#include <optional>
#include <vector>

namespace vorlane {

// A whole table held in memory: its columns and its rows in stored order, every
// value already in the text form bound controls show (NULL as the empty text,
// yes/no as "1" or "0", numbers as their text, long texts whole).
// Rows read from SQLite also carry their rowid, which lets a field be written back.
class TableRows {
public:
    TableRows() = default;
    TableRows(QString tableName, QStringList columns);

    // Name of the table as stored in the database.
    const QString &tableName() const { return m_tableName; }
    const QStringList &columns() const { return m_columns; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rowCount; }

    // Column of that name without regard to letter case (the first one when
    // several differ only by case); -1 when none.
    int columnIndex(QStringView name) const;

    // Value of a cell; the empty text for a row or column out of range.
    const QString &cell(int row, int column) const;
    // Value by field name; the empty text for an unknown field or row.
    const QString &value(int row, QStringView field) const;

    // Appends a row, one value per column (deferred ones included, and
    // dropped). Missing values read as empty, extra ones are dropped.
    void appendRow(const QStringList &values);
    // The same with the row's SQLite rowid. A table has rowids only when every
    // row was appended with one.
    void appendRow(const QStringList &values, qint64 rowId);
    // Replaces every row at once: `cells` row after row, one per column that is
    // not deferred (a partial last row is dropped) and, when not empty, one
    // rowid per row.
    void setRows(std::deque<QString> cells, std::vector<qint64> rowIds);
    // Replaces every row at once when every column is deferred: `rowCount`
    // rows whose rowids run from `firstRowId` without a gap, so that none has
    // to be read or held. False, with nothing changed, when a column is held.
    bool setRowRange(qint64 firstRowId, int rowCount);

    bool hasRowIds() const
    {
        return m_rowCount > 0 && (m_firstRowId.has_value() || int(m_rowIds.size()) == m_rowCount);
    }
    // SQLite rowid of a row; none when the table has no rowids or the row does not exist.
    std::optional<qint64> rowId(int row) const;

    // A deferred column was left unread: its cells are empty until the caller
    // fetches a row's value from the database (by its rowid). Nothing of it is
    // held: the values it had are dropped.
    void setDeferred(int column);
    bool isDeferred(int column) const;
    // Gives a deferred column its values, one per row, and holds it from then
    // on; false, with nothing changed, when the column is not deferred or the
    // count is not the row count.
    bool fillColumn(int column, std::vector<QString> values);

    // Replaces one cell (after a write to the database); false when out of
    // range or deferred.
    bool setCell(int row, int column, const QString &value);

private:
    void appendCells(const QStringList &values);

    QString m_tableName;
    QStringList m_columns;
    QHash<QString, int> m_columnByFoldedName;
    // Row-major, rowCount x the columns not deferred. A deque grows without
    // moving what it holds: a table of thousands of rows is read without
    // copying its cells.
    std::deque<QString> m_cells;
    std::vector<qint64> m_rowIds;
    // Set when the rowids run from it without a gap (m_rowIds is then empty).
    std::optional<qint64> m_firstRowId;
    // By column: its place among the cells of a row, -1 when deferred.
    std::vector<int> m_slot;
    int m_heldCount = 0; // columns not deferred
    int m_rowCount = 0;
};

// A table read from a database, or why it could not be read (rows then empty).
struct TableRead {
    StoreStatus status = StoreStatus::NotRead;
    TableRows rows;
};

} // namespace vorlane
