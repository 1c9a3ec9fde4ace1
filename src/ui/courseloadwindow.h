#pragma once

#include "core/app/courseload.h"

namespace vorlane {

class MainWindow;

// The course window's side of the load sequence: the cover with the progress
// strip under it, the title bands, the page index, the first page and the page
// area.
class CourseLoadWindow final : public CourseLoadSteps {
public:
    explicit CourseLoadWindow(MainWindow &window) : m_window(window) {}

    void showCover() override;
    void paintTitleBands(int style) override;
    void loadPageIndex() override;
    void navigate(const QString &code) override;
    void showPageArea() override;

private:
    MainWindow &m_window;
};

} // namespace vorlane
