#include "core/print/pageddevicesheets.h"

#include "core/surface/paintersurface.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

namespace vorlane {

PagedDeviceSheets::PagedDeviceSheets(QPagedPaintDevice &device) : m_device(device) {}

PagedDeviceSheets::~PagedDeviceSheets()
{
    endDocument();
}

PainterSurface *PagedDeviceSheets::newSheet(SheetOrientation orientation)
{
    if (m_ended)
        return nullptr;
    // The orientation must be set before the sheet begins: set afterwards, a PDF
    // page keeps the previous orientation and its content is clipped.
    m_device.setPageOrientation(orientation == SheetOrientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    if (m_sheets == 0) {
        if (!m_painter.begin(&m_device))
            return nullptr;
        const double dpi = m_device.logicalDpiX() > 0 ? m_device.logicalDpiX() : 1200;
        m_surface = std::make_unique<PainterSurface>(&m_painter, dpi / 1440.0, QStringLiteral("printer"));
    } else if (!m_surface || !m_surface->newPage()) {
        return nullptr;
    }
    ++m_sheets;
    m_surface->setScaleLeft(0);
    m_surface->setCurrentX(0);
    m_surface->setCurrentY(0);
    return m_surface.get();
}

bool PagedDeviceSheets::endDocument()
{
    if (m_ended)
        return true;
    m_ended = true;
    m_surface.reset();
    if (!m_painter.isActive())
        return true;
    return m_painter.end();
}

} // namespace vorlane
