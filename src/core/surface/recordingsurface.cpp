#include "core/surface/recordingsurface.h"

#include <cmath>

namespace vorlane {

RecordingSurface::RecordingSurface(QString name, TraceLog &log, std::shared_ptr<const TextMeasurer> measurer,
                                   double widthPx, double heightPx)
    : m_name(std::move(name)), m_log(log), m_measurer(std::move(measurer)), m_widthPx(widthPx),
      m_heightPx(heightPx)
{
    if (!m_measurer)
        m_measurer = std::make_shared<TestMetrics>();
}

void RecordingSurface::print(const QString &text)
{
    if (text.isEmpty())
        return;
    m_log.add("print", {{"s", m_name},
                        {"x", m_currentX},
                        {"y", m_currentY},
                        {"text", text},
                        {"font", m_font.name},
                        {"size", m_font.size},
                        {"bold", m_font.bold},
                        {"italic", m_font.italic},
                        {"underline", m_font.underline},
                        {"color", m_foreColor}});
    m_currentX += textWidth(text);
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, const QColor &colour, LineStyle style)
{
    const char *styleName = style == LineStyle::Line ? "line" : style == LineStyle::Box ? "box" : "fill";
    m_log.add("line", {{"s", m_name},
                       {"x1", x1},
                       {"y1", y1},
                       {"x2", x2},
                       {"y2", y2},
                       {"color", colour},
                       {"width", double(m_drawWidth)},
                       {"mode", double(m_drawMode)},
                       {"style", QString::fromLatin1(styleName)}});
    m_currentX = x2;
    m_currentY = y2;
}

void RecordingSurface::circle(double x, double y, double r, const QColor &colour, std::optional<double> start,
                              std::optional<double> end)
{
    m_log.add("circle", {{"s", m_name},
                         {"x", x},
                         {"y", y},
                         {"r", r},
                         {"start", start.value_or(0.0)},
                         {"end", end.value_or(2 * M_PI)},
                         {"color", colour},
                         {"width", double(m_drawWidth)}});
    m_currentX = x;
    m_currentY = y;
}

void RecordingSurface::pset(double x, double y, const QColor &colour)
{
    m_log.add("pset", {{"s", m_name}, {"x", x}, {"y", y}, {"color", colour}, {"width", double(m_drawWidth)}});
    m_currentX = x;
    m_currentY = y;
}

void RecordingSurface::paintPicture(const Picture &picture, double x, double y, std::optional<double> w,
                                    std::optional<double> h)
{
    if (picture.image.isNull())
        return;
    const double dw = w.value_or(15.0 * picture.image.width());
    const double dh = h.value_or(15.0 * picture.image.height());
    m_log.add("picture", {{"s", m_name}, {"x", x}, {"y", y}, {"w", dw}, {"h", dh}, {"file", picture.file}});
}

void RecordingSurface::clear()
{
    m_log.add("clear", {{"s", m_name}});
    m_currentX = 0;
    m_currentY = 0;
}

void RecordingSurface::refresh()
{
    m_log.add("refresh", {{"s", m_name}});
}

bool RecordingSurface::setHeight(double px)
{
    if (!setHeightQuietly(px))
        return false;
    m_log.add("height", {{"s", m_name}, {"px", px}});
    return true;
}

bool RecordingSurface::setWidth(double px)
{
    if (!setWidthQuietly(px))
        return false;
    m_log.add("width", {{"s", m_name}, {"px", px}});
    return true;
}

bool RecordingSurface::setHeightQuietly(double px)
{
    if (!(px >= 0) || !std::isfinite(px))
        return false;
    m_heightPx = px;
    return true;
}

bool RecordingSurface::setWidthQuietly(double px)
{
    if (!(px >= 0) || !std::isfinite(px))
        return false;
    m_widthPx = px;
    return true;
}

} // namespace vorlane
