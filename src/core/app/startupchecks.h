#pragma once

#include "core/app/session.h"
#include "core/course/courseopener.h"
#include "core/platform/files.h"
#include "core/platform/prompts.h"
#include "core/platform/screen.h"

#include <QRect>
#include <QString>
#include <optional>

namespace vorlane {

// The window side of the start-up checks.
class StartupWindow {
public:
    virtual ~StartupWindow() = default;

    // Every link label from element 1 up takes the mouse pointer of element 0.
    virtual void copyLinkPointers() = 0;
    // The window's width, in pixels.
    virtual void setWindowWidth(int pixels) = 0;
    // Lets pending window events run.
    virtual void processEvents() = 0;
    // Shows the screen-configuration window `alerte` modally (it reads
    // screenAlertMode). True when its user chose to end the program.
    virtual bool showScreenAlert() = 0;
    // Normal (not maximized) state and this geometry, in desktop pixels.
    virtual void showNormalAt(const QRect &geometry) = 0;
};

// Everything the checks use.
struct StartupContext {
    QString applicationFolder;
    Session &session;
    const Screen &screen;
    const Files &files;
    Prompts &prompts;
    StartupWindow &window;
    CourseOpener &course;
    // Folder of the course database when it is not the application folder
    // (vorlane --course DIR); empty: the application folder.
    QString courseFolder = {};
};

// The course database of an application folder: PcTs.sqlite when present, else
// the Access file PcTs.mdb (names matched ignoring case); nullopt when neither
// exists.
std::optional<QString> CourseDatabasePath(const QString &applicationFolder, const Files &files);

// The start-up routine of the main window: checks the screen width (below 700
// pixels the program ends), that the course database exists (else it ends) and
// can be read (else it ends), shows `alerte` while the screen is too narrow,
// centres an 800 x 600 window on a screen wider than 810 pixels, and resets the
// state file. True when the program goes on; false when it must end (its
// message has been shown).
bool StartupChecks(StartupContext &context);

// The 800 x 600 window centred on the screen (halves rounded to even).
QRect CentredWindowGeometry(const Screen &screen);

// The messages that end the start.
Message ScreenUnsuitableMessage();
Message DatabaseMissingMessage();
Message DatabaseUnreadableMessage();

} // namespace vorlane
