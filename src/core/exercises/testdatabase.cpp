#include "core/exercises/testdatabase.h"

#include "core/exercises/exercisestate.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace vorlane {

TestDatabase::TestDatabase(AccessReaderOptions access) : m_description(access), m_contenu(access) {}

void TestDatabase::open(const QString &folder)
{
    m_folder = folder;
    const QString name = folder + QStringLiteral("/tcTs");
    m_description.setDatabaseName(name);
    m_description.setRecordSource(QStringLiteral("DESCRIPTION"));
    m_description.refresh();
    m_contenu.setDatabaseName(name);
    m_contenu.setRecordSource(QStringLiteral("Contenu"));
}

std::optional<QString> TestDatabase::loadDescription(ExerciseState &state)
{
    std::optional<QString> title;
    if (m_description.moveLast()) {
        const int last = m_description.absolutePosition();
        for (int i = 0; i <= last; ++i) {
            m_description.setAbsolutePosition(i);
            if (DecimalRead(m_description.field(u"Chapitre")) != state.pendingExercise)
                continue;
            title = m_description.field(u"Titre");
            // A count that does not fit is skipped; the previous one stays.
            AssignInt16(state.questionCount, DecimalRead(m_description.field(u"Nbquest")));
        }
    }
    if (state.currentQuestion == 0 || state.currentQuestion > state.questionCount)
        state.currentQuestion = 1;
    m_contenu.refresh();
    return title;
}

bool TestDatabase::findQuestion(const ExerciseState &state)
{
    if (!m_contenu.moveLast())
        return false;
    const int last = m_contenu.absolutePosition();
    const double key = reference(state.pendingExercise, state.currentQuestion);
    for (int i = 0; i <= last; ++i) {
        m_contenu.setAbsolutePosition(i);
        if (DecimalRead(m_contenu.field(u"REFERENCE")) == key)
            return true;
    }
    return false;
}

int TestDatabase::type() const
{
    std::int16_t t = 0;
    AssignInt16(t, DecimalRead(m_contenu.field(u"type")));
    return t;
}

bool TestDatabase::writable() const
{
    return !m_contenu.readOnly() && m_contenu.database().isWritable();
}

namespace {

// Writes the tables into a new SQLite file at `path` (through a temporary
// file, so that a failure leaves nothing half written).
bool copyTables(const std::vector<TableRead> &tables, const QString &path, QString *reason)
{
    const QString temporary = path + QStringLiteral(".tmp");
    QFile::remove(temporary);
    const QString connection =
        QStringLiteral("tcTs-copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temporary);
        ok = db.open();
        QSqlQuery q(db);
        for (std::size_t t = 0; ok && t < tables.size(); ++t) {
            const TableRows &rows = tables[t].rows;
            QStringList columns;
            for (const QString &c : rows.columns())
                columns << u'"' + QString(c).replace(u'"', QStringLiteral("\"\"")) + u'"';
            ok = q.exec(QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(rows.tableName(), columns.join(u',')));
            if (!ok)
                break;
            db.transaction();
            QStringList marks;
            for (int c = 0; c < rows.columnCount(); ++c)
                marks << QStringLiteral("?");
            q.prepare(
                QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(rows.tableName(), marks.join(u',')));
            for (int r = 0; ok && r < rows.rowCount(); ++r) {
                for (int c = 0; c < rows.columnCount(); ++c)
                    q.bindValue(c, rows.cell(r, c));
                ok = q.exec();
            }
            ok = db.commit() && ok;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok) {
        QFile::remove(path);
        ok = QFile::rename(temporary, path);
    }
    if (!ok) {
        QFile::remove(temporary);
        if (reason)
            *reason =
                QString::fromUtf8("le fichier %1 ne peut pas être écrit").arg(QDir::toNativeSeparators(path));
    }
    return ok;
}

} // namespace

bool TestDatabase::makeWritable(QString *reason)
{
    if (writable())
        return true;
    const Database::Location location = Database::locate(m_folder, QStringLiteral("tcTs"));
    if (location.kind == Database::Kind::Access) {
        std::vector<TableRead> tables;
        for (const char *table : {"DESCRIPTION", "Contenu"}) {
            TableRead read = m_contenu.database().readTable(QString::fromLatin1(table));
            if (read.status != StoreStatus::Ok) {
                if (reason)
                    *reason = QString::fromUtf8("la base des tests %1 ne peut pas être lue")
                                  .arg(QDir::toNativeSeparators(location.path));
                return false;
            }
            tables.push_back(std::move(read));
        }
        if (!copyTables(tables, QDir(m_folder).filePath(QStringLiteral("tcTs.sqlite")), reason))
            return false;
    }
    m_description.setReadOnly(false);
    m_contenu.setReadOnly(false);
    const StoreStatus d = m_description.refresh();
    const StoreStatus c = m_contenu.refresh();
    if (d != StoreStatus::Ok || c != StoreStatus::Ok || !writable()) {
        if (reason)
            *reason = QString::fromUtf8("la base des tests ne peut pas être ouverte en écriture");
        return false;
    }
    return true;
}

bool TestDatabase::storeQuestion(const ExerciseState &state, const QString &markup, QString *reason)
{
    if (!makeWritable(reason))
        return false;
    if (!findQuestion(state)) {
        if (reason)
            *reason = QString::fromUtf8("la question %1 n'existe pas dans la base des tests")
                          .arg(reference(state.pendingExercise, state.currentQuestion));
        return false;
    }
    if (!m_contenu.setField(u"question", markup)) {
        if (reason)
            *reason = QString::fromUtf8("l'écriture dans la base des tests a échoué");
        return false;
    }
    return true;
}

} // namespace vorlane
