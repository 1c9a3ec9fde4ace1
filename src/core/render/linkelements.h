#pragma once

#include "core/surface/drawingsurface.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <array>

namespace vorlane {

// The two link arrays of the course window: text links (`Labelien`) and
// picture links (`Imagelien`).
enum class LinkArray { Labelien, Imagelien };

// The state of one link control as the renderer placed it (the window shows
// it with a widget of its own). Lengths are twips on the
// container surface, whose control name is `container` ("PictureTEXTE",
// "PICTUREILLUS", "titre"...).
struct LinkItem {
    bool visible = false;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString container;
    // The target code handed to the dispatcher on a click ("PAG012",
    // "FLOTTANT" for a picture link that opens its floating menu). An element
    // whose tag is empty is free.
    QString tag;
    QString toolTip;

    // Text links: the caption, its lines joined by CR LF, drawn in `font`
    // (never underlined when placed) and `colour`, the surface's at the time.
    QString caption;
    FontSpec font;
    QColor colour;

    // Picture links: icon `icon` of image list `list` (1 or 2); an icon
    // below 1 names no picture (the element is placed all the same).
    int list = 0;
    int icon = 0;
};

// The link controls of one window: 41 `Labelien` and 18 `Imagelien` elements,
// created with the window and reused from page to page. The renderer fills
// them (LinkCommands); the window mirrors every element into a widget over
// its container surface and hands the tag of a clicked element to the
// dispatcher.
//
// How the window shows an element (so that it sits exactly where the renderer
// measured it):
// - the widget's left and top are left / 15 and top / 15 pixels rounded to the
//   nearest, its width and height width / 15 and height / 15 rounded up (a
//   text link takes one pixel more in width for an italic overhang);
// - a text link draws its caption with no margin and no padding, each line at
//   its top left, line k at k x TextHeight, in FontMeasurer::makeFont(font)
//   with the text mapped by FontMapper (as the surface draws text), in
//   `colour`; hover emphasis (underline or bold) changes neither size nor place;
// - a picture link draws its icon (ImageLists) scaled to the element's size.
class LinkElements {
public:
    static constexpr int kLabelCount = 41;
    static constexpr int kImageCount = 18;

    // Element i of an array; i is clamped to the array (the renderer only asks
    // for indexes that takeFree gave).
    LinkItem &element(LinkArray array, int i);
    const LinkItem &element(LinkArray array, int i) const;
    static int count(LinkArray array) { return array == LinkArray::Labelien ? kLabelCount : kImageCount; }

    // The element the next link of this array takes: the lowest index whose
    // tag is empty, or 0 when every element carries a tag (the link that
    // element 0 carried is then lost: a 42nd text link replaces the first).
    // Nothing is changed until the caller fills the element.
    int takeFree(LinkArray array) const;

    // Hides every element and clears its tag and tool tip, so that the links of
    // the previous page can no longer be clicked. Page display calls it before
    // each body.
    void hideAll();

    // Visible elements of an array, for tests and previews.
    int visibleCount(LinkArray array) const;

    // The pixel rectangle of an element's widget on its container (see above):
    // left and top rounded to the nearest pixel, width and height rounded up, a
    // text link one pixel wider.
    static QRect widgetGeometry(LinkArray array, const LinkItem &item);
    // The text a text link's widget shows: the caption's CR LF-separated lines,
    // each mapped by FontMapper for the item's font, joined by line feeds.
    static QString widgetText(const LinkItem &item);

private:
    std::array<LinkItem, kLabelCount> m_labels;
    std::array<LinkItem, kImageCount> m_images;
};

} // namespace vorlane
