#pragma once

#include "core/render/renderhost.h"
#include "core/render/renderstate.h"
#include "core/surface/drawingsurface.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <utility>
#include <vector>

namespace vorlane {

// The page text driver: draws a page body written in the line markup on a
// drawing surface, immediately, line by line. There is no document model: only
// the surface's current position, font and colour, and the LayoutState of the
// shared RenderState, which persists from line to line and from body to body.
//
// Body format: lines end with CR LF, and only lines that end so are drawn (text
// after the last CR LF is ignored). A line that begins with "##" is a command
// (ExecuteMarkupLine); any other line is a text run, which ends the output line
// when it ends with the pilcrow U+00B6 (not drawn) and otherwise leaves the
// position just after its text. Nothing wraps.
//
// Every step runs "with errors ignored": a value that does not fit its field,
// a control or surface the host does not have, a font that cannot be set, is
// skipped and drawing goes on with the next step. No input makes it fail.
class PageRenderer {
public:
    PageRenderer(RenderState &state, RenderHost &host);

    // The surface the next body is drawn on (the caller selects it, as the
    // OBJ command does inside a body). nullptr: nothing is drawn.
    void setSurface(DrawingSurface *surface) { m_surface = surface; }
    DrawingSurface *currentSurface() const { return m_surface; }

    // Draws the whole body on the current surface: ResetLayout, every complete
    // line, then (unless printing) pageHeight = CurrentY in whole twips and the
    // surface's Height fitted to CurrentY; printing leaves pageHeight 0.
    void RenderPageText(QStringView body);
    // Carries out one command line, given with its "##": the command text is
    // offered to every test of the command table, in order, and each test that
    // matches acts.
    void ExecuteMarkupLine(QStringView line);
    // Puts the surface (font, colour, position, pen) and the LayoutState to
    // their start values; a body starts below pageHeight when it is not 0.
    void ResetLayout();

    // ---- For the command families ------------------------------------------

    DrawingSurface &surface() { return *m_surface; }
    LayoutState &layout() { return m_state.layout; }
    RenderState &state() { return m_state; }
    RenderHost &host() { return m_host; }
    bool printMode() const { return m_state.printMode; }

    // CurrentX / CurrentY are single precision: a value that is not a finite
    // single is an overflow, and the assignment is skipped.
    void setX(double x);
    void setY(double y);
    void moveTo(double x, double y)
    {
        setX(x);
        setY(y);
    }
    // Surface drawing with the same guard: a step with a coordinate that is
    // not a finite single is skipped (nothing drawn, position kept).
    void line(double x1, double y1, double x2, double y2, const QColor &colour,
              LineStyle style = LineStyle::Line);
    void circle(double x, double y, double r, const QColor &colour, double start, double end);
    void pset(double x, double y, const QColor &colour);
    // Sets the font size; a size that is not a finite single above 0 is skipped.
    void setFontSize(double points);
    // The host's data picture of that bare file name, remembered until the layout
    // starts again: a body that names a few pictures thousands of times looks
    // each file up once.
    std::optional<Picture> dataPicture(const QString &bareName);

    // Draws a text run (the run without its final pilcrow): alignment, the
    // pending lineShift, the relief shadow, the text; endsLine moves to the
    // start of the next output line.
    void drawTextRun(const QString &text, bool endsLine);

    // nearest(v): v to the nearest whole number, halves to the even one.
    static double nearest(double v);
    // A finite single-precision value.
    static bool fitsSingle(double v);

private:
    // Marks the words of the state's highlight in a text run about to be drawn
    // at the current position.
    void markWords(const QString &text);

    RenderState &m_state;
    RenderHost &m_host;
    DrawingSurface *m_surface = nullptr;
    // The last pictures looked up in this body, most recent last; a few only, so
    // that a body naming many pictures does not hold them all.
    static constexpr std::size_t kRememberedPictures = 8;
    std::vector<std::pair<QString, std::optional<Picture>>> m_pictures;
};

} // namespace vorlane
