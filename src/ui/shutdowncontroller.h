#pragma once

#include "core/app/session.h"
#include "core/app/shutdownsequence.h"
#include "core/companions/companioncloser.h"

#include <QObject>
#include <functional>

class QWidget;

namespace vorlane {

// The window side of the course window's shutdown. It watches the window's
// close requests (close box, `Command14`, Alt+F4) and runs ShutdownSequence;
// the closing window `Fermeur` does the companion work.
//
// Hooks other parts of the window set; each does nothing until it is set:
//  - storePendingEdits: stores an author's unsaved edit of a test (called
//    first, before the question);
//  - closeMedia: closes the page's media and hides the video image;
//  - endProgram: ends the program (default: leaves the event loop).
class ShutdownController final : public QObject, public ShutdownHost {
    Q_OBJECT
public:
    ShutdownController(QWidget &mainWindow, const QString &applicationFolder, Session &session,
                       Prompts &prompts, const Files &files, Processes &processes, TopWindows &windows);

    std::function<void()> storePendingEditsHook;
    std::function<void()> closeMediaHook;
    std::function<void()> endProgramHook;

    ShutdownSequence &sequence() { return m_sequence; }
    // The last closing window's report (for tests).
    const CompanionCloser::Report &lastReport() const { return m_report; }
    bool ended() const { return m_ended; }

    // ---- ShutdownHost ---------------------------------------------------------
    void storePendingEdits() override;
    bool isMinimized() const override;
    void restoreNormal() override;
    void closeMedia() override;
    void runClosingWindow() override;
    void unloadWindows() override;
    void endProgram() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_window;
    CompanionCloser m_closer;
    ShutdownSequence m_sequence;
    CompanionCloser::Report m_report;
    bool m_ended = false;
};

} // namespace vorlane
