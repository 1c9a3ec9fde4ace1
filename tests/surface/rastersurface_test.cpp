#include "core/surface/rastersurface.h"
#include "core/text/palette.h"
#include "testsupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

QRgb rgb(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

bool isWhite(const QImage &img, int x, int y)
{
    return rgb(img, x, y) == 0xFFFFFF;
}

int count(const QImage &img, QRgb colour, QRect region = QRect())
{
    if (region.isNull())
        region = img.rect();
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            n += rgb(img, x, y) == (colour & 0xFFFFFF);
    return n;
}

int nonWhite(const QImage &img, QRect region = QRect())
{
    if (region.isNull())
        region = img.rect();
    return region.width() * region.height() - count(img, 0xFFFFFF, region);
}

class RasterAtRatio : public ::testing::TestWithParam<int> {};

// A filled box covers the cells of both corners: (150,300)-(450,600) twips are
// pixels 10..30 by 20..40, that is 21 x 21 logical pixels.
TEST_P(RasterAtRatio, FilledBoxCoversItsCells)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 100, 100, r);
    ASSERT_EQ(s.image().width(), 100 * r);
    s.line(150, 300, 450, 600, Qt::red, LineStyle::Fill);
    const QImage &img = s.image();
    EXPECT_EQ(count(img, 0xFF0000), 21 * r * 21 * r);
    EXPECT_EQ(rgb(img, 10 * r, 20 * r), 0xFF0000u);
    EXPECT_EQ(rgb(img, 31 * r - 1, 41 * r - 1), 0xFF0000u);
    EXPECT_TRUE(isWhite(img, 31 * r, 30 * r));
    EXPECT_TRUE(isWhite(img, 10 * r - 1, 30 * r));
    EXPECT_TRUE(isWhite(img, 20 * r, 20 * r - 1));
    EXPECT_TRUE(isWhite(img, 20 * r, 41 * r));
    EXPECT_EQ(s.currentX(), 450);
    EXPECT_EQ(s.currentY(), 600);
}

// DrawWidth 1 is one logical pixel: one device row at ratio 1, two at ratio 2,
// fully coloured (no antialiasing grey).
TEST_P(RasterAtRatio, OnePixelLinesAreSharp)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 100, 100, r);
    s.line(0, 150, 1500, 150, Qt::black);  // row 10
    s.line(300, 450, 300, 1200, Qt::blue); // column 20, rows 30..80
    const QImage &img = s.image();
    const int x = 50 * r;
    for (int y = 10 * r; y < 11 * r; ++y)
        EXPECT_EQ(rgb(img, x, y), 0u) << y;
    EXPECT_TRUE(isWhite(img, x, 10 * r - 1));
    EXPECT_TRUE(isWhite(img, x, 11 * r));
    EXPECT_EQ(count(img, 0x000000), 100 * r * r);
    EXPECT_EQ(count(img, 0x0000FF), 51 * r * r);
    EXPECT_EQ(rgb(img, 20 * r, 80 * r), 0x0000FFu);
    EXPECT_TRUE(isWhite(img, 20 * r, 81 * r));
    EXPECT_EQ(nonWhite(img), 100 * r * r + 51 * r * r);
}

TEST_P(RasterAtRatio, WiderPensAreCentredOnTheLine)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 100, 100, r);
    s.setDrawWidth(3);
    s.line(300, 150, 900, 150, Qt::black); // row 10 +- 1, columns 20..60 +- 1
    const QImage &img = s.image();
    EXPECT_EQ(count(img, 0x000000), 43 * 3 * r * r);
    EXPECT_EQ(rgb(img, 40 * r, 9 * r), 0u);
    EXPECT_EQ(rgb(img, 40 * r, 12 * r - 1), 0u);
    EXPECT_TRUE(isWhite(img, 40 * r, 12 * r));
    EXPECT_EQ(rgb(img, 19 * r, 10 * r), 0u);
}

