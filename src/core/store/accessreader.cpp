#include "core/store/accessreader.h"

#include "core/platform/sanitizers.h"
#include "core/store/rowchannel.h"
#include "core/store/rowchannelformat.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <sys/resource.h>
#ifdef __linux__
#include <signal.h>
#include <sys/prctl.h>
#endif

#include <utility>

using namespace Qt::StringLiterals;

namespace vorlane {

namespace {
// A row file larger than this is refused; the helper cannot write more either.
constexpr qint64 kMaxRowFileBytes = qint64(512) << 20;
// Time granted to a killed helper to be reaped.
constexpr int kReapMs = 5000;
// How often a read that can be cancelled looks at its flag.
constexpr int kCancelSliceMs = 50;
} // namespace

StoreStatus AccessReader::Result::status() const
{
    switch (outcome) {
    case Outcome::Ok:
        return StoreStatus::Ok;
    case Outcome::NoSuchTable:
        return StoreStatus::NoSuchTable;
    default:
        return StoreStatus::Unreadable;
    }
}

AccessReader::AccessReader(AccessReaderOptions options) : m_options(std::move(options)) {}

QString AccessReader::helperPath() const
{
    if (!m_options.helperPath.isEmpty())
        return m_options.helperPath;
    return QCoreApplication::applicationDirPath() + u"/vorlane-mdb-reader"_s;
}

AccessReader::Result AccessReader::readTable(const QString &mdbPath, const QString &table,
                                             const QStringList &skipped) const
{
    QStringList arguments;
    for (const QString &column : skipped)
        arguments << u"--skip"_s << column;
    Result result = run(arguments << mdbPath << table, table);
    if (result.outcome != Outcome::Ok || skipped.isEmpty())
        return result;
    for (int column = 0; column < result.rows.columnCount(); ++column)
        if (skipped.contains(result.rows.columns()[column], Qt::CaseInsensitive))
            result.rows.setDeferred(column);
    return result;
}

AccessReader::Result AccessReader::readColumns(const QString &mdbPath, const QString &table,
                                               const QStringList &columns,
                                               const std::atomic<bool> *cancel) const
{
    QStringList arguments;
    for (const QString &column : columns)
        arguments << u"--only"_s << column;
    Result result = run(arguments << mdbPath << table, table, cancel);
    if (result.outcome != Outcome::Ok)
        return result;
    // The helper lists the columns it found: each one asked for must be there.
    for (const QString &column : columns) {
        if (result.rows.columnIndex(column) < 0) {
            result.outcome = Outcome::Malformed;
            result.rows = TableRows();
            return result;
        }
    }
    return result;
}

AccessReader::Result AccessReader::listTables(const QString &mdbPath) const
{
    return run({QStringLiteral("--tables"), mdbPath}, QString());
}

bool AccessReader::limitsMemory()
{
    return !kAddressSanitized;
}

AccessReader::Result AccessReader::run(const QStringList &arguments, const QString &tableName,
                                       const std::atomic<bool> *cancel) const
{
    Result result;
    QTemporaryDir folder;
    if (!folder.isValid())
        return result;
    const QString rowFile = folder.filePath(QStringLiteral("rows"));

    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"MDBPATH", "MDB_ICONV", "MDB_JET3_CHARSET", "MDBOPTS"})
        environment.remove(QString::fromLatin1(name));
    helper.setProcessEnvironment(environment);
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setStandardOutputFile(QProcess::nullDevice());
    helper.setStandardErrorFile(QProcess::nullDevice());

    const rlim_t memoryLimit =
        m_options.memoryLimitBytes > 0 ? rlim_t(m_options.memoryLimitBytes) : RLIM_INFINITY;
    const rlim_t fileLimit = rlim_t(kMaxRowFileBytes);
    // Runs in the child between fork and exec: async-signal-safe calls only.
    helper.setChildProcessModifier([memoryLimit, fileLimit] {
        if (!kAddressSanitized) {
            const rlimit memory{memoryLimit, memoryLimit};
            setrlimit(RLIMIT_AS, &memory);
        }
        const rlimit file{fileLimit, fileLimit};
        setrlimit(RLIMIT_FSIZE, &file);
        const rlimit core{0, 0};
        setrlimit(RLIMIT_CORE, &core);
#ifdef __linux__
        // A helper whose parent died must not run on.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    });

    const QDeadlineTimer deadline = m_options.timeLimitMs > 0 ? QDeadlineTimer(m_options.timeLimitMs)
                                                              : QDeadlineTimer(QDeadlineTimer::Forever);
    const auto remainingMs = [&deadline] {
        return deadline.isForever() ? -1 : int(qMax<qint64>(deadline.remainingTime(), 1));
    };
    helper.start(helperPath(), QStringList(arguments) << rowFile, QIODevice::NotOpen);
    if (!helper.waitForStarted(remainingMs())) {
        if (helper.state() != QProcess::NotRunning) {
            helper.kill();
            helper.waitForFinished(kReapMs);
            result.outcome = Outcome::TimedOut;
        }
        return result;
    }
    // Without a cancel flag the wait is one call; with one it is cut into
    // slices so that the flag is seen soon after it is set.
    for (;;) {
        if (cancel && cancel->load()) {
            helper.kill();
            helper.waitForFinished(kReapMs);
            result.outcome = Outcome::Cancelled;
            return result;
        }
        const int remaining = remainingMs();
        const int slice =
            cancel ? (remaining < 0 ? kCancelSliceMs : qMin(remaining, kCancelSliceMs)) : remaining;
        if (helper.waitForFinished(slice))
            break;
        const bool expired = !deadline.isForever() && deadline.hasExpired();
        if (!cancel || expired || helper.state() == QProcess::NotRunning) {
            helper.kill();
            helper.waitForFinished(kReapMs);
            result.outcome = Outcome::TimedOut;
            return result;
        }
    }
    if (helper.exitStatus() != QProcess::NormalExit) {
        result.outcome = Outcome::Crashed;
        return result;
    }
    switch (helper.exitCode()) {
    case rowchannel::ExitOk:
        break;
    case rowchannel::ExitNoSuchTable:
        result.outcome = Outcome::NoSuchTable;
        return result;
    case rowchannel::ExitCannotOpen:
        result.outcome = Outcome::CannotOpen;
        return result;
    case rowchannel::ExitDamaged:
        result.outcome = Outcome::Damaged;
        return result;
    default:
        result.outcome = Outcome::HelperFailed;
        return result;
    }

    QFile file(rowFile);
    if (!file.open(QIODevice::ReadOnly)) {
        result.outcome = Outcome::HelperFailed;
        return result;
    }
    if (file.size() > kMaxRowFileBytes) {
        result.outcome = Outcome::Malformed;
        return result;
    }
    std::optional<TableRows> rows = DecodeRowChannel(file.readAll(), tableName);
    if (!rows) {
        result.outcome = Outcome::Malformed;
        return result;
    }
    result.outcome = Outcome::Ok;
    result.rows = std::move(*rows);
    return result;
}

const char *AccessReader::outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Ok:
        return "Ok";
    case Outcome::NoSuchTable:
        return "NoSuchTable";
    case Outcome::CannotOpen:
        return "CannotOpen";
    case Outcome::Damaged:
        return "Damaged";
    case Outcome::HelperFailed:
        return "HelperFailed";
    case Outcome::TimedOut:
        return "TimedOut";
    case Outcome::Crashed:
        return "Crashed";
    case Outcome::Malformed:
        return "Malformed";
    case Outcome::Cancelled:
        return "Cancelled";
    case Outcome::Mismatched:
        return "Mismatched";
    }
    return "?";
}

} // namespace vorlane
