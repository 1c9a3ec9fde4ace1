#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

namespace vorlane {

// A top-level window of the desktop.
struct TopWindow {
    quint64 id = 0;
    QString title;
};

// The desktop's top-level windows, to find companion programs by title and ask
// them to quit.
class TopWindows {
public:
    virtual ~TopWindows() = default;

    // The top-level windows in stacking order, bottom first; untitled ones
    // included with an empty title.
    virtual QList<TopWindow> list() const = 0;
    // Asks the window to close (as its close box would). False when the
    // request could not be sent.
    virtual bool postQuit(quint64 window) = 0;
};

} // namespace vorlane
