#pragma once

#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVariantList>
#include <memory>
#include <optional>

namespace vorlane {

// The text of a REAL value as bound controls show it: the shortest digits that
// read back as the same double, "." as the separator, plain notation for
// magnitudes from 1E-4 up to (excluding) 1E+15 ("0.15", "3", "-2.5", "0.0001"),
// otherwise mantissa, "E", sign and at least two exponent digits ("1E+15",
// "2.5E-05"). Zero is "0"; infinities "inf"/"-inf", NaN "nan".
QString RealFieldText(double value);

// One SQLite database file, read and written through Qt SQL (QSQLITE driver)
// on a connection of its own, named uniquely for this object. Rows are read
// through the connection's own SQLite handle, a value at a time.
//
// Tables and their fields keep the names of the course and test databases
// (Cours, DESCRIPTION, Contenu...). Values reach callers as text: NULL as the
// empty text, an INTEGER as its decimal text, a REAL through RealFieldText,
// TEXT as stored, a BLOB as UTF-8. The yes/no fields of the table Cours
// (precedent, suite, imprimable, moteur) read as "1" when their value is not
// zero (a text is read with a decimal read) and "0" otherwise, NULL included.
// Table and field names are matched without regard to letter case.
class SqliteFile {
public:
    SqliteFile();
    ~SqliteFile();
    SqliteFile(const SqliteFile &) = delete;
    SqliteFile &operator=(const SqliteFile &) = delete;

    // Opens an existing file, read-only unless writable. Absent when the file
    // does not exist (it is never created); Unreadable when its schema cannot be
    // read (not a database, damaged, no permission). A previous file is closed.
    StoreStatus open(const QString &path, bool writable);
    void close();
    bool isOpen() const { return m_open; }
    bool isWritable() const { return m_open && m_writable; }

    // Tables and views as stored, in schema order; empty when the schema cannot be read.
    QStringList tableNames() const;
    // Stored name of the table matching name without regard to letter case
    // (an exact match wins); empty when none.
    QString findTable(QStringView name) const;

    // Every row in rowid order (a table without rowid: in the order SQLite
    // gives, and without rowids, so that it cannot be written).
    // NoSuchTable, or Unreadable when a query fails (damaged file).
    // The columns named in `deferred` (any letter case) are left unread when
    // the table has rowids: their cells stay empty and are marked deferred, for
    // readFields to fetch a row's values when they are asked for.
    TableRead readTable(QStringView name, const QStringList &deferred = {}) const;

    // Fields of the row with that rowid, in the order asked, as readTable gives
    // them; std::nullopt when nothing is open, none is asked, or the table, a
    // field or the row does not exist. The query is prepared once per table and
    // list of fields and kept until the file is closed.
    std::optional<QStringList> readFields(QStringView table, qint64 rowId, const QStringList &fields) const;

    // Writes text into one field of the row with that rowid, at once. SQLite's
    // column affinity applies (a numeric text in an INTEGER column is stored as a
    // number). Returns the field's new value read back as readTable gives it;
    // std::nullopt when the file is read-only or closed, the table, field or row
    // does not exist, or the write fails.
    std::optional<QString> writeField(QStringView table, qint64 rowId, QStringView field,
                                      const QString &text);

    // ---- Writing a new file (the course compiler) ------------------------------

    // Creates a database file at `path`, which must not exist yet, and opens it
    // writable. False when it cannot be created (a previous file is closed
    // either way).
    bool create(const QString &path);
    // Runs one statement. False, with the driver's message in `error`, when it
    // fails or nothing is open.
    bool execute(const QString &sql, QString *error = nullptr);
    // Groups the writes that follow until commit() into one transaction.
    bool beginTransaction();
    bool commit();
    // Appends one row to `table`, its values in column order. False, with the
    // driver's message in `error`, when the insert fails.
    bool insertRow(QStringView table, const QVariantList &values, QString *error = nullptr);

private:
    // Stored spelling of a column of a stored table, found without regard to
    // letter case; empty when it has none.
    QString findField(const QString &storedTable, QStringView field) const;

    struct PreparedRead;
    QString m_connection;
    mutable std::unique_ptr<PreparedRead> m_fieldRead;
    QString m_path;
    bool m_open = false;
    bool m_writable = false;
};

} // namespace vorlane
