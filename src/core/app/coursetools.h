#pragma once

#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/prompts.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace vorlane {

class StateMemory;

// The window side of the help button: the program's own help window, which
// shows an HTML help page and follows its links.
class HelpPages {
public:
    virtual ~HelpPages() = default;
    // Shows the help window on the page of that file (brought to the front
    // when it is already open).
    virtual void showHelpPage(const QString &path) = 0;
};

// The rules of the course window's tool buttons that do not navigate.
class CourseTools {
public:
    // The publisher's web site, which the web-site button opens in the
    // desktop's browser when the connection module is not installed.
    static QString publisherAddress() { return QStringLiteral("https://www.vorlane.fr/"); }

    // The help of an application folder: PCTS.hlp when there is one, else
    // PCTS.html (names matched ignoring case); nullopt when neither exists.
    // openHelp decides which of the two `Command10` opens, and where.
    static std::optional<QString> helpFile(const QString &applicationFolder, const Files &files);

    // Where the help went.
    enum class HelpShown { Nothing, DesktopViewer, OwnWindow };

    // The help button: PCTS.hlp goes to the desktop's viewer; when there is
    // none (or no viewer takes it), PCTS.html opens in the program's own help
    // window; with neither file nothing opens.
    static HelpShown openHelp(const QString &applicationFolder, const Files &files, Desktop &desktop,
                              HelpPages &ownWindow);

    // How a link clicked in the help window is followed: a page of the help
    // (a relative address, a file, an anchor of the page) in the help window
    // itself; a web or mail address in the desktop's browser.
    enum class HelpLink { InWindow, Browser };
    static HelpLink helpLink(const QUrl &url);

    // True when `code` starts the web-site module (an "EXE" code of module 7,
    // "EXE070" for the web-site button) while the module's program is not in
    // the application folder: the window then opens the publisher's address
    // instead of handing the code to the dispatcher. False for any other code.
    static bool opensPublisherSite(const QString &code, const QString &applicationFolder, const Files &files);

    // Opens publisherAddress() in the desktop's browser; when no browser took
    // it, says so with the address to copy (noBrowserMessage). True when a
    // browser took it.
    static bool openPublisherSite(Desktop &desktop, Prompts &prompts);
    static Message noBrowserMessage();

    // Why `Command8` cannot update the software now: the message shown while a
    // module of the software has not stopped (its running flag in the state
    // file is not "NON"); nullopt when the update may go on. `memory` holds the
    // state file's records when the folder may not be written.
    static std::optional<Message> updateRefusal(const QString &applicationFolder,
                                                StateMemory *memory = nullptr);
};

} // namespace vorlane