TEST_P(RasterAtRatio, BoxOutline)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 100, 100, r);
    s.line(150, 150, 450, 450, Qt::blue, LineStyle::Box); // cells 10..30 square
    const QImage &img = s.image();
    EXPECT_EQ(count(img, 0x0000FF), (21 * 4 - 4) * r * r);
    EXPECT_EQ(rgb(img, 10 * r, 20 * r), 0x0000FFu);
    EXPECT_EQ(rgb(img, 30 * r, 20 * r), 0x0000FFu);
    EXPECT_EQ(rgb(img, 20 * r, 30 * r), 0x0000FFu);
    EXPECT_TRUE(isWhite(img, 20 * r, 20 * r));
    EXPECT_TRUE(isWhite(img, 31 * r, 20 * r));
}

// DrawMode 9 ANDs the fill with what is there: black text stays black, white
// turns to the fill colour, and an antialiased grey g turns to (g, g, 0).
TEST_P(RasterAtRatio, AndModeKeepsTextVisibleUnderAFill)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 200, 60, r);
    s.setFontSize(14);
    s.setBold(true);
    s.setCurrentX(150);
    s.setCurrentY(150);
    s.print(u"HEM"_s);
    const QImage before = s.image().copy();
    const QRect fill(5 * r, 5 * r, 151 * r, 41 * r); // (75,75)-(2325,675) twips: cells 5..155, 5..45
    const int inked = nonWhite(before, fill);
    ASSERT_GT(inked, 20);
    const int black = count(before, 0x000000, fill);

    s.setDrawMode(DrawModeAnd);
    s.line(75, 75, 2325, 675, QColor(255, 255, 0), LineStyle::Fill);
    const QImage &after = s.image();
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QRgb want = fill.contains(x, y) ? (rgb(before, x, y) & 0xFFFF00) : rgb(before, x, y);
            ASSERT_EQ(rgb(after, x, y), want) << x << "," << y;
        }
    }
    EXPECT_EQ(count(after, 0x000000, fill), black);
    EXPECT_EQ(count(after, 0xFFFF00, fill), fill.width() * fill.height() - inked);

    // In mode 13 the fill covers the text.
    s.setDrawMode(DrawModeCopyPen);
    s.line(75, 75, 2325, 675, QColor(255, 255, 0), LineStyle::Fill);
    EXPECT_EQ(count(s.image(), 0xFFFF00, fill), fill.width() * fill.height());
}

// Slanted lines are antialiased in mode 13 and not in mode 9.
TEST_P(RasterAtRatio, AntialiasingPerMode)
{
    const int r = GetParam();
    RasterSurface smooth(u"a"_s, 60, 60, r), hard(u"b"_s, 60, 60, r);
    hard.setDrawMode(DrawModeAnd);
    smooth.line(0, 0, 750, 600, Qt::black);
    hard.line(0, 0, 750, 600, Qt::black);
    const int smoothInk = nonWhite(smooth.image());
    const int smoothBlack = count(smooth.image(), 0x000000);
    EXPECT_GT(smoothInk, smoothBlack); // grey edge pixels
    EXPECT_GT(count(hard.image(), 0x000000), 40 * r);
    EXPECT_EQ(nonWhite(hard.image()), count(hard.image(), 0x000000));
}

TEST_P(RasterAtRatio, TextOfAPaletteColour)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 200, 60, r);
    s.setForeColor(PaletteColour(12));
    s.setFontSize(20);
    s.setCurrentX(150);
    s.setCurrentY(300);
    s.print(u"HHH"_s);
    const QImage &img = s.image();
    EXPECT_GT(count(img, 0xFF0000), 30 * r * r);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = rgb(img, x, y);
            // antialiased edges mix red and white: red stays full, green = blue
            ASSERT_EQ(qRed(c), 255) << x << "," << y;
            ASSERT_EQ(qGreen(c), qBlue(c));
        }
    // the top of the cell is at CurrentY (20 px): nothing above it; the capital H
    // starts (ascent - cap height) = 27 x (0.905 - 0.716) = 5.1 px lower
    EXPECT_EQ(nonWhite(img, QRect(0, 0, img.width(), 20 * r)), 0);
    int firstRow = -1;
    for (int y = 0; y < img.height() && firstRow < 0; ++y)
        if (nonWhite(img, QRect(0, y, img.width(), 1)) > 0)
            firstRow = y;
    EXPECT_GE(firstRow, 24 * r);
    EXPECT_LE(firstRow, 26 * r);
    EXPECT_TRUE(nonWhite(img, QRect(0, 0, 10 * r, img.height())) == 0);
    EXPECT_NEAR(s.currentX(), 150 + s.textWidth(u"HHH"_s), 1e-9);
    EXPECT_EQ(s.currentY(), 300);
}

