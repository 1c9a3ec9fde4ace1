#pragma once

#include "core/course/courserows.h"
#include "core/course/coursesession.h"
#include "core/course/pagerecord.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace vorlane {

// The scroll bar `VScroll1` of the page frame. The frame measures its children
// in pixels, so value, steps and range are pixels.
struct ScrollBarSetup {
    int value = 0;
    int smallChange = 10;
    std::optional<int> largeChange; // frame height - 15; nullopt when that is below 0
    bool visible = false;
    // Set only when the bar is shown: its range and its place inside the frame.
    int minimum = 0;
    std::optional<int> maximum;
    QRect geometry;
};

// Where page display puts the page area, in pixels of the window's inner area
// (the scroll bar and the body: inside the frame).
struct PageAreaLayout {
    QRect frame;                        // frame1s
    QPoint body;                        // PictureTEXTE inside frame1s: always (0, 0)
    ScrollBarSetup scrollBar;           // VScroll1
    std::optional<QPoint> illustration; // PICTUREILLUS, when its width is not 0
    std::optional<QPoint> videoFrame;   // label15, when it is visible beside a shown illustration
};

// What the layout is computed from (pixels).
struct PageAreaInputs {
    QRect titre;    // title band above the page
    QRect bastitre; // band below the page
    QSize body;     // PictureTEXTE after the body was drawn
    int scrollBarWidth = 0;
    int innerWidth = 0; // the window's inner width
    QSize illustration; // PICTUREILLUS
    bool illustrationUp = false;
    bool videoFrameVisible = false;
    QSize videoFrame; // label15
};

// The frame fills the height between the two bands and sits against the right
// edge, as wide as the body plus its scroll bar; the scroll bar shows exactly
// when the body is taller than the frame, with a maximum of the difference; the
// illustration is centred in the space left of the frame (at the frame's top
// with UP, else centred on it), and the video frame just below it.
PageAreaLayout ComputePageArea(const PageAreaInputs &in);

// The window side of page display: the controls of the main window that it
// hides, clears, sizes and places. Sizes and positions are pixels.
class PageView {
public:
    virtual ~PageView() = default;

    // The hidden bound controls show the record of the current row.
    virtual void showRecord(const PageRecord &record) { Q_UNUSED(record); }
    virtual void setIllustrationVisible(bool visible) = 0;
    virtual void setBodyVisible(bool visible) = 0;
    // Hides every Labelien and Imagelien element and clears its Tag (and an
    // image's tool tip): no link of the previous page stays clickable.
    virtual void clearLinks() = 0;
    virtual void setScrollBarVisible(bool visible) = 0;
    // The drawing state before a body: the body surface becomes PictureTEXTE,
    // print mode off, the video stops (media "Close", videoOpen false, label15
    // hidden), PICTUREILLUS loses its border, titre, PICTUREILLUS and
    // PictureTEXTE are cleared, pageHeight is 0 and PictureTEXTE is 1000
    // pixels high.
    virtual void resetDrawing() = 0;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setBackEnabled(bool enabled) = 0;
    virtual void setForwardEnabled(bool enabled) = 0;
    // Draws the page body on PictureTEXTE with the page renderer (links, title
    // band, illustration and floating menus included).
    virtual void renderBody(const QString &body) = 0;

    // The geometry after drawing (illustrationUp: the body said "UP").
    virtual PageAreaInputs pageAreaInputs() const = 0;
    virtual void applyPageArea(const PageAreaLayout &layout) = 0;

    virtual void setChapterButtons(bool previousVisible, bool nextVisible) = 0;
    virtual void setPrintEnabled(bool enabled) = 0;
    // Command2: its Tag (the page's table of contents) and caption.
    virtual void setContentsButton(const QString &tag, const QString &caption) = 0;
};

// Shows the page on which the course table's data control stands (the caller
// has moved it and set currentOrder): clears the previous page, records the
// page in the history, draws the body, lays out the page area and sets the
// buttons from the page record.
class PageDisplay {
public:
    PageDisplay(CourseSession &session, CourseRows &rows, PageView &view);

    void DisplayPage();

    // The caption of every page until its body sets its own.
    static QString productCaption() { return QStringLiteral("Vorlane - Dorvance"); }

private:
    CourseSession &m_session;
    CourseRows &m_rows;
    PageView &m_view;
};

} // namespace vorlane
