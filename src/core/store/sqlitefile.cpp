#include "core/store/sqlitefile.h"

#include "core/text/decimal.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <array>
#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace vorlane {

namespace {

QString quoted(QStringView identifier)
{
    QString name = identifier.toString();
    name.replace(u"\""_s, u"\"\""_s);
    return u'"' + name + u'"';
}

bool isYesNoField(QStringView table, QStringView field)
{
    if (table.compare(u"Cours", Qt::CaseInsensitive) != 0)
        return false;
    for (QStringView name : {u"precedent", u"suite", u"imprimable", u"moteur"})
        if (field.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString yesNoText(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("0");
    double number = 0;
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        number = value.toDouble();
        break;
    case QMetaType::QByteArray:
        number = DecimalRead(QString::fromUtf8(value.toByteArray()));
        break;
    default:
        number = DecimalRead(value.toString());
        break;
    }
    return number != 0 ? QStringLiteral("1") : QStringLiteral("0");
}

QString fieldText(const QVariant &value, bool yesNo)
{
    if (yesNo)
        return yesNoText(value);
    if (value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::Int:
        return QString::number(value.toInt());
    case QMetaType::ULongLong:
        return QString::number(value.toULongLong());
    case QMetaType::Double:
        return RealFieldText(value.toDouble());
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return value.toString();
    }
}

} // namespace

QString RealFieldText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    if (value == 0)
        return QStringLiteral("0");
    std::array<char, 64> buffer{};
    const double magnitude = std::fabs(value);
    const bool plain = magnitude >= 1e-4 && magnitude < 1e15;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            plain ? std::chars_format::fixed : std::chars_format::scientific);
    if (error != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer.data(), end - buffer.data());
    if (!plain)
        text.replace(u'e', u'E');
    return text;
}

SqliteFile::SqliteFile()
    : m_connection(u"vorlane-store-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

// The prepared query of readField, for one table and field.
struct SqliteFile::PreparedRead {
    QString table;
    QString field;
    bool yesNo = false;
    QSqlQuery query;
};

SqliteFile::~SqliteFile()
{
    close();
}

StoreStatus SqliteFile::open(const QString &path, bool writable)
{
    close();
    if (!QFileInfo(path).isFile())
        return StoreStatus::Absent;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
        if (!writable)
            options += u";QSQLITE_OPEN_READONLY"_s;
        db.setConnectOptions(options);
        m_open = db.open();
    }
    if (!m_open) {
        close();
        return StoreStatus::Unreadable;
    }
    m_path = path;
    m_writable = writable;
    // SQLite opens any file lazily: reading the schema is what tells a database
    // from other bytes.
    bool schemaRead = false;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        schemaRead = query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    }
    if (!schemaRead) {
        close();
        return StoreStatus::Unreadable;
    }
    return StoreStatus::Ok;
}

void SqliteFile::close()
{
    m_fieldRead.reset(); // a query must not outlive its connection
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_open = false;
    m_writable = false;
    m_path.clear();
}

QStringList SqliteFile::tableNames() const
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    if (!query.exec(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'view') ORDER BY rowid")))
        return names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

QString SqliteFile::findTable(QStringView name) const
{
    const QStringList names = tableNames();
    for (const QString &stored : names)
        if (stored == name)
            return stored;
    for (const QString &stored : names)
        if (stored.compare(name, Qt::CaseInsensitive) == 0)
            return stored;
    return QString();
}

TableRead SqliteFile::readTable(QStringView name, const QStringList &deferred) const
{
    TableRead result;
    if (!m_open) {
        result.status = StoreStatus::NotRead;
        return result;
    }
    const QString table = findTable(name);
    if (table.isEmpty()) {
        // A schema that cannot be read has no tables either: tell the two apart.
        QSqlQuery probe(QSqlDatabase::database(m_connection, false));
        result.status = probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))
                            ? StoreStatus::NoSuchTable
                            : StoreStatus::Unreadable;
        return result;
    }

    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // A deferred column is selected as NULL under its own name, so that the
    // columns keep their order and names.
    QString selected = u"*"_s;
    std::vector<bool> isDeferred;
    if (!deferred.isEmpty()) {
        const QSqlRecord stored = db.record(table);
        QStringList list;
        for (int i = 0; i < stored.count(); ++i) {
            const QString column = stored.fieldName(i);
            const bool defer = deferred.contains(column, Qt::CaseInsensitive);
            isDeferred.push_back(defer);
            list.append(defer ? u"NULL AS "_s + quoted(column) : quoted(column));
        }
        if (!list.isEmpty())
            selected = list.join(u", "_s);
    }
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Doubles as numbers, not as SQLite's own text of them.
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    bool withRowIds =
        query.exec(u"SELECT rowid, "_s + selected + u" FROM "_s + quoted(table) + u" ORDER BY rowid"_s);
    if (!withRowIds)
        isDeferred.clear(); // without rowids a value could not be fetched later
    if (!withRowIds && !query.exec(u"SELECT * FROM "_s + quoted(table))) {
        result.status = StoreStatus::Unreadable;
        return result;
    }

    const QSqlRecord record = query.record();
    const int first = withRowIds ? 1 : 0;
    QStringList columns;
    std::vector<bool> yesNo;
    for (int i = first; i < record.count(); ++i) {
        columns.append(record.fieldName(i));
        yesNo.push_back(isYesNoField(table, record.fieldName(i)));
    }
    TableRows rows(table, columns);
    for (std::size_t i = 0; i < isDeferred.size(); ++i)
        if (isDeferred[i])
            rows.setDeferred(int(i));
    QStringList values;
    while (query.next()) {
        values.clear();
        for (int i = first; i < record.count(); ++i)
            values.append(fieldText(query.value(i), yesNo[std::size_t(i - first)]));
        if (withRowIds)
            rows.appendRow(values, query.value(0).toLongLong());
        else
            rows.appendRow(values);
    }
    // next() also ends on an error in the middle of the table (damaged pages).
    if (query.isActive() && query.lastError().isValid()) {
        result.status = StoreStatus::Unreadable;
        return result;
    }
    result.status = StoreStatus::Ok;
    result.rows = std::move(rows);
    return result;
}

