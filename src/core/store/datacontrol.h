#pragma once

#include "core/store/database.h"
#include "core/store/tablerows.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>

namespace vorlane {

// A data control bound to one table: the record store a window reads a
// database through (the main window's Data1 on Cours; the test window's Data1
// on DESCRIPTION and Data2 on Contenu).
//
// DatabaseName, RecordSource and ReadOnly are set first and take effect at the
// next Refresh, which reads the whole table into memory in stored order (SQLite:
// rowid order; Access: the order libmdb returns) and makes the first row
// current. Moves are by zero-based position; a move that cannot be made fails
// (false) and leaves the current row as it was. Field values are the texts bound
// controls show: NULL as the empty text, yes/no as "1" or "0", numbers as their
// text, long texts whole. Table and field names are found without regard to
// letter case.
//
// Writing: setField writes to the database at once (no edit buffer, nothing
// pending when the row is left), only for a SQLite database refreshed with
// ReadOnly false; Access databases are never written.
//
// Failures never throw: refresh returns a status (also kept in status()), moves
// and writes return false, reads give the empty text.
class DataControl {
public:
    explicit DataControl(AccessReaderOptions access = {});

    // The database: the application folder plus its base name, with or without
    // the extension ".mdb" or ".sqlite" (any letter case): "/app/PcTs.mdb",
    // "/app/PcTs.sqlite" and "/app/PcTs" all name the same database, which is
    // NAME.sqlite when it exists, else NAME.mdb (see Database).
    void setDatabaseName(const QString &name);
    const QString &databaseName() const { return m_databaseName; }
    // The kind of file the database name stands for now, without opening it.
    Database::Kind databaseKind() const;
    // The table to read ("Cours", "DESCRIPTION", "Contenu").
    void setRecordSource(const QString &table);
    const QString &recordSource() const { return m_recordSource; }
    // Columns a refresh leaves unread (the course's page bodies), so that it
    // returns with every row and every other column. SQLite: a row's values of
    // theirs are read from the database together, by the row's rowid, when
    // field() asks for one, and the last row read is kept. Access (no reading by row): one helper run
    // reads all their values in the background as soon as the refresh has
    // ended (AccessColumnPass); field() waits for it when it has not ended.
    void setDeferredColumns(const QStringList &columns) { m_deferredColumns = columns; }

    // Reads deferred columns of a SQLite table whole, at once, for a scan of
    // every row: field() then gives their values from memory (true at once
    // when none of them is deferred; unknown names are ignored). False, with the
    // columns left deferred (field() still reads them row by row), when the
    // database is not the SQLite file the rows came from or its rows are no
    // longer the rows read.
    bool readColumns(const QStringList &names);

    // True (the default) opens the database read-only; false opens a SQLite
    // database writable so that setField can write. Takes effect at the next
    // refresh, which then reopens the database.
    void setReadOnly(bool readOnly);
    bool readOnly() const { return m_readOnly; }

    // (Re)opens the database when its name or mode changed or it was closed,
    // then reads the record source whole. On Ok the first row is current (no row
    // when the table is empty). On failure the rows and position read before are
    // kept and the status says why: Absent, Unreadable, NoSuchTable.
    StoreStatus refresh();
    // Status of the last refresh; NotRead before the first. After a refresh of
    // an Access file, Unreadable as soon as the background read of its deferred
    // columns has failed (their values then read as the empty text; the other
    // columns stay readable, and the next refresh reads again).
    StoreStatus status() const;
    // Waits for the end of the background read of an Access file's deferred
    // columns, when one runs, then gives status().
    StoreStatus awaitDeferred();
    // True while the background read of an Access file's deferred columns runs.
    bool isReadingDeferred() const;

    int rowCount() const { return m_rows.rowCount(); }
    // First or last row becomes current; false when there are no rows.
    bool moveFirst();
    bool moveLast();
    // Zero-based position of the current row; -1 when there is none.
    int absolutePosition() const { return m_position; }
    // Makes row `position` current; false (current row unchanged) when out of range.
    bool setAbsolutePosition(int position);

    // Value of a field of the current row; empty when there is no current row
    // or no such field. A deferred field of an Access file waits for the end of
    // the background read when it runs (at most the helper's time limit).
    QString field(QStringView name) const;
    bool hasField(QStringView name) const;
    // Field names as stored, in table order.
    QStringList fieldNames() const { return m_rows.columns(); }
    // The rows read by the last successful refresh (all positions, for scans);
    // the cells of deferred columns are empty there.
    const TableRows &rows() const { return m_rows; }

    // Writes text into a field of the current row, at once; afterwards field()
    // gives the value as stored (a yes/no field reads "1" or "0"). False, with
    // nothing changed, when there is no current row or no such field, the
    // database is an Access file, was refreshed read-only or has been closed, the
    // row has no rowid, or the write fails.
    bool setField(QStringView name, const QString &text);

    // The database the control reads, for opening a table by name
    // (openRecordset) and closing it (close). After close, the rows already read
    // stay readable, writes fail, and the next refresh reopens.
    Database &database() { return m_database; }
    const Database &database() const { return m_database; }

private:
    QString m_databaseName;
    QString m_recordSource;
    QStringList m_deferredColumns;
    bool m_readOnly = true;

    Database m_database;
    QString m_openedName;
    bool m_openedReadOnly = true;

    StoreStatus m_status = StoreStatus::NotRead;
    TableRows m_rows;
    QString m_rowsPath; // file the rows were read from
    int m_position = -1;

    // The deferred columns of m_rows, in table order, and their values in the
    // last row read (none when that read failed).
    QStringList m_deferredNames;
    struct DeferredRow {
        int row = -1;
        QStringList values;
    };
    mutable DeferredRow m_lastDeferred;
    // The background read of the deferred columns of m_rows (Access only).
    std::unique_ptr<AccessColumnPass> m_deferredRead;
};

} // namespace vorlane
