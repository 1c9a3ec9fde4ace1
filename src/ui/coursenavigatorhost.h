#pragma once

#include "core/course/navigator.h"

namespace vorlane {

class MainWindow;

// The course window's side of the dispatcher: the pointer, the way back to a
// test, and the windows that target codes open.
class CourseNavigatorHost final : public NavigatorHost {
public:
    explicit CourseNavigatorHost(MainWindow &window) : m_window(window) {}

    void setBusyPointer(bool busy) override;
    void runTestWindow() override;
    void setTestRecallVisible(bool visible) override;
    void showOrderForm(int form) override;

private:
    MainWindow &m_window;
};

} // namespace vorlane