std::optional<QString> SqliteFile::readField(QStringView table, qint64 rowId, QStringView field) const
{
    if (!m_open)
        return std::nullopt;
    PreparedRead *read = m_fieldRead.get();
    if (!read || read->table.compare(table, Qt::CaseInsensitive) != 0 ||
        read->field.compare(field, Qt::CaseInsensitive) != 0) {
        m_fieldRead.reset();
        const QString storedTable = findTable(table);
        if (storedTable.isEmpty())
            return std::nullopt;
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        const QSqlRecord columns = db.record(storedTable);
        QString storedField;
        for (int i = 0; i < columns.count() && storedField.isEmpty(); ++i)
            if (columns.fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
                storedField = columns.fieldName(i);
        if (storedField.isEmpty())
            return std::nullopt;
        auto prepared = std::make_unique<PreparedRead>(
            PreparedRead{storedTable, storedField, isYesNoField(storedTable, storedField), QSqlQuery(db)});
        prepared->query.setForwardOnly(true);
        prepared->query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!prepared->query.prepare(u"SELECT "_s + quoted(storedField) + u" FROM "_s + quoted(storedTable) +
                                     u" WHERE rowid = ?"_s))
            return std::nullopt;
        m_fieldRead = std::move(prepared);
        read = m_fieldRead.get();
    }
    read->query.bindValue(0, rowId);
    std::optional<QString> value;
    if (read->query.exec() && read->query.next())
        value = fieldText(read->query.value(0), read->yesNo);
    read->query.finish();
    return value;
}

std::optional<QString> SqliteFile::writeField(QStringView table, qint64 rowId, QStringView field,
                                              const QString &text)
{
    if (!isWritable())
        return std::nullopt;
    const QString storedTable = findTable(table);
    if (storedTable.isEmpty())
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // The field's stored spelling, from the table's own columns.
    QString storedField;
    const QSqlRecord columns = db.record(storedTable);
    for (int i = 0; i < columns.count() && storedField.isEmpty(); ++i)
        if (columns.fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
            storedField = columns.fieldName(i);
    if (storedField.isEmpty())
        return std::nullopt;

    QSqlQuery update(db);
    update.prepare(u"UPDATE "_s + quoted(storedTable) + u" SET "_s + quoted(storedField) +
                   u" = ? WHERE rowid = ?"_s);
    update.addBindValue(text);
    update.addBindValue(rowId);
    if (!update.exec() || update.numRowsAffected() != 1)
        return std::nullopt;

    QSqlQuery readBack(db);
    readBack.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    readBack.prepare(u"SELECT "_s + quoted(storedField) + u" FROM "_s + quoted(storedTable) +
                     u" WHERE rowid = ?"_s);
    readBack.addBindValue(rowId);
    if (!readBack.exec() || !readBack.next())
        return std::nullopt;
    return fieldText(readBack.value(0), isYesNoField(storedTable, storedField));
}

bool SqliteFile::create(const QString &path)
{
    close();
    if (QFileInfo::exists(path))
        return false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        m_open = db.open();
    }
    if (!m_open) {
        close();
        return false;
    }
    m_path = path;
    m_writable = true;
    return true;
}

bool SqliteFile::execute(const QString &sql, QString *error)
{
    if (!m_open) {
        if (error)
            *error = u"no database open"_s;
        return false;
    }
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

bool SqliteFile::beginTransaction()
{
    return m_open && QSqlDatabase::database(m_connection, false).transaction();
}

bool SqliteFile::commit()
{
    return m_open && QSqlDatabase::database(m_connection, false).commit();
}

bool SqliteFile::insertRow(QStringView table, const QVariantList &values, QString *error)
{
    if (!isWritable()) {
        if (error)
            *error = u"no database open for writing"_s;
        return false;
    }
    QStringList marks;
    for (qsizetype i = 0; i < values.size(); ++i)
        marks.append(u"?"_s);
    QSqlQuery insert(QSqlDatabase::database(m_connection, false));
    if (insert.prepare(u"INSERT INTO "_s + quoted(table) + u" VALUES ("_s + marks.join(u',') + u')')) {
        for (qsizetype i = 0; i < values.size(); ++i)
            insert.bindValue(int(i), values[i]);
        if (insert.exec())
            return true;
    }
    if (error)
        *error = insert.lastError().text();
    return false;
}

} // namespace vorlane
