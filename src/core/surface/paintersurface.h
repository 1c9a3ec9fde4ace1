#pragma once

#include "core/surface/paintedsurface.h"
#include "core/surface/twips.h"

class QPainter;

namespace vorlane {

// A surface over any active QPainter: a QPdfWriter or a printer (one sheet at a
// time), or an image. Drawing follows the same rules as on the screen (see
// PaintedSurface), scaled from twips to device units.
//
// Coordinates: device = (twips - ScaleLeft) x unitsPerTwip, on top of the
// painter's own transform (so x = ScaleLeft is the left edge of the device's paint
// area). ScaleWidth and ScaleHeight are the paint area in twips; Width and Height
// the same in pixels of 15 twips. The size of a sheet is the device's: setting
// Width or Height fails (false).
//
// DrawWidth counts device pixels, as on a printer: a device unit is one pixel, so a
// pen of DrawWidth n is n / unitsPerTwip twips wide (at 600 dpi, DrawWidth 3 is
// 7.2 twips). Text is drawn at the screen's pixel sizes scaled to the device, so
// a line of text has the same length in twips as on the screen.
//
// The surface does not own the painter; the painter must stay active while the
// surface draws. The text on a PDF stays text (it can be searched and copied).
class PainterSurface final : public PaintedSurface {
public:
    // unitsPerTwip: device units per twip (a QPdfWriter at resolution r: r / 1440);
    // a value that is not finite or not positive is taken as 1/15 (screen pixels).
    PainterSurface(QPainter *painter, double unitsPerTwip, QString name = QStringLiteral("printer"),
                   std::shared_ptr<const TextMeasurer> measurer = nullptr);
    ~PainterSurface() override;

    // Starts a new sheet on a paged device (printer, PDF) and puts the current
    // position at (0,0). False when the device has no pages or refuses.
    bool newPage();

    // The x value at the left edge of the paint area (0 at first).
    double scaleLeft() const { return m_scaleLeft; }
    void setScaleLeft(double twips);
    double scaleHeight() const;
    // Twips per device pixel: 1 / unitsPerTwip.
    double twipsPerPixel() const { return 1.0 / m_unitsPerTwip; }
    double twipsPerPixelY() const override { return twipsPerPixel(); }

    // Paints the paint area white.
    void clear() override;
    void refresh() override {}
    double scaleWidth() const override;
    double height() const override { return scaleHeight() / kTwipsPerPixel; }
    double width() const override { return scaleWidth() / kTwipsPerPixel; }
    bool setHeight(double) override { return false; }
    bool setWidth(double) override { return false; }

protected:
    QPainter *beginPaint() override;
    void endPaint() override;
    QRectF paintArea() const override;
    double penPixels(int drawWidth) const override;

private:
    QSizeF deviceSize() const; // in device units

    QPainter *m_painter = nullptr;
    double m_unitsPerTwip = 1.0 / kTwipsPerPixel;
    double m_scaleLeft = 0;
};

} // namespace vorlane
