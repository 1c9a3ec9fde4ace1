#pragma once

#include "core/platform/prompts.h"

namespace vorlane {

// What the course window does for its shutdown.
class ShutdownHost {
public:
    virtual ~ShutdownHost() = default;

    // Stores an author's edit of a test that is not saved yet (nothing when
    // there is none).
    virtual void storePendingEdits() = 0;
    virtual bool isMinimized() const = 0;
    virtual void restoreNormal() = 0;
    // Closes the media of the page and hides the video image (nothing when no
    // media is open).
    virtual void closeMedia() = 0;
    // Shows the closing window modally: it asks the companion programs to quit
    // and starts REFUNST.EXE.
    virtual void runClosingWindow() = 0;
    // Hides the course window, unloads the search and calculator windows.
    virtual void unloadWindows() = 0;
    virtual void endProgram() = 0;
};

// Closing the course window, by its close box, the quit button or Alt+F4.
class ShutdownSequence {
public:
    ShutdownSequence(Prompts &prompts, ShutdownHost &host);

    // "Attention: sortie du logiciel.", title "Quitter", question icon, OK and
    // Cancel.
    static Message question();

    // Stores pending edits, then asks. Cancel: false, and nothing else
    // happens (the page and any video stay as they are). OK: restores a
    // minimized window, closes the media, runs the closing window, unloads the
    // other windows and ends the program; true. A second request while one
    // runs is ignored (false).
    bool requestClose();

private:
    Prompts &m_prompts;
    ShutdownHost &m_host;
    bool m_running = false;
};

} // namespace vorlane
