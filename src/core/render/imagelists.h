#pragma once

#include "core/surface/drawingsurface.h"

#include <QColor>
#include <QHash>
#include <QImage>
#include <QString>
#include <optional>

namespace vorlane {

// The course window's two image lists, drawn in code: `ImageList1` holds
// icons of 20 x 20 pixels (IJA, LIERI), `ImageList2` the same pictures at
// 32 x 32 pixels (LIERX, LIERF). Both lists have the same icons at the same
// indexes. Each icon is a small rounded tile in the colour of its family with
// a white picture on it, so that it reads as something to click.
//
// Index  Icon                        Index  Icon
//   1    right arrow (next)            11   warning
//   2    left arrow (back)             12   check mark
//   3    up arrow                      13   home
//   4    down arrow                    14   magnifier (search)
//   5    open book (course, lexicon)   15   printer
//   6    question mark (test)          16   link chain
//   7    video camera (video)          17   pencil (exercise)
//   8    calculator                    18   flask (chemistry)
//   9    picture                       19   atom (physics)
//  10    information "i"               20   wave
//
// Every index from 1 up gives an icon: past 20 the table starts again
// (21 is the right arrow, 40 the wave, 41 the right arrow...). An index
// below 1 gives none.
//
// The icons are drawn on first use and kept: each window (and the tool) owns
// one ImageLists.
class ImageLists {
public:
    enum class Icon {
        RightArrow = 1,
        LeftArrow,
        UpArrow,
        DownArrow,
        Book,
        Question,
        Video,
        Calculator,
        Picture,
        Info,
        Warning,
        Check,
        Home,
        Magnifier,
        Printer,
        Link,
        Pencil,
        Flask,
        Atom,
        Wave,
    };
    static constexpr int kIconCount = 20;

    // Width and height in pixels of the icons of list 1 (20) or 2 (32); 0 for
    // any other list.
    static int iconSizePx(int list);
    // The icon at a 1-based index (cycling past 20); nullopt below 1.
    static std::optional<Icon> iconAt(int index);
    // A short French name of the icon ("flèche droite", "calculatrice"...).
    static QString iconName(Icon icon);

    // Draws an icon `sizePx` logical pixels square at a device pixel ratio
    // (the image is sizePx x ratio pixels and carries the ratio).
    static QImage draw(Icon icon, int sizePx, qreal devicePixelRatio = 1.0);

    // Icon `index` of list 1 or 2 at a device pixel ratio, drawn once and
    // kept; a null image for an index below 1 or another list.
    QImage icon(int list, int index, qreal devicePixelRatio = 1.0);
    // The same as a picture to paint, its file named "ImageList<list>:<index>"
    // (the index as asked, "ImageList1:21" for the 21st). Painted without a
    // size it would be sizePx x ratio pixels: callers give the list's size.
    std::optional<vorlane::Picture> picture(int list, int index, qreal devicePixelRatio = 1.0);

private:
    QHash<quint64, QImage> m_cache;
};

} // namespace vorlane
