#include "core/store/accessreader.h"

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

AccessReader::Result AccessReader::readTable(const QString &mdbPath, const QString &table) const
{
    return run({mdbPath, table}, table);
}

AccessReader::Result AccessReader::listTables(const QString &mdbPath) const
{
    return run({QStringLiteral("--tables"), mdbPath}, QString());
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitized = true;
#else
constexpr bool kAddressSanitized = false;
#endif
#else
constexpr bool kAddressSanitized = false;
#endif

bool AccessReader::limitsMemory()
{
    return !kAddressSanitized;
}

AccessReader::Result AccessReader::run(const QStringList &arguments, const QString &tableName) const
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
    if (!helper.waitForFinished(remainingMs())) {
        helper.kill();
        helper.waitForFinished(kReapMs);
        result.outcome = Outcome::TimedOut;
        return result;
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
    }
    return "?";
}

} // namespace vorlane
