#pragma once

#include "core/print/printersheets.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;

namespace vorlane {

class PainterSurface;

// The sheets of a paged paint device: a QPdfWriter, or a QPrinter (a real
// printer or a print preview's). The painter begins on the device with the first
// sheet, so a run that prints nothing leaves the device untouched (a PDF writer
// writes no file).
class PagedDeviceSheets final : public PrinterSheets {
public:
    // The device must outlive these sheets.
    explicit PagedDeviceSheets(QPagedPaintDevice &device);
    ~PagedDeviceSheets() override;

    PainterSurface *newSheet(SheetOrientation orientation) override;
    bool endDocument() override;

    // Sheets begun so far.
    int sheetCount() const { return m_sheets; }

private:
    QPagedPaintDevice &m_device;
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
    int m_sheets = 0;
    bool m_ended = false;
};

} // namespace vorlane
