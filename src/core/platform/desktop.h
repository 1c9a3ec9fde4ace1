#pragma once

#include <QString>

namespace vorlane {

// The rest of the desktop that the windows reach: the help viewer, the web
// browser, the display settings and the beep.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Opens a help file in the desktop's viewer for its type. False when no
    // viewer took it.
    virtual bool openHelp(const QString &path) = 0;
    // Opens a web address in the desktop's browser. False when no browser
    // took it.
    virtual bool openAddress(const QString &address) = 0;
    // Starts the desktop's display settings. False when none is installed.
    virtual bool openDisplaySettings() = 0;
    virtual void beep() = 0;
};

// A desktop that does nothing (the command-line tool).
class SilentDesktop final : public Desktop {
public:
    bool openHelp(const QString &) override { return false; }
    bool openAddress(const QString &) override { return false; }
    bool openDisplaySettings() override { return false; }
    void beep() override {}
};

} // namespace vorlane
