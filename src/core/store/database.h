#pragma once

#include "core/store/accesscolumnpass.h"
#include "core/store/accessreader.h"
#include "core/store/sqlitefile.h"
#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>

namespace vorlane {

// One database of the application folder, named by its base name ("PcTs",
// "tcTs"): the SQLite file NAME.sqlite when it exists, else the Access file
// NAME.mdb. File names are matched exactly first, then without regard to
// letter case (the first match in name order).
//
// SQLite files are read, and written when opened ReadWrite, through Qt SQL.
// Access files are only ever read, through the helper of AccessReader; they
// are never written whatever the mode.
//
// Not copyable. Everything runs on the calling thread and blocks until done.
class Database {
public:
    enum class Kind { None, Sqlite, Access };
    enum class Mode { ReadOnly, ReadWrite };

    struct Location {
        Kind kind = Kind::None;
        QString path; // the file found; empty for Kind::None
    };

    explicit Database(AccessReaderOptions access = {});
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Which file NAME stands for in folder, without opening it.
    static Location locate(const QString &folder, const QString &baseName);

    // Opens the database (closing any previous one).
    //  Ok:         open; for Access the helper has read the catalog.
    //  Absent:     neither NAME.sqlite nor NAME.mdb exists.
    //  Unreadable: the file exists but is no readable database.
    StoreStatus open(const QString &folder, const QString &baseName, Mode mode = Mode::ReadOnly);
    void close();

    bool isOpen() const { return m_kind != Kind::None; }
    Kind kind() const { return m_kind; }
    // Path of the open file; empty when closed.
    const QString &path() const { return m_path; }
    // True for a SQLite file opened ReadWrite.
    bool isWritable() const;

    // User tables as stored; empty when closed.
    QStringList tableNames() const;
    // Stored name of the table matching name without regard to letter case
    // (an exact match wins); empty when none.
    QString findTable(QStringView name) const;

    // Opening a table by name: Ok when the database is open and has the
    // table, NoSuchTable when it is open without it, NotRead when closed.
    // Nothing is read.
    StoreStatus openRecordset(QStringView table) const;

    // Every row of the table, in stored order (SQLite: rowid order; Access: the
    // order libmdb returns). The status says why nothing was read: NotRead
    // (closed), NoSuchTable, Unreadable. The `deferred` columns are left unread,
    // their cells empty and marked deferred: SQLite as SqliteFile::readTable
    // does, Access as AccessReader::readTable does (see readDeferred).
    TableRead readTable(QStringView table, const QStringList &deferred = {}) const;
    // Access only: starts reading, in the background, the columns that
    // readTable left deferred in `rows` (rows it read from the file open now).
    // nullptr for other databases, closed ones, and rows without deferred
    // columns.
    std::unique_ptr<AccessColumnPass> readDeferred(const TableRows &rows) const;
    // Fields of a SQLite row by rowid (SqliteFile::readFields); std::nullopt
    // for Access files and closed databases.
    std::optional<QStringList> readFields(QStringView table, qint64 rowId, const QStringList &fields) const;

    // Writes one field of the SQLite row with that rowid at once; see
    // SqliteFile::writeField. std::nullopt for Access files and read-only or
    // closed databases.
    std::optional<QString> writeField(QStringView table, qint64 rowId, QStringView field,
                                      const QString &text);

private:
    AccessReader m_access;
    SqliteFile m_sqlite;
    Kind m_kind = Kind::None;
    QString m_path;
    QStringList m_accessTables;
};

} // namespace vorlane
