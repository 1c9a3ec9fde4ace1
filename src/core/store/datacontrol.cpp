#include "core/store/datacontrol.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace vorlane {

namespace {

struct DatabaseName {
    QString folder;
    QString baseName;
};

DatabaseName splitName(const QString &name)
{
    const QFileInfo info(name);
    QString base = info.fileName();
    for (QStringView extension : {u".sqlite", u".mdb"}) {
        if (base.endsWith(extension, Qt::CaseInsensitive)) {
            base.chop(extension.size());
            break;
        }
    }
    return {info.path(), base};
}

} // namespace

DataControl::DataControl(AccessReaderOptions access) : m_database(std::move(access)) {}

void DataControl::setDatabaseName(const QString &name)
{
    m_databaseName = name;
}

Database::Kind DataControl::databaseKind() const
{
    const DatabaseName name = splitName(m_databaseName);
    return Database::locate(name.folder, name.baseName).kind;
}

void DataControl::setRecordSource(const QString &table)
{
    m_recordSource = table;
}

void DataControl::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

StoreStatus DataControl::refresh()
{
    if (!m_database.isOpen() || m_openedName != m_databaseName || m_openedReadOnly != m_readOnly) {
        const DatabaseName name = splitName(m_databaseName);
        m_openedName = m_databaseName;
        m_openedReadOnly = m_readOnly;
        const StoreStatus opened = m_database.open(
            name.folder, name.baseName, m_readOnly ? Database::Mode::ReadOnly : Database::Mode::ReadWrite);
        if (opened != StoreStatus::Ok)
            return m_status = opened;
    }
    TableRead read = m_database.readTable(m_recordSource, m_deferredColumns);
    if (read.status != StoreStatus::Ok)
        return m_status = read.status;
    // A read still running for the rows replaced is stopped first.
    m_deferredRead.reset();
    m_rows = std::move(read.rows);
    m_deferredRead = m_database.readDeferred(m_rows);
    m_lastDeferred = {};
    m_deferredNames.clear();
    for (int column = 0; column < m_rows.columnCount(); ++column)
        if (m_rows.isDeferred(column))
            m_deferredNames << m_rows.columns()[column];
    m_rowsPath = m_database.path();
    m_position = m_rows.rowCount() > 0 ? 0 : -1;
    return m_status = StoreStatus::Ok;
}

StoreStatus DataControl::status() const
{
    if (m_status == StoreStatus::Ok && m_deferredRead && m_deferredRead->hasFailed())
        return StoreStatus::Unreadable;
    return m_status;
}

StoreStatus DataControl::awaitDeferred()
{
    if (m_deferredRead)
        m_deferredRead->wait();
    return status();
}

bool DataControl::isReadingDeferred() const
{
    return m_deferredRead && !m_deferredRead->isFinished();
}

bool DataControl::moveFirst()
{
    return setAbsolutePosition(0);
}

bool DataControl::moveLast()
{
    return setAbsolutePosition(m_rows.rowCount() - 1);
}

bool DataControl::setAbsolutePosition(int position)
{
    if (position < 0 || position >= m_rows.rowCount())
        return false;
    m_position = position;
    return true;
}

QString DataControl::field(QStringView name) const
{
    const int column = m_rows.columnIndex(name);
    if (!m_rows.isDeferred(column))
        return m_rows.value(m_position, name);
    if (m_deferredRead)
        return m_deferredRead->value(m_position, m_rows.columns()[column]).value_or(QString());
    if (m_lastDeferred.row != m_position) {
        // Every deferred value of the row at once: a page shown asks for them all.
        m_lastDeferred = {m_position, {}};
        const std::optional<qint64> rowId = m_rows.rowId(m_position);
        // Only the database the rows came from can give a row's values.
        if (rowId && m_database.path() == m_rowsPath) {
            if (std::optional<QStringList> values =
                    m_database.readFields(m_rows.tableName(), *rowId, m_deferredNames))
                m_lastDeferred.values = std::move(*values);
        }
    }
    return m_lastDeferred.values.value(m_deferredNames.indexOf(m_rows.columns()[column]));
}

bool DataControl::readColumns(const QStringList &names)
{
    // Columns held already need no read.
    if (std::none_of(names.begin(), names.end(),
                     [this](const QString &name) { return m_rows.isDeferred(m_rows.columnIndex(name)); }))
        return true;
    if (m_database.kind() != Database::Kind::Sqlite || m_database.path() != m_rowsPath || !m_rows.hasRowIds())
        return false;
    QStringList others;
    for (const QString &column : m_rows.columns())
        if (!names.contains(column, Qt::CaseInsensitive))
            others << column;
    const TableRead read = m_database.readTable(m_rows.tableName(), others);
    if (read.status != StoreStatus::Ok || read.rows.rowCount() != m_rows.rowCount() ||
        read.rows.columns() != m_rows.columns())
        return false;
    for (int row = 0; row < m_rows.rowCount(); ++row)
        if (read.rows.rowId(row) != m_rows.rowId(row))
            return false;
    for (const QString &name : names) {
        const int column = m_rows.columnIndex(name);
        if (!m_rows.isDeferred(column) || read.rows.isDeferred(column))
            continue;
        std::vector<QString> values;
        values.reserve(std::size_t(m_rows.rowCount()));
        for (int row = 0; row < m_rows.rowCount(); ++row)
            values.push_back(read.rows.cell(row, column));
        m_rows.fillColumn(column, std::move(values));
        m_deferredNames.removeAll(m_rows.columns()[column]);
    }
    // The values kept of the last row follow the deferred columns: read again.
    m_lastDeferred = {};
    return true;
}

bool DataControl::hasField(QStringView name) const
{
    return m_rows.columnIndex(name) >= 0;
}

bool DataControl::setField(QStringView name, const QString &text)
{
    const int column = m_rows.columnIndex(name);
    const std::optional<qint64> rowId = m_rows.rowId(m_position);
    // The rows must come from the database open now, not from one read before a
    // later refresh reopened another.
    if (column < 0 || !rowId || !m_database.isWritable() || m_database.path() != m_rowsPath)
        return false;
    const std::optional<QString> stored =
        m_database.writeField(m_rows.tableName(), *rowId, m_rows.columns()[column], text);
    if (!stored)
        return false;
    m_rows.setCell(m_position, column, *stored);
    const qsizetype slot = m_deferredNames.indexOf(m_rows.columns()[column]);
    if (m_lastDeferred.row == m_position && slot >= 0 && slot < m_lastDeferred.values.size())
        m_lastDeferred.values[slot] = *stored;
    return true;
}

} // namespace vorlane
