#pragma once

#include "core/surface/paintedsurface.h"
#include "core/surface/twips.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <limits>
#include <memory>

namespace vorlane {

// What changed on a raster surface, for the widget that shows it.
enum class SurfaceChange {
    Drawn,     // something was drawn
    Resized,   // Width or Height changed (the image was replaced)
    Cleared,   // the surface was cleared
    Refreshed, // Refresh: what was drawn so far should be on screen now
};

// A picture area: an off-screen image that keeps what was drawn, for a widget to
// show (it is never redrawn from the page body).
//
// Width and Height are logical pixels of the container, fractions kept;
// ScaleWidth = 15 x Width. The image holds Width x Height logical pixels at the
// device pixel ratio (2 on a high-density screen: text and lines stay sharp), white
// where nothing was drawn. The image is capped: at most kMaxWidth logical pixels
// wide, kMaxHeight high, and kMaxImageBytes in all (a narrower cap for very wide
// or dense images); a larger Height is kept as the surface's value, but the image
// stops at the cap and drawing below it is clipped. Setting a size keeps what was
// drawn in the part that remains; new parts are white. A negative or non-finite
// size fails: false, value kept.
//
// The widget shows image() (its devicePixelRatio is set) and learns of changes
// through changeCount() or the change callback, which is called after each
// change on the caller's thread; the callback must not draw on the surface.
class RasterSurface final : public PaintedSurface {
public:
    static constexpr double kMaxWidth = 16000;
    static constexpr double kMaxHeight = 32000;
    static constexpr qsizetype kMaxImageBytes = qsizetype(384) * 1024 * 1024;

    // measurer: how TextWidth and TextHeight measure (null: the real fonts).
    // A device pixel ratio that is not finite or not in 0.25..8 is taken as 1.
    RasterSurface(QString name, double widthPx, double heightPx, qreal devicePixelRatio = 1.0,
                  std::shared_ptr<const TextMeasurer> measurer = nullptr);
    ~RasterSurface() override;

    const QImage &image() const
    {
        realize();
        return m_image;
    }
    quint64 changeCount() const { return m_changes; }
    std::optional<quint64> revision() const override { return m_changes; }
    void setChangeCallback(std::function<void(SurfaceChange)> callback) { m_onChange = std::move(callback); }

    qreal devicePixelRatio() const { return m_dpr; }
    // Rescales what was drawn to a new ratio (the window moved to another screen).
    void setDevicePixelRatio(qreal ratio);
    // Logical pixels of Height that the image really holds (Height up to the cap).
    double backedHeight() const;

    // The colour of the marks of markBehind.
    static QColor markColour() { return QColor(255, 241, 150); }

    void markBehind(double x, double y, double w, double h) override;
    void clear() override;
    void refresh() override;
    double scaleWidth() const override { return m_width * kTwipsPerPixel; }
    double height() const override { return m_height; }
    double width() const override { return m_width; }
    bool setHeight(double px) override;
    bool setWidth(double px) override;

protected:
    QPainter *beginPaint() override;
    void endPaint() override;
    QRectF paintArea() const override;
    double penPixels(int drawWidth) const override { return drawWidth; }

private:
    double backedWidth() const;
    // The most logical pixels of Height the image may hold at the current width.
    double heightCap() const;
    // The image follows a new size only when it is next drawn on or shown, so
    // that a body that changes the height many times in a row (PLOUF) copies the
    // image once, not at every change.
    void realize() const;
    void reallocate() const;
    void noteSize();
    void changed(SurfaceChange change);

    mutable QImage m_image;
    // The rows m_image is a view of (when it is one): rows beyond its height are
    // spare, so that a taller image within them needs neither new memory nor a
    // copy. Spare rows are never written until the image reaches them.
    QImage viewOfRows(int height) const;
    mutable std::shared_ptr<uchar> m_rows;
    mutable int m_rowsWidth = 0;    // pixels per row
    mutable int m_rowsCapacity = 0; // rows
    mutable bool m_resized = false; // the size changed since the image was made
    // The smallest size in device pixels set since then: what lies beyond it
    // turns white, as if each size had been applied at once.
    mutable int m_keptWidth = std::numeric_limits<int>::max();
    mutable int m_keptHeight = std::numeric_limits<int>::max();
    QPainter m_painter;
    double m_width = 0;
    double m_height = 0;
    qreal m_dpr = 1;
    quint64 m_changes = 0;
    std::function<void(SurfaceChange)> m_onChange;
};

} // namespace vorlane
