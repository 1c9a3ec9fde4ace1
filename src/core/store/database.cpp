#include "core/store/database.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

using namespace Qt::StringLiterals;

namespace vorlane {

namespace {

QString findFile(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    const QFileInfo exact(dir.filePath(fileName));
    if (exact.isFile())
        return exact.filePath();
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString &entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return QString();
}

QString findName(const QStringList &names, QStringView name)
{
    for (const QString &stored : names)
        if (stored == name)
            return stored;
    for (const QString &stored : names)
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return stored;
    return QString();
}

} // namespace

Database::Database(AccessReaderOptions access) : m_access(std::move(access)) {}

Database::~Database() = default;

Database::Location Database::locate(const QString &folder, const QString &baseName)
{
    if (baseName.isEmpty())
        return {};
    if (QString path = findFile(folder, baseName + u".sqlite"_s); !path.isEmpty())
        return {Kind::Sqlite, path};
    if (QString path = findFile(folder, baseName + u".mdb"_s); !path.isEmpty())
        return {Kind::Access, path};
    return {};
}

StoreStatus Database::open(const QString &folder, const QString &baseName, Mode mode)
{
    close();
    const Location location = locate(folder, baseName);
    switch (location.kind) {
    case Kind::None:
        return StoreStatus::Absent;
    case Kind::Sqlite: {
        const StoreStatus status = m_sqlite.open(location.path, mode == Mode::ReadWrite);
        if (status != StoreStatus::Ok)
            return status;
        break;
    }
    case Kind::Access: {
        const AccessReader::Result tables = m_access.listTables(location.path);
        if (tables.outcome != AccessReader::Outcome::Ok)
            return StoreStatus::Unreadable;
        for (int row = 0; row < tables.rows.rowCount(); ++row)
            m_accessTables.append(tables.rows.cell(row, 0));
        break;
    }
    }
    m_kind = location.kind;
    m_path = location.path;
    return StoreStatus::Ok;
}

void Database::close()
{
    m_sqlite.close();
    m_kind = Kind::None;
    m_path.clear();
    m_accessTables.clear();
}

bool Database::isWritable() const
{
    return m_kind == Kind::Sqlite && m_sqlite.isWritable();
}

QStringList Database::tableNames() const
{
    switch (m_kind) {
    case Kind::Sqlite:
        return m_sqlite.tableNames();
    case Kind::Access:
        return m_accessTables;
    case Kind::None:
        break;
    }
    return {};
}

QString Database::findTable(QStringView name) const
{
    switch (m_kind) {
    case Kind::Sqlite:
        return m_sqlite.findTable(name);
    case Kind::Access:
        return findName(m_accessTables, name);
    case Kind::None:
        break;
    }
    return QString();
}

StoreStatus Database::openRecordset(QStringView table) const
{
    if (!isOpen())
        return StoreStatus::NotRead;
    return findTable(table).isEmpty() ? StoreStatus::NoSuchTable : StoreStatus::Ok;
}

TableRead Database::readTable(QStringView table, const QStringList &deferred) const
{
    TableRead result;
    switch (m_kind) {
    case Kind::None:
        result.status = StoreStatus::NotRead;
        return result;
    case Kind::Sqlite:
        return m_sqlite.readTable(table, deferred);
    case Kind::Access:
        break;
    }
    const QString stored = findName(m_accessTables, table);
    if (stored.isEmpty()) {
        result.status = StoreStatus::NoSuchTable;
        return result;
    }
    AccessReader::Result read = m_access.readTable(m_path, stored, deferred);
    result.status = read.status();
    if (result.status == StoreStatus::Ok)
        result.rows = std::move(read.rows);
    return result;
}

std::unique_ptr<AccessColumnPass> Database::readDeferred(const TableRows &rows) const
{
    if (m_kind != Kind::Access)
        return nullptr;
    for (int column = 0; column < rows.columnCount(); ++column)
        if (rows.isDeferred(column))
            return std::make_unique<AccessColumnPass>(m_access, m_path, rows);
    return nullptr;
}

std::optional<QStringList> Database::readFields(QStringView table, qint64 rowId,
                                                const QStringList &fields) const
{
    if (m_kind != Kind::Sqlite)
        return std::nullopt;
    return m_sqlite.readFields(table, rowId, fields);
}

std::optional<QString> Database::writeField(QStringView table, qint64 rowId, QStringView field,
                                            const QString &text)
{
    if (m_kind != Kind::Sqlite)
        return std::nullopt;
    return m_sqlite.writeField(table, rowId, field, text);
}

} // namespace vorlane
