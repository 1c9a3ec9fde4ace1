#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

namespace vorlane {

// The pictures of the course window's buttons and of its two image lists,
// drawn as simple line icons so that they stay sharp at any pixel ratio.
class ToolIcons {
public:
    enum class Glyph {
        Back, Forward, Home, Contents, Atom, Flask, Search, Calculator, Printer, Help, Quit, Update, Globe,
        ChapterPrevious, ChapterNext, Test, Info, Film, Book, Star,
    };

    static QIcon icon(Glyph glyph, const QColor &colour = QColor(0x24, 0x3b, 0x63));
    static QPixmap pixmap(Glyph glyph, int size, const QColor &colour, qreal devicePixelRatio = 2.0);

    // Icon `index` (from 1) of image list 1 (20 pixels) or 2 (32 pixels); the
    // lists repeat their pictures for higher indexes. A null pixmap for an
    // index below 1 or another list.
    static QPixmap listIcon(int list, int index, qreal devicePixelRatio = 2.0);
    static int listIconSize(int list) { return list == 2 ? 32 : 20; }
};

} // namespace vorlane
