#include "core/store/sqlitefile.h"

#include "core/text/decimal.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <sqlite3.h>

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

// The connection's own SQLite handle: rows are read through it value by value,
// without a QVariant for each.
sqlite3 *handleOf(const QString &connection)
{
    const QVariant handle = QSqlDatabase::database(connection, false).driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.constData());
}

// A prepared statement, finalised with its owner.
class Statement {
public:
    Statement() = default;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement() { sqlite3_finalize(m_statement); }

    bool prepare(sqlite3 *db, const QString &sql)
    {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
        const QByteArray utf8 = sql.toUtf8();
        return db &&
               sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_statement, nullptr) == SQLITE_OK;
    }
    sqlite3_stmt *get() const { return m_statement; }

private:
    sqlite3_stmt *m_statement = nullptr;
};

// The decimal text of a whole number, as QString::number gives it, made
// straight into its QString.
QString wholeNumberText(qint64 n)
{
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, n);
    return QString::fromLatin1(digits, qsizetype(end.ptr - digits));
}

// Texts of the small whole numbers, made once and shared by every cell that
// holds one (flags, counts, most page links).
const QString &smallNumberText(int n)
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> all(1024);
        for (int i = 0; i < int(all.size()); ++i)
            all[std::size_t(i)] = wholeNumberText(i);
        return all;
    }();
    return texts[std::size_t(n)];
}

// The texts of whole numbers met in one read: every cell that holds the same
// number shares one text (a page's number, order and print bounds are often
// the same number, and a table read at start-up holds thousands of them).
class NumberTexts {
public:
    QString text(qint64 n)
    {
        if (n >= 0 && n < 1024)
            return smallNumberText(int(n));
        if (n < 0 || n >= kShared)
            return wholeNumberText(n);
        // Texts are kept by blocks of numbers, each made when first needed.
        std::unique_ptr<Block> &block = m_blocks[std::size_t(n / kBlock)];
        if (!block)
            block = std::make_unique<Block>();
        QString &text = (*block)[std::size_t(n % kBlock)];
        if (text.isNull())
            text = wholeNumberText(n);
        return text;
    }
    // A REAL's text (RealFieldText), shared when the value is a whole number.
    QString realText(double value)
    {
        if (value >= 1 && value < kShared && value == std::floor(value))
            return text(qint64(value)); // the shortest digits of a whole number are its own
        return RealFieldText(value);
    }

private:
    static constexpr qint64 kShared = 65536;
    static constexpr qint64 kBlock = 1024;
    using Block = std::array<QString, std::size_t(kBlock)>;
    std::array<std::unique_ptr<Block>, std::size_t(kShared / kBlock)> m_blocks;
};

QString storedText(sqlite3_stmt *statement, int column)
{
    // SQLite gives a text in UTF-16 as QString holds it, converting once.
    const void *text = sqlite3_column_text16(statement, column);
    const int bytes = sqlite3_column_bytes16(statement, column);
    return text ? QString(static_cast<const QChar *>(text), bytes / qsizetype(sizeof(QChar))) : QString();
}

QString blobText(sqlite3_stmt *statement, int column)
{
    const void *bytes = sqlite3_column_blob(statement, column);
    return QString::fromUtf8(static_cast<const char *>(bytes), sqlite3_column_bytes(statement, column));
}

// A value of the current row as bound controls show it (see the class comment).
QString columnText(sqlite3_stmt *statement, int column, bool yesNo, NumberTexts &numbers)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return yesNo ? smallNumberText(0) : QString();
    case SQLITE_INTEGER: {
        const qint64 value = sqlite3_column_int64(statement, column);
        return yesNo ? smallNumberText(value != 0) : numbers.text(value);
    }
    case SQLITE_FLOAT: {
        const double value = sqlite3_column_double(statement, column);
        return yesNo ? smallNumberText(value != 0) : numbers.realText(value);
    }
    case SQLITE_BLOB: {
        QString text = blobText(statement, column);
        return yesNo ? smallNumberText(DecimalRead(text) != 0) : text;
    }
    default: {
        QString text = storedText(statement, column);
        return yesNo ? smallNumberText(DecimalRead(text) != 0) : text;
    }
    }
}

// Rows as they are read: cells row after row, and each row's rowid.
struct ReadRows {
    std::deque<QString> cells;
    std::vector<qint64> rowIds;
};

