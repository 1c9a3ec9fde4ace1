#include "core/surface/fontmeasurer.h"

#include "core/surface/fontmapper.h"
#include "core/surface/twips.h"

#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {
constexpr int kMaxPixelSize = 2880;
// A page measures a few hundred different runs; beyond this many the width cache
// of a font starts again rather than growing without bound.
constexpr qsizetype kMaxCachedWidths = 4096;

} // namespace

QString FontMeasurer::fontKey(const FontSpec &font)
{
    return font.name.trimmed().toLower() + u'|' + QString::number(FontMeasurer::pixelSize(font.size)) + u'|' +
           (font.bold ? u'b' : u'-') + (font.italic ? u'i' : u'-');
}

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

QFont FontMeasurer::makeFont(const FontSpec &fontSpec)
{
    QFont f;
    f.setFamilies(FontMapper::families(fontSpec.name));
    f.setPixelSize(pixelSize(fontSpec.size));
    f.setBold(fontSpec.bold);
    f.setItalic(fontSpec.italic);
    f.setUnderline(fontSpec.underline);
    // Horizontal hinting would round advances to whole pixels and make drawn text
    // drift from what was measured.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setKerning(true);
    // Colour fringes would follow the pictures into prints and rescaled images.
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    return f;
}

FontMeasurer::Entry &FontMeasurer::entry(const FontSpec &fontSpec) const
{
    if (m_last && fontSpec.size == m_lastSpec.size && fontSpec.bold == m_lastSpec.bold &&
        fontSpec.italic == m_lastSpec.italic && fontSpec.name == m_lastSpec.name)
        return *m_last;
    const QString key = fontKey(fontSpec);
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        FontSpec plain = fontSpec;
        plain.underline = false;
        const QFont f = makeFont(plain);
        it = m_entries.insert(key, std::make_shared<Entry>(Entry{f, QFontMetricsF(f), {}, std::nullopt}));
    }
    m_lastSpec = fontSpec;
    m_last = it->get();
    return *m_last;
}

double FontMeasurer::width(const FontSpec &fontSpec, const QString &text) const
{
    if (text.isEmpty())
        return 0;
    std::lock_guard lock(m_mutex);
    Entry &e = entry(fontSpec);
    auto cached = e.widths.constFind(text);
    if (cached != e.widths.constEnd())
        return *cached;
    const double w = e.metrics.horizontalAdvance(FontMapper::mapText(fontSpec.name, text)) * kTwipsPerPixel;
    if (e.widths.size() >= kMaxCachedWidths)
        e.widths.clear();
    e.widths.insert(text, w);
    return w;
}

double FontMeasurer::height(const FontSpec &fontSpec, const QString &) const
{
    std::lock_guard lock(m_mutex);
    return entry(fontSpec).metrics.height() * kTwipsPerPixel;
}

QFont FontMeasurer::font(const FontSpec &fontSpec) const
{
    std::lock_guard lock(m_mutex);
    QFont f = entry(fontSpec).font;
    f.setUnderline(fontSpec.underline);
    return f;
}

double FontMeasurer::ascentPixels(const FontSpec &fontSpec) const
{
    std::lock_guard lock(m_mutex);
    return entry(fontSpec).metrics.ascent();
}

double FontMeasurer::drawnAdvancePixels(const FontSpec &fontSpec, const QString &drawn) const
{
    if (drawn.isEmpty())
        return 0;
    std::lock_guard lock(m_mutex);
    return entry(fontSpec).metrics.horizontalAdvance(drawn);
}

FontMeasurer::ArrowShaft FontMeasurer::arrowShaft(const FontSpec &fontSpec) const
{
    std::lock_guard lock(m_mutex);
    Entry &e = entry(fontSpec);
    if (e.shaft)
        return *e.shaft;
    // Without the glyph, a bar of the strike-out line's place and weight.
    const double lw = std::max(e.metrics.lineWidth(), 1.0);
    ArrowShaft shaft{-e.metrics.strikeOutPos() - lw / 2, -e.metrics.strikeOutPos() + lw / 2, 0};
    const QRawFont raw = QRawFont::fromFont(e.font);
    const QList<quint32> glyphs =
        raw.isValid() ? raw.glyphIndexesForString(QString(QChar(0x2192))) : QList<quint32>();
    if (!glyphs.isEmpty() && glyphs.first() != 0) {
        const QPainterPath path = raw.pathForGlyph(glyphs.first());
        const QRectF box = path.boundingRect();
        // The left quarter of an arrow is its shaft alone.
        QPainterPath strip;
        strip.addRect(QRectF(box.left(), box.top(), box.width() / 4, box.height()));
        const QRectF band = path.intersected(strip).boundingRect();
        if (band.height() > 0 && band.height() < box.height() / 2)
            shaft = {band.top(), band.bottom(), box.left()};
    }
    e.shaft = shaft;
    return shaft;
}

} // namespace vorlane
