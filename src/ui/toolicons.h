#pragma once

#include "core/platform/controlentry.h"

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <functional>

class QPainter;

namespace vorlane {

// The pictures of the course window's buttons (its image lists are
// ImageLists), drawn as simple line icons so that they stay sharp at any pixel
// ratio.
class ToolIcons {
public:
    using Glyph = vorlane::Glyph;

    // An icon drawn when shown, at the size and pixel ratio asked for; grey
    // when disabled.
    static QIcon icon(Glyph glyph, const QColor &colour = QColor(0x24, 0x3b, 0x63));
    static QPixmap pixmap(Glyph glyph, int size, const QColor &colour, qreal devicePixelRatio = 2.0);

    // Any picture drawn in one colour on a grid x grid square, as the glyphs are.
    using Drawing = std::function<void(QPainter &, const QColor &)>;
    static QIcon painted(Drawing draw, int grid, const QColor &colour);
    static QPixmap paintedPixmap(const Drawing &draw, int grid, int size, const QColor &colour,
                                 qreal devicePixelRatio);
};

} // namespace vorlane