TEST_P(RasterAtRatio, PsetIsOneDotOfThePenWidth)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 60, 60, r);
    s.pset(300, 450, Qt::green); // cell (20, 30)
    EXPECT_EQ(count(s.image(), 0x00FF00), r * r);
    EXPECT_EQ(rgb(s.image(), 20 * r, 30 * r), 0x00FF00u);
    EXPECT_EQ(s.currentX(), 300);
    EXPECT_EQ(s.currentY(), 450);
    s.clear();
    s.setDrawWidth(5);
    s.pset(300, 450, Qt::green); // a disc of diameter 5 around the centre of (20, 30)
    const QImage &img = s.image();
    EXPECT_EQ(rgb(img, 20 * r, 30 * r), 0x00FF00u);
    EXPECT_EQ(rgb(img, 19 * r, 29 * r), 0x00FF00u);
    EXPECT_TRUE(isWhite(img, 24 * r, 30 * r));
    EXPECT_TRUE(isWhite(img, 20 * r, 26 * r - 1));
}

QImage testPicture()
{
    // 4 x 3 pixels: the left two columns red, the right two blue
    QImage img(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            img.setPixel(x, y, x < 2 ? 0xFFFF0000 : 0xFF0000FF);
    return img;
}

TEST_P(RasterAtRatio, PicturesAtNaturalSizeAndStretched)
{
    const int r = GetParam();
    RasterSurface s(u"PictureTEXTE"_s, 60, 60, r);
    s.setCurrentX(7);
    s.setCurrentY(9);
    s.paintPicture({testPicture(), u"t.png"_s}, 150, 150);
    const QImage &img = s.image();
    EXPECT_EQ(count(img, 0xFF0000), 2 * 3 * r * r);
    EXPECT_EQ(count(img, 0x0000FF), 2 * 3 * r * r);
    EXPECT_EQ(rgb(img, 10 * r, 10 * r), 0xFF0000u);
    EXPECT_EQ(rgb(img, 14 * r - 1, 13 * r - 1), 0x0000FFu);
    EXPECT_TRUE(isWhite(img, 14 * r, 10 * r));
    EXPECT_TRUE(isWhite(img, 10 * r, 13 * r));
    EXPECT_EQ(s.currentX(), 7);
    EXPECT_EQ(s.currentY(), 9);

    s.clear();
    s.paintPicture({testPicture(), u"t.png"_s}, 150, 150, 16 * 15, 6 * 15); // 16 x 6 pixels
    EXPECT_EQ(rgb(s.image(), 10 * r, 10 * r), 0xFF0000u);
    EXPECT_EQ(rgb(s.image(), 25 * r, 15 * r), 0x0000FFu);
    EXPECT_TRUE(isWhite(s.image(), 26 * r, 12 * r));
    EXPECT_TRUE(isWhite(s.image(), 12 * r, 16 * r));
    EXPECT_NEAR(nonWhite(s.image()), 16 * 6 * r * r, 2 * (16 + 6) * r);

    // a negative width mirrors the picture to the left of x
    s.clear();
    s.paintPicture({testPicture(), u"t.png"_s}, 150, 150, -60, 45);
    EXPECT_EQ(rgb(s.image(), 6 * r, 10 * r), 0x0000FFu);
    EXPECT_EQ(rgb(s.image(), 9 * r, 10 * r), 0xFF0000u);
    EXPECT_TRUE(isWhite(s.image(), 10 * r, 10 * r));

    // nothing to draw
    s.clear();
    s.paintPicture({QImage(), u"none.png"_s}, 0, 0);
    s.paintPicture({testPicture(), u"t.png"_s}, 0, 0, 0, 45);
    EXPECT_EQ(nonWhite(s.image()), 0);
}

// Angles are counter-clockwise on the screen, y growing downwards: 0 to pi/2 is
// the upper right quarter.
TEST_P(RasterAtRatio, CircleArcs)
{
    const int r = GetParam();
    auto dark = [&](const RasterSurface &s, int x, int y) {
        // any ink in the device pixels of logical pixel (x, y)
        return nonWhite(s.image(), QRect(x * r, y * r, r, r)) > 0;
    };
    RasterSurface full(u"a"_s, 120, 120, r);
    full.circle(750, 750, 750, Qt::black); // centre (50.5, 50.5), radius 50
    EXPECT_TRUE(dark(full, 100, 50));
    EXPECT_TRUE(dark(full, 0, 50));
    EXPECT_TRUE(dark(full, 50, 0));
    EXPECT_TRUE(dark(full, 50, 100));
    EXPECT_FALSE(dark(full, 50, 50));
    EXPECT_EQ(full.currentX(), 750);

    RasterSurface quarter(u"b"_s, 120, 120, r);
    quarter.circle(750, 750, 750, Qt::black, 0.0, std::numbers::pi / 2);
    EXPECT_TRUE(dark(quarter, 50, 0));
    EXPECT_TRUE(dark(quarter, 100, 50));
    EXPECT_TRUE(dark(quarter, 85, 15)); // 45 degrees: (50.5 + 35.4, 50.5 - 35.4)
    EXPECT_FALSE(dark(quarter, 0, 50));
    EXPECT_FALSE(dark(quarter, 50, 100));
    EXPECT_FALSE(dark(quarter, 85, 85));

    // from 3pi/2 round through 0 to pi/2: the right half
    RasterSurface wrap(u"c"_s, 120, 120, r);
    wrap.circle(750, 750, 750, Qt::black, 3 * std::numbers::pi / 2, std::numbers::pi / 2);
    EXPECT_TRUE(dark(wrap, 50, 100));
    EXPECT_TRUE(dark(wrap, 100, 50));
    EXPECT_FALSE(dark(wrap, 0, 50));

    // negative angles draw the radius to that end too
    RasterSurface pie(u"d"_s, 120, 120, r);
    pie.circle(750, 750, 750, Qt::black, -std::numbers::pi / 2, -std::numbers::pi);
    EXPECT_TRUE(dark(pie, 50, 25));  // radius up to the start (pi/2)
    EXPECT_TRUE(dark(pie, 25, 50));  // radius left to the end (pi)
    EXPECT_TRUE(dark(pie, 15, 15));  // the upper left quarter's arc
    EXPECT_FALSE(dark(pie, 85, 15)); // not the upper right
    EXPECT_FALSE(dark(pie, 50, 75));
    EXPECT_FALSE(dark(pie, 75, 50));

    // an angle beyond a full turn is refused: nothing drawn, position kept
    RasterSurface bad(u"e"_s, 120, 120, r);
    bad.circle(750, 750, 750, Qt::black, 0.0, 7.0);
    EXPECT_EQ(nonWhite(bad.image()), 0);
    EXPECT_EQ(bad.currentX(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ratios, RasterAtRatio, ::testing::Values(1, 2));

TEST(RasterSurface, SizesAndScaleWidth)
{
    RasterSurface s(u"PictureTEXTE"_s, 600, 1000, 2);
    EXPECT_EQ(s.name(), u"PictureTEXTE"_s);
    EXPECT_EQ(s.width(), 600);
    EXPECT_EQ(s.height(), 1000);
    EXPECT_EQ(s.scaleWidth(), 9000);
    EXPECT_EQ(s.image().size(), QSize(1200, 2000));
    EXPECT_EQ(s.image().devicePixelRatio(), 2);
    EXPECT_TRUE(s.setHeight(19.2)); // fractions are kept; the image covers them
    EXPECT_DOUBLE_EQ(s.height(), 19.2);
    EXPECT_EQ(s.image().height(), 39);
    EXPECT_FALSE(s.setHeight(-1));
    EXPECT_FALSE(s.setHeight(kNaN));
    EXPECT_FALSE(s.setWidth(-0.5));
    EXPECT_DOUBLE_EQ(s.height(), 19.2);
    EXPECT_EQ(s.width(), 600);
    EXPECT_TRUE(s.setHeight(0));
    EXPECT_TRUE(s.image().isNull());
    s.line(0, 0, 150, 150, Qt::black, LineStyle::Fill); // nowhere to draw: no crash
    s.print(u"x"_s);
    EXPECT_GT(s.currentX(), 0);
}

TEST(RasterSurface, ResizingKeepsWhatWasDrawn)
{
    RasterSurface s(u"PictureTEXTE"_s, 50, 50, 1);
    s.line(0, 0, 15 * 49, 15 * 49, Qt::red, LineStyle::Fill); // all 50 x 50
    ASSERT_TRUE(s.setHeight(80));
    ASSERT_TRUE(s.setWidth(70));
    EXPECT_EQ(rgb(s.image(), 49, 49), 0xFF0000u);
    EXPECT_TRUE(isWhite(s.image(), 49, 50));
    EXPECT_TRUE(isWhite(s.image(), 50, 49));
    EXPECT_EQ(count(s.image(), 0xFF0000), 2500);
    ASSERT_TRUE(s.setHeight(10));
    ASSERT_TRUE(s.setHeight(30));
    EXPECT_EQ(count(s.image(), 0xFF0000), 500); // rows 0..9 were kept
    EXPECT_TRUE(isWhite(s.image(), 5, 10));
}

TEST(RasterSurface, SizesSetInARowActAsIfEachWereApplied)
{
    RasterSurface s(u"PictureTEXTE"_s, 50, 50, 1);
    s.line(0, 0, 15 * 49, 15 * 49, Qt::red, LineStyle::Fill);
    // Narrower and lower, then back to the same size, nothing shown between: what
    // the small size cut off is white.
    ASSERT_TRUE(s.setWidth(20));
    ASSERT_TRUE(s.setHeight(40));
    ASSERT_TRUE(s.setWidth(50));
    ASSERT_TRUE(s.setHeight(50));
    EXPECT_EQ(s.image().size(), QSize(50, 50));
    EXPECT_EQ(count(s.image(), 0xFF0000), 20 * 40);
    EXPECT_TRUE(isWhite(s.image(), 20, 0));
    EXPECT_TRUE(isWhite(s.image(), 0, 40));

    // A thousand growths in a row (a page of PLOUF): one image, the drawing on top.
    for (int i = 1; i <= 1000; ++i)
        ASSERT_TRUE(s.setHeight(50 + i));
    EXPECT_EQ(s.image().size(), QSize(50, 1050));
    EXPECT_EQ(count(s.image(), 0xFF0000), 20 * 40);
    EXPECT_TRUE(isWhite(s.image(), 49, 1049));
    // Drawing after a change of size draws on the new image.
    ASSERT_TRUE(s.setHeight(2000));
    s.line(0, 15 * 1999, 15 * 9, 15 * 1999, Qt::blue, LineStyle::Line);
    EXPECT_EQ(rgb(s.image(), 5, 1999), 0x0000FFu);
}

TEST(RasterSurface, HeightIsCappedInTheImageOnly)
{
    for (int r : {1, 2}) {
        RasterSurface s(u"PictureTEXTE"_s, 600, 1000, r);
        ASSERT_TRUE(s.setHeight(100000));
        EXPECT_EQ(s.height(), 100000);
        EXPECT_LE(s.backedHeight(), RasterSurface::kMaxHeight);
        EXPECT_GE(s.backedHeight(), 30000);
        EXPECT_EQ(s.image().height(), int(std::ceil(s.backedHeight() * r)));
        EXPECT_LE(s.image().sizeInBytes(), RasterSurface::kMaxImageBytes);
        // drawing beyond the image is clipped, near its end it shows
        s.line(0, 99000 * 15.0, 9000, 99010 * 15.0, Qt::black, LineStyle::Fill);
        s.pset(150, 99000 * 15.0, Qt::black);
        s.setCurrentY(99000 * 15.0);
        s.print(u"beyond"_s);
        s.circle(3000, 99000 * 15.0, 3000, Qt::black);
        s.paintPicture({testPicture(), u"t.png"_s}, 0, 99000 * 15.0);
        const int last = int(s.backedHeight()) - 1;
        s.line(0, last * 15.0, 150, last * 15.0, Qt::black, LineStyle::Fill);
        EXPECT_EQ(rgb(s.image(), 5, last * r), 0u);
        EXPECT_FALSE(s.setHeight(-1));
        EXPECT_EQ(s.height(), 100000);
    }
    RasterSurface wide(u"PictureTEXTE"_s, 600, 100, 1);
    ASSERT_TRUE(wide.setWidth(1e12));
    EXPECT_EQ(wide.width(), 1e12);
    EXPECT_LE(wide.image().width(), RasterSurface::kMaxWidth);
    EXPECT_LE(wide.image().sizeInBytes(), RasterSurface::kMaxImageBytes);
    wide.line(0, 0, 1e300, 1e300, Qt::black); // huge coordinates are clipped
    wide.line(-1e300, 0, 1e300, 0, Qt::black, LineStyle::Box);
    EXPECT_EQ(rgb(wide.image(), 20, 0), 0u);
}

TEST(RasterSurface, NonFiniteValuesAreIgnored)
{
    RasterSurface s(u"PictureTEXTE"_s, 60, 60, 1);
    s.setCurrentX(30);
    s.setCurrentY(45);
    s.line(kNaN, 0, 150, 150, Qt::black);
    s.circle(150, std::numeric_limits<double>::infinity(), 150, Qt::black);
    s.pset(kNaN, 0, Qt::black);
    s.paintPicture({testPicture(), u"t.png"_s}, 0, 0, kNaN, 45);
    EXPECT_EQ(s.currentX(), 30);
    EXPECT_EQ(s.currentY(), 45);
    EXPECT_EQ(nonWhite(s.image()), 0);
}

TEST(RasterSurface, ClearAndChangeNotices)
{
    RasterSurface s(u"PictureTEXTE"_s, 60, 60, 1);
    std::vector<SurfaceChange> seen;
    s.setChangeCallback([&](SurfaceChange c) { seen.push_back(c); });
    const quint64 start = s.changeCount();
    s.line(0, 0, 300, 300, Qt::black, LineStyle::Fill);
    s.refresh();
    s.setHeight(70);
    s.setCurrentX(100);
    s.clear();
    EXPECT_EQ(seen, (std::vector{SurfaceChange::Drawn, SurfaceChange::Refreshed, SurfaceChange::Resized,
                                 SurfaceChange::Cleared}));
    EXPECT_EQ(s.changeCount(), start + 4);
    EXPECT_EQ(nonWhite(s.image()), 0);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_FALSE(s.setHeight(-3));
    EXPECT_EQ(seen.size(), 4u);
}

TEST(RasterSurface, TestMetricsMeasureLikeTheTrace)
{
    RasterSurface s(u"PictureTEXTE"_s, 600, 100, 1, std::make_shared<TestMetrics>());
    EXPECT_EQ(s.textWidth(u"Wq"_s), 240);
    EXPECT_EQ(s.textHeight(QString()), 240);
    s.setFontSize(12);
    s.print(u"H"_s);
    EXPECT_EQ(s.currentX(), 144);
    s.newLine();
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_EQ(s.currentY(), 288);
    EXPECT_GT(nonWhite(s.image()), 0); // still drawn with the real font
}

TEST(RasterSurface, RealFontsByDefault)
{
    RasterSurface s(u"PictureTEXTE"_s, 600, 100, 1);
    EXPECT_NEAR(s.textWidth(u"W"_s), 184, 1.5);
    s.newLine();
    EXPECT_NEAR(s.currentY(), 217.8, 1.5);
}

// The long arrow of FLECHE (extension + arrow in Symbol) is one unbroken stroke.
TEST(RasterSurface, LongArrowIsContinuous)
{
    for (const auto &[r, size] : {std::pair{1, 10}, {1, 14}, {2, 10}, {2, 14}, {2, 20}}) {
        RasterSurface s(u"PictureTEXTE"_s, 100, 40, r);
        s.setFontSize(size);
        s.setFontName(u"Symbol"_s);
        s.print(QString::fromUtf8("\u00be\u00ae"));
        const QImage &img = s.image();
        int bestRow = 0, bestInk = 0;
        for (int y = 0; y < img.height(); ++y) {
            int ink = 0;
            for (int x = 0; x < img.width(); ++x)
                ink += qGray(img.pixel(x, y)) < 128;
            if (ink > bestInk) {
                bestInk = ink;
                bestRow = y;
            }
        }
        int first = -1, last = -1;
        for (int x = 0; x < img.width(); ++x) {
            if (qGray(img.pixel(x, bestRow)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        ASSERT_GE(first, 0);
        for (int x = first; x <= last; ++x)
            EXPECT_LT(qGray(img.pixel(x, bestRow)), 200)
                << "gap at " << x << " ratio " << r << " size " << size;
        EXPECT_GT(last - first + 1, 0.8 * s.currentX() / 15 * r) << r << " size " << size;
    }
}

TEST(RasterSurface, DevicePixelRatioChangeKeepsTheDrawing)
{
    RasterSurface s(u"PictureTEXTE"_s, 40, 40, 1);
    s.line(0, 0, 150, 150, Qt::red, LineStyle::Fill); // 11 x 11
    s.setDevicePixelRatio(2);
    EXPECT_EQ(s.image().size(), QSize(80, 80));
    EXPECT_EQ(rgb(s.image(), 10, 10), 0xFF0000u);
    EXPECT_TRUE(isWhite(s.image(), 30, 30));
    s.setDevicePixelRatio(kNaN); // taken as 1
    EXPECT_EQ(s.image().size(), QSize(40, 40));
}

} // namespace

namespace {

// One step of a run of sizes: the size set, then a box filled over the cells
// (left, top)..(right, bottom) (none when right < left).
struct SizeStep {
    double width;
    double height;
    int left, top, right, bottom;
    QRgb colour;
};

// What the surface must show after each step, worked out on a plain image: the
// part that every size covered is kept, the rest is white, then the box.
QImage expectedAfter(const QImage &before, const SizeStep &step, int ratio)
{
    QImage next(int(std::ceil(step.width * ratio)), int(std::ceil(step.height * ratio)),
                QImage::Format_RGB32);
    next.fill(Qt::white);
    for (int y = 0; y < std::min(before.height(), next.height()); ++y)
        for (int x = 0; x < std::min(before.width(), next.width()); ++x)
            next.setPixel(x, y, before.pixel(x, y));
    for (int y = step.top * ratio; y < (step.bottom + 1) * ratio && y < next.height(); ++y)
        for (int x = step.left * ratio; x < (step.right + 1) * ratio && x < next.width(); ++x)
            next.setPixel(x, y, step.colour);
    return next;
}

} // namespace

// Growing, shrinking and growing again, within the rows held and beyond them,
// keeps what was drawn where every size covered it and shows white elsewhere:
// rows left by a smaller size are white again when a taller size shows them.
TEST(RasterSurface, KeptPixelsOverRunsOfSizes)
{
    const std::vector<std::vector<SizeStep>> runs = {
        // grow, shrink, grow within the rows held
        {{40, 30, 0, 0, 39, 29, 0xFF0000},
         {40, 50, 2, 40, 10, 45, 0x00FF00},
         {40, 12, -1, 0, -2, 0, 0},
         {40, 55, 0, 50, 5, 54, 0x0000FF}},
        // grow past the rows held, several times
        {{30, 10, 0, 0, 29, 9, 0xFF0000},
         {30, 25, 0, 20, 29, 24, 0x00FF00},
         {30, 70, 3, 60, 8, 69, 0x0000FF},
         {30, 300, 0, 299, 29, 299, 0xFF00FF},
         {30, 5, -1, 0, -2, 0, 0},
         {30, 400, 1, 390, 2, 399, 0x00FFFF}},
        // width changes between growths
        {{30, 30, 0, 0, 29, 29, 0xFF0000},
         {20, 45, 0, 40, 19, 44, 0x00FF00},
         {35, 20, -1, 0, -2, 0, 0},
         {35, 60, 30, 0, 34, 59, 0x0000FF}},
        // to nothing and back
        {{25, 25, 0, 0, 24, 24, 0xFF0000}, {25, 0, -1, 0, -2, 0, 0}, {25, 40, 0, 39, 3, 39, 0x00FF00}},
    };
    for (int ratio : {1, 2}) {
        for (std::size_t r = 0; r < runs.size(); ++r) {
            RasterSurface s(u"PictureTEXTE"_s, runs[r].front().width, 1, ratio);
            QImage expected(int(std::ceil(s.width() * ratio)), ratio, QImage::Format_RGB32);
            expected.fill(Qt::white);
            for (std::size_t k = 0; k < runs[r].size(); ++k) {
                const SizeStep &step = runs[r][k];
                ASSERT_TRUE(s.setWidth(step.width));
                ASSERT_TRUE(s.setHeight(step.height));
                if (step.right >= step.left)
                    s.line(15.0 * step.left, 15.0 * step.top, 15.0 * step.right, 15.0 * step.bottom,
                           QColor::fromRgb(step.colour), LineStyle::Fill);
                expected = expectedAfter(expected, step, ratio);
                const QImage &shown = s.image();
                ASSERT_EQ(shown.size(), expected.size())
                    << "run " << r << " step " << k << " ratio " << ratio;
                if (shown.isNull())
                    continue;
                EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32), expected)
                    << "run " << r << " step " << k << " ratio " << ratio;
            }
        }
    }
}

// A taller page within the rows held needs no new memory; a copy of the image
// taken before keeps its pixels whatever the surface does next.
TEST(RasterSurface, GrowsInPlaceAndCopiesStayIntact)
{
    RasterSurface s(u"PictureTEXTE"_s, 40, 100, 1);
    s.line(0, 0, 15 * 39, 15 * 9, Qt::red, LineStyle::Fill);
    ASSERT_TRUE(s.setHeight(150));
    const uchar *rows = s.image().constBits();
    ASSERT_TRUE(s.setHeight(60));
    ASSERT_TRUE(s.setHeight(190));
    EXPECT_EQ(s.image().constBits(), rows);
    EXPECT_EQ(count(s.image(), 0xFF0000), 400);

    const QImage held = s.image();
    const QImage snapshot = held.copy();
    s.line(0, 15 * 20, 15 * 39, 15 * 29, Qt::blue, LineStyle::Fill); // drawn after the copy
    ASSERT_TRUE(s.setHeight(10));
    ASSERT_TRUE(s.setHeight(180));
    ASSERT_TRUE(s.setHeight(5000));
    s.line(0, 15 * 4000, 15 * 39, 15 * 4000, Qt::green, LineStyle::Fill);
    EXPECT_EQ(count(s.image(), 0xFF0000), 400);
    EXPECT_EQ(count(s.image(), 0x0000FF), 0); // cut off by the height of 10
    EXPECT_EQ(held, snapshot);
}
