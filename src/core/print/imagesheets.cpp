#include "core/print/imagesheets.h"

#include "core/surface/paintersurface.h"

#include <cmath>

namespace vorlane {

ImageSheets::ImageSheets(const QPageLayout &layout, double dotsPerInch)
    : m_layout(layout), m_dpi(dotsPerInch >= 10 ? dotsPerInch : 96)
{
}

ImageSheets::~ImageSheets()
{
    endDocument();
}

PainterSurface *ImageSheets::newSheet(SheetOrientation orientation)
{
    finishSheet();
    QPageLayout layout = m_layout;
    layout.setOrientation(orientation == SheetOrientation::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
    const double scale = m_dpi / 72.0; // points to pixels
    const QRectF full = layout.fullRectPoints();
    const QRectF paint = layout.paintRectPoints();
    const QSize fullPx(int(std::lround(full.width() * scale)), int(std::lround(full.height() * scale)));
    const QSize areaPx(int(std::lround(paint.width() * scale)), int(std::lround(paint.height() * scale)));
    if (fullPx.isEmpty() || areaPx.isEmpty())
        return nullptr;
    QImage paper(fullPx, QImage::Format_RGB32);
    paper.fill(Qt::white);
    m_sheets.push_back(paper);
    m_areaOrigin = QPoint(int(std::lround(paint.left() * scale)), int(std::lround(paint.top() * scale)));
    m_area = QImage(areaPx, QImage::Format_RGB32);
    m_area.fill(Qt::white);
    m_painter = std::make_unique<QPainter>(&m_area);
    m_surface = std::make_unique<PainterSurface>(m_painter.get(), m_dpi / 1440.0, QStringLiteral("printer"));
    return m_surface.get();
}

void ImageSheets::finishSheet()
{
    if (!m_painter)
        return;
    m_surface.reset();
    m_painter->end();
    m_painter.reset();
    QPainter paper(&m_sheets.back());
    paper.drawImage(m_areaOrigin, m_area);
    m_area = QImage();
}

bool ImageSheets::endDocument()
{
    finishSheet();
    return true;
}

} // namespace vorlane
