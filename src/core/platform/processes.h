#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vorlane {

// Task id of a started program: its process id; 0 means "not started".
using TaskId = qint64;

// How a started program's window should first appear.
enum class WindowShow { NormalFocused, MaximizedFocused, Minimized };

// Starting programs without waiting for them, and bringing their windows to the
// front.
class Processes {
public:
    virtual ~Processes() = default;

    // Starts `program` (a full path) with its arguments, without a shell and
    // without waiting. Returns its task id, or 0 when it could not be started.
    virtual TaskId start(const QString &program, const QStringList &arguments,
                         WindowShow show = WindowShow::NormalFocused) = 0;
    // Brings the top-level window of the task (or of a program it started) to
    // the front and gives it the focus. False when no such window is found.
    virtual bool bringToFront(TaskId task) = 0;
};

} // namespace vorlane
