#include "ui/toolicons.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {

QImage imageOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A button's icon is drawn at the size and pixel ratio it is shown at, in its
// colour, or in grey when the button is disabled.
TEST(ToolIcons, IconsAreDrawnAtTheSizeAndRatioShown)
{
    const QColor blue(0x24, 0x3b, 0x63);
    const QColor grey(0xa8, 0xb0, 0xbd);
    const struct {
        Glyph glyph;
        int side;    // logical pixels
        qreal ratio; // of the screen
    } cases[] = {
        {Glyph::Home, 18, 1.0},    {Glyph::Home, 18, 2.0}, {Glyph::Back, 16, 1.0},
        {Glyph::Printer, 16, 1.5}, {Glyph::Info, 40, 1.0},
    };
    for (const auto &c : cases) {
        const QIcon icon = ToolIcons::icon(c.glyph);
        const int device = int(c.side * c.ratio);
        for (const auto &[mode, colour] :
             {std::pair{QIcon::Normal, blue}, std::pair{QIcon::Disabled, grey}}) {
            const QPixmap shown = icon.pixmap(QSize(c.side, c.side), c.ratio, mode);
            ASSERT_EQ(shown.size(), QSize(device, device)) << c.side << " x" << c.ratio;
            EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), c.ratio);
            EXPECT_EQ(imageOf(shown), imageOf(ToolIcons::pixmap(c.glyph, device, colour, 1.0)))
                << c.side << " x" << c.ratio << " mode " << int(mode);
        }
        EXPECT_NE(imageOf(icon.pixmap(QSize(c.side, c.side), c.ratio, QIcon::Normal)),
                  imageOf(icon.pixmap(QSize(c.side, c.side), c.ratio, QIcon::Disabled)));
    }
}

} // namespace
