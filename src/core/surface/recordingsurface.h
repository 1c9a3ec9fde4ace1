#pragma once

#include "core/surface/drawingsurface.h"
#include "core/surface/textmeasurer.h"
#include "core/surface/tracelog.h"

#include <memory>

namespace vorlane {

// A surface that draws nothing and logs every operation to a TraceLog (one JSON
// record per operation, see the trace format). It measures text with the
// measurer it is given: TestMetrics for exact, font-independent coordinates, or
// the real fonts. Steps that fail (a negative Height, the empty text) write
// nothing.
class RecordingSurface final : public DrawingSurface {
public:
    RecordingSurface(QString name, TraceLog &log, std::shared_ptr<const TextMeasurer> measurer,
                     double widthPx, double heightPx);

    QString name() const override { return m_name; }

    void print(const QString &text) override;
    double textWidth(const QString &text) const override { return m_measurer->width(m_font, text); }
    double textHeight(const QString &text) const override { return m_measurer->height(m_font, text); }

    void line(double x1, double y1, double x2, double y2, const QColor &colour, LineStyle style) override;
    void circle(double x, double y, double r, const QColor &colour, std::optional<double> start,
                std::optional<double> end) override;
    void pset(double x, double y, const QColor &colour) override;
    void paintPicture(const Picture &picture, double x, double y, std::optional<double> w,
                      std::optional<double> h) override;
    void clear() override;
    void refresh() override;

    double scaleWidth() const override { return 15.0 * m_widthPx; }
    double height() const override { return m_heightPx; }
    double width() const override { return m_widthPx; }
    bool setHeight(double px) override;
    bool setWidth(double px) override;
    // The same without a record: the area is resized by its window (LARGEUR),
    // not drawn on by the renderer.
    bool setHeightQuietly(double px);
    bool setWidthQuietly(double px);

private:
    QString m_name;
    TraceLog &m_log;
    std::shared_ptr<const TextMeasurer> m_measurer;
    double m_widthPx;
    double m_heightPx;
};

} // namespace vorlane
