#include "core/surface/fontmeasurer.h"

#include "core/surface/fontmapper.h"

#include <cmath>

namespace vorlane {

namespace {
constexpr double kTwipsPerPixel = 15.0;
constexpr int kMaxPixelSize = 2880;
// A page measures a few hundred different runs; beyond this many the width cache
// of a font starts again rather than growing without bound.
constexpr qsizetype kMaxCachedWidths = 4096;

QString cacheKey(const FontSpec &font)
{
    return font.name.trimmed().toLower() + u'|' + QString::number(FontMeasurer::pixelSize(font.size)) + u'|'
           + (font.bold ? u'b' : u'-') + (font.italic ? u'i' : u'-');
}
} // namespace

FontMeasurer::FontMeasurer() = default;
FontMeasurer::~FontMeasurer() = default;

int FontMeasurer::pixelSize(double points)
{
    if (!std::isfinite(points) || points <= 0)
        return 1;
    const double px = std::floor(points * 96.0 / 72.0 + 0.5);
    if (px < 1)
        return 1;
    if (px > kMaxPixelSize)
        return kMaxPixelSize;
    return int(px);
}

QFont FontMeasurer::makeFont(const FontSpec &spec)
{
    QFont f;
    f.setFamilies(FontMapper::families(spec.name));
    f.setPixelSize(pixelSize(spec.size));
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    // Horizontal hinting would round advances to whole pixels and make drawn text
    // drift from what was measured.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setKerning(true);
    return f;
}

FontMeasurer::Entry &FontMeasurer::entry(const FontSpec &spec) const
{
    const QString key = cacheKey(spec);
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        FontSpec plain = spec;
        plain.underline = false;
        const QFont f = makeFont(plain);
        it = m_entries.insert(key, std::make_shared<Entry>(Entry{f, QFontMetricsF(f), {}}));
    }
    return **it;
}

double FontMeasurer::width(const FontSpec &spec, const QString &text) const
{
    if (text.isEmpty())
        return 0;
    std::lock_guard lock(m_mutex);
    Entry &e = entry(spec);
    auto cached = e.widths.constFind(text);
    if (cached != e.widths.constEnd())
        return *cached;
    const double w = e.metrics.horizontalAdvance(FontMapper::mapText(spec.name, text)) * kTwipsPerPixel;
    if (e.widths.size() >= kMaxCachedWidths)
        e.widths.clear();
    e.widths.insert(text, w);
    return w;
}

double FontMeasurer::height(const FontSpec &spec, const QString &) const
{
    std::lock_guard lock(m_mutex);
    return entry(spec).metrics.height() * kTwipsPerPixel;
}

QFont FontMeasurer::font(const FontSpec &spec) const
{
    std::lock_guard lock(m_mutex);
    QFont f = entry(spec).font;
    f.setUnderline(spec.underline);
    return f;
}

double FontMeasurer::ascentPixels(const FontSpec &spec) const
{
    std::lock_guard lock(m_mutex);
    return entry(spec).metrics.ascent();
}

} // namespace vorlane
