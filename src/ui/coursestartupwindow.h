#pragma once

#include "core/app/startupchecks.h"

namespace vorlane {

class MainWindow;

// The course window's side of the start-up checks.
class CourseStartupWindow final : public StartupWindow {
public:
    explicit CourseStartupWindow(MainWindow &window) : m_window(window) {}

    void copyLinkPointers() override;
    void setWindowWidth(int pixels) override;
    void processEvents() override;
    bool showScreenAlert() override;
    void showNormalAt(const QRect &geometry) override;

private:
    MainWindow &m_window;
};

} // namespace vorlane
