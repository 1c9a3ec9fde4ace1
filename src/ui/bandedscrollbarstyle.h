#pragma once

#include <QProxyStyle>

namespace vorlane {

// The application's style, with scroll bars drawn in bands of rows.
//
// Qt's raster engine splits a fill of more than about 96 rows across a pool of
// threads, which it starts on first use and waits for. A scroll bar's groove is
// a gradient as tall as the scroll bar: the page's scroll bar was the only such
// fill when the course window starts, and starting the pool's threads cost
// about as much as painting the rest of the window. The scroll bar is drawn
// band by band, each on an image of kBandRows rows (the style draws the whole
// bar on it, and what falls outside is dropped), so that every fill stays on
// the painting thread; the pixels are those the application's style draws
// (tested). A bar whose groove is not drawn, or a transient one, which would
// show what lies under it, or one that does not fall on whole device pixels
// (a pixel ratio of 1.5), is drawn as the application's style draws it.
class BandedScrollBarStyle final : public QProxyStyle {
public:
    static constexpr int kBandRows = 64;

    // A style of the same kind as the application's, owned by `owner`.
    static BandedScrollBarStyle *create(QObject *owner);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    explicit BandedScrollBarStyle(QStyle *base) : QProxyStyle(base) {}
};

} // namespace vorlane
