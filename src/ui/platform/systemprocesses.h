#pragma once

#include "core/platform/processes.h"
#include "ui/platform/x11display.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QSet>

namespace vorlane {

// Programs started with QProcess::startDetached (no shell; a ".exe" that is not
// native through wine when installed), brought to the front through X11: the
// windows of the task's process and of the processes it started.
//
// A program just started has usually no window yet: bringing it forward then
// keeps trying for a few seconds in the background.
class SystemProcesses final : public QObject, public Processes {
    Q_OBJECT
public:
    explicit SystemProcesses(QObject *parent = nullptr);

    TaskId start(const QString &program, const QStringList &arguments, WindowShow show) override;
    bool bringToFront(TaskId task) override;

    // The process and all processes below it (from /proc).
    static QSet<qint64> processTree(qint64 root);

private:
    bool activateNow(TaskId task);
    void retry(TaskId task);

    X11Display m_display;
    QHash<TaskId, QElapsedTimer> m_pending; // tasks whose window is awaited
};

} // namespace vorlane
