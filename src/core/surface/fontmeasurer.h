#pragma once

#include "core/surface/drawingsurface.h"
#include "core/surface/textmeasurer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>

namespace vorlane {

// Measures text with the installed fonts that FontMapper chooses, as it is drawn
// (symbol-font text after mapping), in twips: 15 twips per pixel at a logical
// 96 dpi.
//
// A point size becomes a whole pixel size, round(points x 96 / 72) with halves
// away from zero, as the platform the pages were written for sized its fonts:
// 10 pt -> 13 px, 12 pt -> 16 px, 14 pt -> 19 px, 8 pt -> 11 px (at least 1 px,
// at most 2880 px). Widths are the unhinted advances of QFontMetricsF (Arial
// 10 pt: "W" 12.27 px = 184 twips), heights ascent + descent (14.52 px = 218
// twips); the empty text is 0 wide and one line high. Underline changes nothing.
//
// Fonts and measured widths are cached per font; the caches are guarded, so one
// measurer may be shared by several surfaces.
class FontMeasurer final : public TextMeasurer {
public:
    FontMeasurer();
    ~FontMeasurer() override;

    double width(const FontSpec &font, const QString &text) const override;
    double height(const FontSpec &font, const QString &text) const override;

    // The pixel size of a point size (see above).
    static int pixelSize(double points);
    // The font to draw a FontSpec with, sized in logical pixels, hinted only
    // vertically so that drawn advances are the measured ones.
    static QFont makeFont(const FontSpec &font);

    // The same font, from the cache.
    QFont font(const FontSpec &font) const;
    // A name for the font a FontSpec is drawn with, underline aside: equal names,
    // equal fonts.
    static QString fontKey(const FontSpec &font);
    // Ascent (top of the text cell to the baseline) in pixels.
    double ascentPixels(const FontSpec &font) const;
    // Advance in pixels of text that is already mapped (what is drawn).
    double drawnAdvancePixels(const FontSpec &font, const QString &drawn) const;

    // The shaft of the font's right arrow U+2192, in pixels: its top and bottom
    // relative to the baseline (negative above) and where its ink starts after
    // the glyph's origin. Long arrows are drawn by extending this shaft.
    struct ArrowShaft {
        double top = 0;
        double bottom = 0;
        double left = 0;
    };
    ArrowShaft arrowShaft(const FontSpec &font) const;

private:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, double> widths;
        std::optional<ArrowShaft> shaft;
    };
    Entry &entry(const FontSpec &font) const;

    mutable std::mutex m_mutex;
    mutable QHash<QString, std::shared_ptr<Entry>> m_entries;
    // The font asked for last: a page asks for the same font many times in a row.
    mutable FontSpec m_lastSpec;
    mutable Entry *m_last = nullptr;
};

} // namespace vorlane