// Puts the rows in rowid order when SQLite gave them in another (it scans a
// covering index when one holds every column asked for); a row has `columns`
// cells.
void sortByRowId(ReadRows &rows, std::size_t columns)
{
    if (std::is_sorted(rows.rowIds.begin(), rows.rowIds.end()))
        return;
    std::vector<std::size_t> order(rows.rowIds.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&rows](std::size_t a, std::size_t b) { return rows.rowIds[a] < rows.rowIds[b]; });
    ReadRows sorted;
    sorted.rowIds.reserve(rows.rowIds.size());
    for (std::size_t row : order) {
        sorted.rowIds.push_back(rows.rowIds[row]);
        for (std::size_t c = 0; c < columns; ++c)
            sorted.cells.push_back(std::move(rows.cells[row * columns + c]));
    }
    rows = std::move(sorted);
}

// The rowids of a table when they run from the smallest to the largest
// without a gap; none when there is a gap, more rows than an int counts, or a
// failed query (a damaged file is then read row by row, and found so). Each
// of the three is answered without reading the rows (the count from the
// pages of the smallest index).
struct RowIdRun {
    qint64 first = 0;
    int count = 0;
};
std::optional<RowIdRun> readRowIdRun(sqlite3 *db, const QString &table)
{
    const QString from = u" FROM "_s + quoted(table) + u")"_s;
    Statement query;
    if (!query.prepare(db, u"SELECT (SELECT count(*)"_s + from + u", (SELECT min(rowid)"_s + from +
                               u", (SELECT max(rowid)"_s + from) ||
        sqlite3_step(query.get()) != SQLITE_ROW)
        return std::nullopt;
    const qint64 count = sqlite3_column_int64(query.get(), 0);
    if (count == 0)
        return RowIdRun{};
    const qint64 lowest = sqlite3_column_int64(query.get(), 1);
    const qint64 highest = sqlite3_column_int64(query.get(), 2);
    if (count < 0 || count > std::numeric_limits<int>::max() || highest < lowest ||
        quint64(highest) - quint64(lowest) != quint64(count) - 1)
        return std::nullopt;
    return RowIdRun{lowest, int(count)};
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

// The prepared query of readFields, for one table and list of fields.
struct SqliteFile::PreparedRead {
    QString table;
    QStringList fields; // as asked
    std::vector<bool> yesNo;
    Statement statement;
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
    sqlite3 *db = handleOf(m_connection);
    result.status = StoreStatus::Unreadable;

    // A deferred column is selected as NULL under its own name, so that the
    // columns keep their order and names.
    QString selected = u"*"_s;
    std::vector<bool> isDeferred;
    if (!deferred.isEmpty()) {
        Statement columns;
        if (!columns.prepare(db, u"SELECT * FROM "_s + quoted(table)))
            return result;
        QStringList list;
        for (int i = 0; i < sqlite3_column_count(columns.get()); ++i) {
            const QString column = QString::fromUtf8(sqlite3_column_name(columns.get(), i));
            const bool defer = deferred.contains(column, Qt::CaseInsensitive);
            isDeferred.push_back(defer);
            list.append(defer ? u"NULL AS "_s + quoted(column) : quoted(column));
        }
        if (!list.isEmpty())
            selected = list.join(u", "_s);
    }
    // No order is asked for: without the deferred columns SQLite may scan a
    // smaller covering index instead of the whole table, and the rows are put
    // back in rowid order afterwards.
    Statement query;
    const bool withRowIds = query.prepare(db, u"SELECT rowid, "_s + selected + u" FROM "_s + quoted(table));
    if (!withRowIds) {
        isDeferred.clear(); // without rowids a value could not be fetched later
        if (!query.prepare(db, u"SELECT * FROM "_s + quoted(table)))
            return result;
    }

    sqlite3_stmt *statement = query.get();
    const int first = withRowIds ? 1 : 0;
    const int count = sqlite3_column_count(statement);
    QStringList columns;
    std::vector<bool> yesNo;
    for (int i = first; i < count; ++i) {
        columns.append(QString::fromUtf8(sqlite3_column_name(statement, i)));
        yesNo.push_back(isYesNoField(table, columns.constLast()));
    }
    TableRows rows(table, columns);
    for (std::size_t i = 0; i < isDeferred.size(); ++i)
        if (isDeferred[i])
            rows.setDeferred(int(i));

    // With every column deferred only the rowids are read; when they run
    // without a gap (a course written in one go), their count and ends say it all.
    if (withRowIds && !isDeferred.empty() &&
        std::all_of(isDeferred.begin(), isDeferred.end(), [](bool d) { return d; })) {
        if (const std::optional<RowIdRun> run = readRowIdRun(db, table)) {
            if (rows.setRowRange(run->first, run->count)) {
                result.status = StoreStatus::Ok;
                result.rows = std::move(rows);
                return result;
            }
        }
    }
    ReadRows read;
    NumberTexts numbers;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        if (withRowIds)
            read.rowIds.push_back(sqlite3_column_int64(statement, 0));
        for (int i = first; i < count; ++i)
            if (isDeferred.empty() || !isDeferred[std::size_t(i - first)])
                read.cells.push_back(columnText(statement, i, yesNo[std::size_t(i - first)], numbers));
    }
    // A step also ends on an error in the middle of the table (damaged pages).
    if (step != SQLITE_DONE)
        return result;
    if (withRowIds)
        sortByRowId(read,
                    std::size_t(count - first - std::count(isDeferred.begin(), isDeferred.end(), true)));

    rows.setRows(std::move(read.cells), std::move(read.rowIds));
    result.status = StoreStatus::Ok;
    result.rows = std::move(rows);
    return result;
}

