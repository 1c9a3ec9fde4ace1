#include "ui/bandedscrollbarstyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace vorlane {

BandedScrollBarStyle *BandedScrollBarStyle::create(QObject *owner)
{
    // The proxy owns its base: a new instance of the application's style, never
    // the application's own.
    auto *style = new BandedScrollBarStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(owner);
    return style;
}

void BandedScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                              QPainter *painter, const QWidget *widget) const
{
    const qreal ratio = painter && painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    // Rows of a band as the painter counts them (a band holds kBandRows device rows).
    const int rows = std::max(1, int(std::floor(kBandRows / ratio)));
    const auto whole = [](qreal v) { return v == std::floor(v); };
    // Bands are drawn on images of their own, then copied pixel for pixel: only
    // where a band's pixels fall on whole device pixels (a whole pixel ratio, a
    // painter moved by whole pixels), and only for a scroll bar whose groove
    // covers it whole (an opaque gradient), which looks the same whatever lies
    // under it.
    const QTransform moved = painter ? painter->worldTransform() : QTransform();
    if (control != CC_ScrollBar || !option || !painter || !(option->subControls & SC_ScrollBarGroove) ||
        styleHint(SH_ScrollBar_Transient, option, widget) || option->rect.height() <= rows || !whole(ratio) ||
        moved.type() > QTransform::TxTranslate || !whole(moved.dx()) || !whole(moved.dy())) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect bar = option->rect;
    QImage band(int(bar.width() * ratio), int(rows * ratio), QImage::Format_ARGB32_Premultiplied);
    band.setDevicePixelRatio(ratio);
    for (int top = bar.top(); top <= bar.bottom(); top += rows) {
        {
            QPainter p(&band);
            p.translate(-bar.left(), -top);
            QProxyStyle::drawComplexControl(control, option, &p, widget);
        }
        const int height = std::min(rows, bar.bottom() + 1 - top);
        painter->drawImage(QRectF(bar.left(), top, bar.width(), height), band,
                           QRectF(0, 0, bar.width() * ratio, height * ratio));
    }
}

} // namespace vorlane
