#pragma once

// Fakes of the platform interfaces for tests: scripted answers, and a record of
// every call the code under test made.

#include "core/platform/desktop.h"
#include "core/platform/files.h"
#include "core/platform/processes.h"
#include "core/platform/prompts.h"
#include "core/platform/screen.h"
#include "core/platform/topwindows.h"
#include "core/platform/volumes.h"

#include <QList>
#include <QSet>
#include <QStringList>
#include <deque>
#include <functional>

namespace vorlane::testing {

// Message boxes: every message asked is kept; answers come from a script, else
// the default answer of the button set (Ok, Cancel, No, Cancel).
class FakePrompts final : public Prompts {
public:
    MessageAnswer ask(const Message &message) override;

    QList<Message> asked;
    std::deque<MessageAnswer> answers;
    // Called before each answer is taken (a test can insert a disc there).
    std::function<void(const Message &)> onAsk;
};

// A screen of the given width and height in pixels, 15 twips per pixel.
class FakeScreen final : public Screen {
public:
    explicit FakeScreen(double widthPx = 1024, double heightPx = 768) : widthPx(widthPx), heightPx(heightPx)
    {
    }
    double widthTwips() const override { return widthPx * twipsPerPixel; }
    double heightTwips() const override { return heightPx * twipsPerPixel; }
    double twipsPerPixelX() const override { return twipsPerPixel; }
    double twipsPerPixelY() const override { return twipsPerPixel; }

    double widthPx;
    double heightPx;
    double twipsPerPixel = 15;
};

class FakeVolumes final : public Volumes {
public:
    QStringList roots() const override { return volumeRoots; }
    QStringList volumeRoots;
};

// A file system of listed paths. resolve() matches a whole path exactly, else
// ignoring case (first in sorted order); every query is kept.
class FakeFiles final : public Files {
public:
    std::optional<QString> resolve(const QString &path) const override;
    bool remove(const QString &path) override;
    QDateTime creationTime(const QString &path) const override;

    QStringList paths;
    mutable QStringList queries;
    QStringList removed;
};

class FakeProcesses final : public Processes {
public:
    struct Start {
        QString program;
        QStringList arguments;
        WindowShow show;
    };
    TaskId start(const QString &program, const QStringList &arguments, WindowShow show) override;
    bool bringToFront(TaskId task) override;

    QList<Start> starts;
    QList<TaskId> broughtToFront;
    TaskId nextTask = 1001; // 0: starting fails
};

class FakeTopWindows final : public TopWindows {
public:
    QList<TopWindow> list() const override { return windows; }
    bool postQuit(quint64 window) override
    {
        quitPosted.append(window);
        return true;
    }
    QList<TopWindow> windows;
    QList<quint64> quitPosted;
};

class FakeDesktop final : public Desktop {
public:
    bool openHelp(const QString &path) override
    {
        helpOpened.append(path);
        return helpViewer;
    }
    bool openAddress(const QString &address) override
    {
        addressesOpened.append(address);
        return browser;
    }
    bool openDisplaySettings() override
    {
        ++displaySettingsOpened;
        return true;
    }
    void beep() override { ++beeps; }

    QStringList helpOpened;
    QStringList addressesOpened;
    bool helpViewer = true; // false: no viewer takes a help file
    bool browser = true;    // false: no browser takes an address
    int displaySettingsOpened = 0;
    int beeps = 0;
};

} // namespace vorlane::testing
