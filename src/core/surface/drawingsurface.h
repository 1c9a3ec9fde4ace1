#pragma once

#include "core/surface/twips.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <optional>

namespace vorlane {

// How Line draws: a straight line, the outline of a box, or a filled box.
enum class LineStyle { Line, Box, Fill };

// Raster operations of the pen.
enum DrawModes : int {
    DrawModeAnd = 9,      // the pen is ANDed with the pixels (text stays visible under a fill)
    DrawModeCopyPen = 13, // the pen replaces the pixels
};

// A picture to paint: its pixels and the base name of its file (for traces).
struct Picture {
    QImage image;
    QString file;
};

// The current font of a surface.
struct FontSpec {
    QString name = QStringLiteral("Arial");
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A picture area of a window (body, title band, illustration, test area), the
// printer, a PDF or an image: everything the renderer draws on. Coordinates are
// twips (1/1440 inch, 15 per logical pixel), origin top left, y downwards.
// Every operation is total: a value that cannot be applied is ignored and the
// state is kept, so the renderer can run "with errors ignored".
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Control name of the surface ("PictureTEXTE", "titre", "bastitre",
    // "PICTUREILLUS", "Picture2", "printer"): traces and the renderer's host use it.
    virtual QString name() const = 0;

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // Draws text with the top left of its cell at the current position in the
    // current font and colour, background untouched; CurrentX advances by
    // TextWidth(text). The empty text draws nothing.
    virtual void print(const QString &text) = 0;
    // Print with no text: CurrentX 0, CurrentY + one line height.
    virtual void newLine();

    // Width and height in twips of text in the current font, as it is drawn
    // (text in "Symbol", "Wingdings" and "MT Extra" is measured after mapping).
    virtual double textWidth(const QString &text) const = 0;
    virtual double textHeight(const QString &text) const = 0;

    const FontSpec &font() const { return m_font; }
    // The empty name, or a name that cannot be set, is ignored.
    virtual void setFontName(const QString &name);
    // A size of 0 or less is ignored.
    virtual void setFontSize(double points);
    virtual void setBold(bool on) { m_font.bold = on; }
    virtual void setItalic(bool on) { m_font.italic = on; }
    virtual void setUnderline(bool on) { m_font.underline = on; }

    QColor foreColor() const { return m_foreColor; }
    virtual void setForeColor(const QColor &c) { m_foreColor = c; }

    int drawWidth() const { return m_drawWidth; }
    virtual void setDrawWidth(int pixels)
    {
        if (pixels >= 1)
            m_drawWidth = pixels;
    }
    int drawMode() const { return m_drawMode; }
    virtual void setDrawMode(int mode)
    {
        if (mode >= 1 && mode <= 16)
            m_drawMode = mode;
    }

    // Line from (x1,y1) to (x2,y2), or the box they span; afterwards the current
    // position is (x2,y2).
    virtual void line(double x1, double y1, double x2, double y2, const QColor &colour,
                      LineStyle style = LineStyle::Line) = 0;
    // Arc of centre (x,y) and radius r from angle start to end (radians,
    // counter-clockwise from the positive x axis); without angles, the whole
    // circle. Afterwards the current position is (x,y).
    virtual void circle(double x, double y, double r, const QColor &colour,
                        std::optional<double> start = std::nullopt,
                        std::optional<double> end = std::nullopt) = 0;
    // One dot of the pen width; afterwards the current position is (x,y).
    virtual void pset(double x, double y, const QColor &colour) = 0;
    // Picture with its top left at (x,y), at natural size (its pixels x 15) or
    // stretched to w x h twips. The current position does not move.
    virtual void paintPicture(const Picture &picture, double x, double y,
                              std::optional<double> w = std::nullopt,
                              std::optional<double> h = std::nullopt) = 0;

    // A pale yellow mark over the box (x, y, w, h) in twips, for words found by
    // a search; drawn before the text it goes behind. Only surfaces shown on
    // screen draw it: the printer, PDFs and recording surfaces ignore it (it is
    // never printed and never in a trace). The current position does not move.
    virtual void markBehind(double x, double y, double w, double h)
    {
        Q_UNUSED(x);
        Q_UNUSED(y);
        Q_UNUSED(w);
        Q_UNUSED(h);
    }

    // Clears what was drawn; the current position returns to (0,0).
    virtual void clear() = 0;
    // Makes what was drawn so far visible.
    virtual void refresh() = 0;

    // Inner width in twips (15 x Width for screen surfaces).
    virtual double scaleWidth() const = 0;
    // Twips per device pixel vertically: 15 on the screen, the device's own on
    // a printer or in a PDF (where DrawWidth counts device pixels).
    virtual double twipsPerPixelY() const { return kTwipsPerPixel; }
    // Outer size in pixels of the container (fraction kept). Setting a negative
    // value fails: false, value kept.
    virtual double height() const = 0;
    virtual double width() const = 0;
    virtual bool setHeight(double px) = 0;
    virtual bool setWidth(double px) = 0;

    // A number that changes whenever what the surface shows (its pixels or its
    // size) may have changed; none for a surface where every operation counts
    // (a trace keeps each one).
    virtual std::optional<quint64> revision() const { return std::nullopt; }
    // For a caller that paints the whole surface over: it notes its paint (a key
    // of its own, such as a style) once done, and may skip a later paint with the
    // same key while the surface has not changed since, for it would change no
    // pixel.
    void noteWholePaint(int key) { m_wholePaint = {key, revision()}; }
    bool unchangedSinceWholePaint(int key) const
    {
        const std::optional<quint64> now = revision();
        return now && m_wholePaint.revision == now && m_wholePaint.key == key;
    }

protected:
    FontSpec m_font;
    QColor m_foreColor = Qt::black;
    double m_currentX = 0;
    double m_currentY = 0;
    int m_drawWidth = 1;
    int m_drawMode = DrawModeCopyPen;

private:
    struct WholePaint {
        int key = 0;
        std::optional<quint64> revision;
    };
    WholePaint m_wholePaint;
};

} // namespace vorlane
