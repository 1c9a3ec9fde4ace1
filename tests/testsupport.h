#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <ostream>
#include <sys/resource.h>

// Lets GoogleTest print QStrings in its failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vorlane::testing {
inline QString dataDir()
{
    return QStringLiteral(VORLANE_TEST_DATA_DIR);
}

// One run of the built vorlane-tool.
struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

// A run that has not ended after timeoutMs is killed and reported with code -1.
// fileSizeLimit > 0 runs the tool on a disk that is full beyond that many bytes
// per file (writes past it fail with EFBIG instead of killing the process).
inline ToolRun runTool(const QStringList &args, const QByteArray &input = {}, int timeoutMs = 60000,
                       rlim_t fileSizeLimit = 0)
{
    QProcess p;
    if (fileSizeLimit > 0) {
        p.setChildProcessModifier([fileSizeLimit] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = fileSizeLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    p.start(QStringLiteral(VORLANE_TOOL), args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {-1, QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("(killed: no answer)")};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// While it lives, this process writes no file beyond `bytes` bytes, as on a full
// disk: writes past the limit fail with EFBIG (SIGXFSZ is ignored meanwhile).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
} // namespace vorlane::testing