std::optional<QStringList> SqliteFile::readFields(QStringView table, qint64 rowId,
                                                  const QStringList &fields) const
{
    if (!m_open || fields.isEmpty())
        return std::nullopt;
    PreparedRead *read = m_fieldRead.get();
    if (!read || read->table != table || read->fields != fields) {
        m_fieldRead.reset();
        const QString storedTable = findTable(table);
        if (storedTable.isEmpty())
            return std::nullopt;
        // Kept under the names asked: two tables whose names differ only by
        // case are never mistaken for each other.
        auto prepared = std::make_unique<PreparedRead>();
        prepared->table = table.toString();
        prepared->fields = fields;
        QString columns;
        for (const QString &field : fields) {
            const QString stored = findField(storedTable, field);
            if (stored.isEmpty())
                return std::nullopt;
            columns += (columns.isEmpty() ? QString() : u", "_s) + quoted(stored);
            prepared->yesNo.push_back(isYesNoField(storedTable, stored));
        }
        if (!prepared->statement.prepare(handleOf(m_connection), u"SELECT "_s + columns + u" FROM "_s +
                                                                     quoted(storedTable) +
                                                                     u" WHERE rowid = ?"_s))
            return std::nullopt;
        m_fieldRead = std::move(prepared);
        read = m_fieldRead.get();
    }
    sqlite3_stmt *statement = read->statement.get();
    std::optional<QStringList> values;
    NumberTexts numbers;
    if (sqlite3_bind_int64(statement, 1, rowId) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW) {
        values.emplace();
        values->reserve(fields.size());
        for (int i = 0; i < int(fields.size()); ++i)
            values->push_back(columnText(statement, i, read->yesNo[std::size_t(i)], numbers));
    }
    sqlite3_reset(statement);
    return values;
}

QString SqliteFile::findField(const QString &storedTable, QStringView field) const
{
    const QSqlRecord columns = QSqlDatabase::database(m_connection, false).record(storedTable);
    for (int i = 0; i < columns.count(); ++i)
        if (columns.fieldName(i).compare(field, Qt::CaseInsensitive) == 0)
            return columns.fieldName(i);
    return QString();
}

std::optional<QString> SqliteFile::writeField(QStringView table, qint64 rowId, QStringView field,
                                              const QString &text)
{
    if (!isWritable())
        return std::nullopt;
    const QString storedTable = findTable(table);
    // The field's stored spelling, from the table's own columns.
    const QString storedField = storedTable.isEmpty() ? QString() : findField(storedTable, field);
    if (storedField.isEmpty())
        return std::nullopt;

    QSqlQuery update(QSqlDatabase::database(m_connection, false));
    update.prepare(u"UPDATE "_s + quoted(storedTable) + u" SET "_s + quoted(storedField) +
                   u" = ? WHERE rowid = ?"_s);
    update.addBindValue(text);
    update.addBindValue(rowId);
    if (!update.exec() || update.numRowsAffected() != 1)
        return std::nullopt;
    const std::optional<QStringList> stored = readFields(storedTable, rowId, {storedField});
    if (!stored)
        return std::nullopt;
    return stored->constFirst();
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
