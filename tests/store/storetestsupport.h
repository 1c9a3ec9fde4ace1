#pragma once

#include "core/store/accessreader.h"
#include "core/store/storestatus.h"
#include "testsupport.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace vorlane {
inline void PrintTo(StoreStatus status, std::ostream *os)
{
    *os << StoreStatusName(status);
}
inline void PrintTo(AccessReader::Outcome outcome, std::ostream *os)
{
    *os << AccessReader::outcomeName(outcome);
}
} // namespace vorlane

namespace vorlane::testing {

inline QString mdbDir()
{
    return dataDir() + QStringLiteral("/mdb");
}

// Options that run the helper built with the tests.
inline AccessReaderOptions testReaderOptions(int timeLimitMs = 20000)
{
    AccessReaderOptions options;
    options.helperPath = QStringLiteral(VORLANE_MDB_READER);
    options.timeLimitMs = timeLimitMs;
    return options;
}

// One SQL statement and the values bound to its "?" placeholders.
struct Statement {
    QString sql;
    std::vector<QVariant> values = {};
};

// Creates (or extends) a SQLite file by running the statements in order, through
// a connection of its own that is closed afterwards. Fails the test on error.
inline void runSql(const QString &path, const std::vector<Statement> &statements)
{
    const QString connection = QStringLiteral("test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        for (const Statement &statement : statements) {
            QSqlQuery query(db);
            ASSERT_TRUE(query.prepare(statement.sql))
                << statement.sql.toStdString() << ": " << query.lastError().text().toStdString();
            for (const QVariant &value : statement.values)
                query.addBindValue(value);
            ASSERT_TRUE(query.exec())
                << statement.sql.toStdString() << ": " << query.lastError().text().toStdString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace vorlane::testing
