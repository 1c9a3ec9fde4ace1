#pragma once

#include "core/surface/rastersurface.h"

#include <QWidget>
#include <memory>

namespace vorlane {

// A picture area of a window: a widget that shows what was drawn on its raster
// surface (kept in an image, never redrawn from the page body) and follows the
// surface's Width and Height.
class SurfaceView final : public QWidget {
    Q_OBJECT
public:
    SurfaceView(const QString &name, double widthPx, double heightPx, QWidget *parent);

    RasterSurface &surface() { return *m_surface; }
    const RasterSurface &surface() const { return *m_surface; }

    // The widget size for the surface size: fractions rounded up, so that
    // nothing drawn is cut, and the height held to what the image can keep.
    static QSize widgetSize(double widthPx, double heightPx);

    // A border of one pixel around the area (VIDEO gives the illustration one).
    void setBordered(bool bordered);
    bool bordered() const { return m_bordered; }

    // An area on which nothing was drawn since it was cleared lets the window
    // show through instead of a white rectangle (the illustration area of a
    // page without illustration).
    void setSeeThroughWhenBlank(bool on);
    bool isBlank() const { return m_blank; }

signals:
    // The surface was resized by what was drawn (Width or Height changed).
    void surfaceResized();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::unique_ptr<RasterSurface> m_surface;
    bool m_bordered = false;
    bool m_seeThrough = false;
    bool m_blank = true;
};

} // namespace vorlane
