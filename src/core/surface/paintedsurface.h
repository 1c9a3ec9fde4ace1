#pragma once

#include "core/surface/drawingsurface.h"
#include "core/surface/fontmeasurer.h"
#include "core/surface/shapedruns.h"
#include "core/surface/textmeasurer.h"

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <memory>
#include <vector>

class QPainter;

namespace vorlane {

// The drawing of the real surfaces, through a QPainter whose user coordinates are
// logical pixels (15 twips). RasterSurface and PainterSurface supply the painter.
//
// Pixel rules (in logical pixels):
// - A twip coordinate v falls in the pixel cell round(v / 15) (halves up).
// - Horizontal and vertical lines, box outlines, filled boxes and one-pixel dots
//   cover whole cells, both ends included, without antialiasing: a line of
//   DrawWidth 1 is exactly one pixel (two device pixels at ratio 2). Wider pens
//   are centred on the cell (the extra pixel of an even width goes up/left).
// - Slanted lines, arcs and dots wider than one pixel run through cell centres and
//   are antialiased in DrawMode 13; text is always antialiased and always drawn
//   with its colour (DrawMode does not apply to text).
// - DrawMode 9 ANDs the pen with the pixels. The raster engine does it
//   (RasterOp_SourceAndDestination, without antialiasing). Other engines (PDF,
//   printer) have no raster operations: there a box (filled or not), a straight
//   line or a one-pixel dot in mode 9 is painted, then what was drawn under it is
//   drawn again inside it with its colour ANDed with the box's, so text stays
//   readable through a row fill, as on screen. Slanted lines, arcs and wider
//   dots in mode 9 are drawn plainly there.
// - Text in "Symbol", "Wingdings" and "MT Extra" is drawn as FontMapper maps it;
//   an arrow extender (Symbol 0xBE) is drawn as the shaft of the font's right
//   arrow, so that extender and arrow make one unbroken long arrow.
// - Coordinates far outside the surface are clipped; values that are not finite
//   are ignored (nothing drawn, position kept).
class PaintedSurface : public DrawingSurface {
public:
    ~PaintedSurface() override;

    QString name() const override { return m_name; }

    void print(const QString &text) override;
    double textWidth(const QString &text) const override;
    double textHeight(const QString &text) const override;

    void line(double x1, double y1, double x2, double y2, const QColor &colour,
              LineStyle style = LineStyle::Line) override;
    void circle(double x, double y, double r, const QColor &colour,
                std::optional<double> start = std::nullopt,
                std::optional<double> end = std::nullopt) override;
    void pset(double x, double y, const QColor &colour) override;
    void paintPicture(const Picture &picture, double x, double y, std::optional<double> w = std::nullopt,
                      std::optional<double> h = std::nullopt) override;

    // The measurer that TextWidth and TextHeight use.
    const TextMeasurer &measurer() const { return *m_measurer; }
    // The runs of text shaped since the surface was last cleared: a run measured
    // with the real fonts is drawn from the same layout.
    const ShapedRuns &shapedRuns() const { return m_runs; }

protected:
    // measurer: null means a FontMeasurer of the surface's own.
    PaintedSurface(QString name, std::shared_ptr<const TextMeasurer> measurer);

    // A painter in logical pixels, ready to draw, or null when there is nowhere to
    // draw; every beginPaint that returns a painter is followed by one endPaint.
    virtual QPainter *beginPaint() = 0;
    virtual void endPaint() = 0;
    // The area drawing can reach, in logical pixels.
    virtual QRectF paintArea() const = 0;
    // Pen thickness in logical pixels for a DrawWidth.
    virtual double penPixels(int drawWidth) const = 0;

    // Paints the whole reachable area white and forgets what was drawn.
    void fillWhite();
    // Forgets what was drawn (a new sheet), and the runs shaped for it.
    void forgetDrawn();

private:
    struct Shape;
    void paintShape(QPainter &p, const Shape &shape, const QColor &colour, bool rasterAnd) const;
    void draw(Shape shape, bool andMode);
    void remember(const Shape &shape);
    void layoutText(Shape &shape, const QString &drawn, const std::optional<QGlyphRun> &glyphs, double x,
                    double baseline) const;
    const ShapedRun &shaped(const QString &drawn) const;
    void lineCells(double x1, double y1, double x2, double y2, const QColor &colour, LineStyle style);

    QString m_name;
    std::shared_ptr<const TextMeasurer> m_measurer;
    FontMeasurer m_fonts;                        // the fonts text is drawn with
    bool m_realFonts = false;                    // m_measurer measures with m_fonts' fonts
    mutable ShapedRuns m_runs;                   // the runs of the current page
    mutable FontSpec m_runsFont;                 // the font of m_runsKey
    mutable QString m_runsKey;                   // FontMeasurer::fontKey(m_runsFont)
    std::vector<std::shared_ptr<Shape>> m_drawn; // kept where AND must be emulated
};

} // namespace vorlane
