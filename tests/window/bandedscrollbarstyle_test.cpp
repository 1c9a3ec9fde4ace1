#include "ui/bandedscrollbarstyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>
#include <memory>
#include <string>

using namespace vorlane;

namespace {

struct Look {
    const char *what;
    QSize size;
    Qt::Orientation orientation;
    int value;
    QStyle::State state;
    QStyle::SubControl active;
};

// The control drawn at that pixel ratio over a background, on an image with a
// margin around it.
QImage drawn(const QStyle &style, const QStyleOptionSlider &option, qreal ratio, const QColor &under)
{
    QImage image((QSizeF(option.rect.size() + QSize(13, 28)) * ratio).toSize(),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(under);
    QPainter p(&image);
    // As a widget is painted inside its window: moved, and clipped to its rectangle.
    p.translate(4, 7);
    p.setClipRect(option.rect);
    style.drawComplexControl(QStyle::CC_ScrollBar, &option, &p);
    return image;
}

// The count of pixels that differ and the first of them, for a failure's message.
std::string differences(const QImage &got, const QImage &expected)
{
    if (got.size() != expected.size())
        return "sizes differ";
    int count = 0;
    QString first;
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != expected.pixel(x, y) && count++ == 0)
                first = QString::asprintf(" first at (%d, %d): %08x instead of %08x", x, y, got.pixel(x, y),
                                          expected.pixel(x, y));
    return std::to_string(count) + " pixels differ" + first.toStdString();
}

} // namespace

// Drawn band by band, a scroll bar has every pixel the application's style
// gives it, whatever its size, position, state and the part pointed at or
// pressed; other controls are left to that style.
TEST(BandedScrollBarStyle, ScrollBarsHaveThePixelsOfTheApplicationsStyle)
{
    QObject owner;
    const BandedScrollBarStyle *banded = BandedScrollBarStyle::create(&owner);
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QApplication::style()->name()));
    ASSERT_TRUE(plain);
    const QStyle::State on = QStyle::State_Enabled;
    const Look looks[] = {
        {"the page's", {16, 560}, Qt::Vertical, 0, on, QStyle::SC_None},
        {"scrolled half", {16, 560}, Qt::Vertical, 500, on, QStyle::SC_None},
        {"at the end", {16, 560}, Qt::Vertical, 1000, on, QStyle::SC_None},
        {"slider pointed at",
         {16, 433},
         Qt::Vertical,
         300,
         on | QStyle::State_MouseOver,
         QStyle::SC_ScrollBarSlider},
        {"slider pressed",
         {16, 433},
         Qt::Vertical,
         300,
         on | QStyle::State_Sunken,
         QStyle::SC_ScrollBarSlider},
        {"arrow pressed",
         {16, 300},
         Qt::Vertical,
         10,
         on | QStyle::State_Sunken,
         QStyle::SC_ScrollBarAddLine},
        {"disabled", {16, 560}, Qt::Vertical, 200, QStyle::State_None, QStyle::SC_None},
        {"one band", {16, 64}, Qt::Vertical, 0, on, QStyle::SC_None},
        {"one band and a row", {16, 65}, Qt::Vertical, 900, on, QStyle::SC_None},
        {"wide", {40, 1000}, Qt::Vertical, 700, on, QStyle::SC_None},
        {"horizontal", {500, 16}, Qt::Horizontal, 400, on, QStyle::SC_None},
    };
    for (const Look &look : looks) {
        QStyleOptionSlider option;
        option.rect = QRect(QPoint(0, 0), look.size);
        option.orientation = look.orientation;
        option.state =
            look.state | (look.orientation == Qt::Horizontal ? QStyle::State_Horizontal : QStyle::State_None);
        option.minimum = 0;
        option.maximum = 1000;
        option.pageStep = 250;
        option.singleStep = 10;
        option.sliderPosition = option.sliderValue = look.value;
        option.subControls = QStyle::SC_All;
        option.activeSubControls = look.active;
        option.palette = QApplication::palette();
        // Under it, whatever the background, at any pixel ratio.
        for (const QColor &under : {QColor(Qt::white), QColor(Qt::red)}) {
            for (const qreal ratio : {1.0, 1.5, 2.0}) {
                const QImage expected = drawn(*plain, option, ratio, under);
                const QImage got = drawn(*banded, option, ratio, under);
                EXPECT_TRUE(got == expected)
                    << look.what << " at ratio " << ratio << " over " << under.name().toStdString() << ": "
                    << differences(got, expected);
            }
        }
    }
}

TEST(BandedScrollBarStyle, OwnsABaseOfItsOwnAndLeavesTheApplicationsStyleAlone)
{
    QStyle *application = QApplication::style();
    {
        QObject owner;
        BandedScrollBarStyle *banded = BandedScrollBarStyle::create(&owner);
        EXPECT_EQ(banded->parent(), &owner);
        EXPECT_NE(banded->baseStyle(), application);
        EXPECT_EQ(banded->baseStyle()->name(), application->name());
    }
    // The application's style outlives the banded one.
    EXPECT_EQ(QApplication::style(), application);
    EXPECT_FALSE(application->name().isEmpty());
}
