#pragma once

#include "core/surface/drawingsurface.h"

#include <QList>
#include <QString>

namespace vorlane {

// Measures text for a surface, in twips. Surfaces delegate TextWidth and
// TextHeight to one of these, so that the same surface type can measure with the
// real fonts or with the fixed test metrics.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual double width(const FontSpec &font, const QString &text) const = 0;
    virtual double height(const FontSpec &font, const QString &text) const = 0;
};

// The fixed test metrics: width = 12 x size x code points, height = 24 x size,
// whatever the font name, bold or italic.
class TestMetrics final : public TextMeasurer {
public:
    double width(const FontSpec &font, const QString &text) const override
    {
        return 12.0 * font.size * double(text.toUcs4().size());
    }
    double height(const FontSpec &font, const QString &) const override { return 24.0 * font.size; }
};

} // namespace vorlane
