#pragma once

#include "core/print/printersheets.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <memory>
#include <vector>

namespace vorlane {

class PainterSurface;

// The sheets of a run drawn into pictures, one per sheet, each with the paper's
// size and orientation of its own (a print preview: Qt's preview shows every
// page of a document with one paper size, so a run that mixes portrait and
// landscape sheets is drawn here instead). Each sheet's printable area is that
// of `layout` turned to the sheet's orientation; the margins stay white.
class ImageSheets final : public PrinterSheets {
public:
    // dotsPerInch: resolution of the pictures (a value below 10 is taken as 96).
    ImageSheets(const QPageLayout &layout, double dotsPerInch);
    ~ImageSheets() override;

    PainterSurface *newSheet(SheetOrientation orientation) override;
    bool endDocument() override;

    // The sheets drawn so far (the sheet in progress is complete once the next
    // sheet begins or the document ends).
    const std::vector<QImage> &sheets() const { return m_sheets; }

private:
    void finishSheet();

    QPageLayout m_layout;
    double m_dpi;
    std::vector<QImage> m_sheets;
    QImage m_area; // printable area of the sheet in progress
    QPoint m_areaOrigin;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterSurface> m_surface;
};

} // namespace vorlane
