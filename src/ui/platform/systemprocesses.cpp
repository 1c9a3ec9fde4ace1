#include "ui/platform/systemprocesses.h"

#include "core/platform/launchplan.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTimer>

namespace vorlane {

namespace {
constexpr int kRetryIntervalMs = 200;
constexpr int kRetryForMs = 5000;
} // namespace

SystemProcesses::SystemProcesses(QObject *parent) : QObject(parent) {}

TaskId SystemProcesses::start(const QString &program, const QStringList &arguments, WindowShow)
{
    // The window state cannot be imposed on another program under X11: the
    // program and the window manager decide it.
    const LaunchPlan plan = PlanLaunch(program, arguments);
    qint64 pid = 0;
    if (!QProcess::startDetached(plan.program, plan.arguments, QFileInfo(program).absolutePath(), &pid))
        return 0;
    return pid;
}

QSet<qint64> SystemProcesses::processTree(qint64 root)
{
    QHash<qint64, QList<qint64>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entries) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (!ok)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (comm) state ppid ...": comm may hold spaces and parentheses.
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() < 2)
            continue;
        children[fields[1].toLongLong()].append(pid);
    }
    QSet<qint64> tree{root};
    QList<qint64> queue{root};
    while (!queue.isEmpty()) {
        const qint64 p = queue.takeFirst();
        for (qint64 c : children.value(p)) {
            if (!tree.contains(c)) {
                tree.insert(c);
                queue.append(c);
            }
        }
    }
    return tree;
}

bool SystemProcesses::activateNow(TaskId task)
{
    if (!m_display.isOpen() || task <= 0)
        return false;
    const QSet<qint64> pids = processTree(task);
    const QList<quint32> windows = m_display.topLevelWindows();
    // The topmost window of the task: windows are listed bottom first.
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        const std::optional<qint64> pid = m_display.processId(*it);
        if (pid && pids.contains(*pid))
            return m_display.activate(*it);
    }
    return false;
}

bool SystemProcesses::bringToFront(TaskId task)
{
    if (activateNow(task)) {
        m_pending.remove(task);
        return true;
    }
    if (m_display.isOpen() && task > 0 && !m_pending.contains(task)) {
        m_pending[task].start();
        QTimer::singleShot(kRetryIntervalMs, this, [this, task] { retry(task); });
    }
    return false;
}

void SystemProcesses::retry(TaskId task)
{
    if (!m_pending.contains(task))
        return;
    if (activateNow(task) || m_pending[task].elapsed() > kRetryForMs) {
        m_pending.remove(task);
        return;
    }
    QTimer::singleShot(kRetryIntervalMs, this, [this, task] { retry(task); });
}

} // namespace vorlane
