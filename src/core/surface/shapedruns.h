#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QString>
#include <optional>

namespace vorlane {

// A run of text shaped once: what measuring and drawing it both need.
struct ShapedRun {
    // Advance in logical pixels, as QFontMetricsF::horizontalAdvance gives it.
    double advance = 0;
    // The glyphs at their places on the baseline from x = 0, when the run can be
    // drawn straight from them with the pixels QPainter::drawText gives: text
    // from one font, left to right, without control characters or soft hyphens.
    std::optional<QGlyphRun> glyphs;
};

// The runs shaped on one page, keyed by font and drawn text, so that a run that
// was measured is drawn from the same layout. Bounded: beyond kCapacity runs the
// cache starts again.
class ShapedRuns {
public:
    static constexpr qsizetype kCapacity = 2048;

    // The run of `drawn` in `font`; fontKey names the font (equal keys, equal
    // fonts). Shaped the first time it is asked for.
    const ShapedRun &run(const QString &fontKey, const QFont &font, const QString &drawn);
    void clear() { m_runs.clear(); }
    qsizetype size() const { return m_runs.size(); }
    // How many runs were shaped since the cache was made.
    quint64 shapedCount() const { return m_shaped; }

    // Shapes text without caching.
    static ShapedRun shape(const QFont &font, const QString &drawn);

private:
    struct Key {
        QString font;
        QString text;
        bool operator==(const Key &o) const { return font == o.font && text == o.text; }
    };
    friend size_t qHash(const Key &k, size_t seed = 0) noexcept { return qHashMulti(seed, k.font, k.text); }

    QHash<Key, ShapedRun> m_runs;
    quint64 m_shaped = 0;
};

} // namespace vorlane
