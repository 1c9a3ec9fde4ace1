#pragma once

#include "core/course/pagedisplay.h"
#include "ui/toolicons.h"

#include <QString>
#include <optional>

namespace vorlane {

class MainWindow;

// The course window's side of page display: the bound fields, the page area,
// the links and the buttons that page display sets.
class CoursePageView final : public PageView {
public:
    explicit CoursePageView(MainWindow &window) : m_window(window) {}

    // Command2's Tag: the table of contents of the page on display.
    const QString &contentsTag() const { return m_contentsTag; }

    void showRecord(const PageRecord &record) override;
    // Writes the page record into the bound fields, once they are made.
    void showBoundFields();
    void setIllustrationVisible(bool visible) override;
    void setBodyVisible(bool visible) override;
    void clearLinks() override;
    void setScrollBarVisible(bool visible) override;
    void resetDrawing() override;
    void setCaption(const QString &caption) override;
    void setBackEnabled(bool enabled) override;
    void setForwardEnabled(bool enabled) override;
    void renderBody(const QString &body) override;
    PageAreaInputs pageAreaInputs() const override;
    void applyPageArea(const PageAreaLayout &layout) override;
    void setChapterButtons(bool previousVisible, bool nextVisible) override;
    void setPrintEnabled(bool enabled) override;
    void setContentsButton(const QString &tag, const QString &caption) override;

private:
    MainWindow &m_window;
    QString m_contentsTag;
    PageRecord m_record; // of the page on display
    // The glyph the contents button shows: its icon is drawn again only when it changes.
    std::optional<ToolIcons::Glyph> m_contentsGlyph;
};

} // namespace vorlane
