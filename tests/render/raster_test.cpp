// The renderer on the real raster surfaces.

#include "core/render/markuprender.h"
#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/rastersurface.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct RasterPage {
    OffscreenHost host;
    RenderState state;
    PageRenderer renderer{state, host};
    RasterSurface *page = nullptr;

    explicit RasterPage(qreal ratio = 1.0)
    {
        page = static_cast<RasterSurface *>(&host.addSurface(std::make_unique<RasterSurface>(
            u"PictureTEXTE"_s, 600, 1000, ratio, std::make_shared<TestMetrics>())));
        renderer.setSurface(page);
    }
    void render(const QString &body) { renderer.RenderPageText(body); }
    QColor at(int x, int y) const { return page->image().pixelColor(x, y); }
};

} // namespace

TEST(RasterRender, RectangleCoversItsPixelCells)
{
    RasterPage p;
    // Box (0,0)-(300,150) twips: cells 0..20 x 0..10; the body ends at 540 twips.
    p.render(u"##C011\r\n##RECT020010\r\n##PIY010\r\n\u00B6\r\n"_s);
    EXPECT_EQ(p.state.pageHeight, 540);
    EXPECT_EQ(p.page->height(), 36);
    ASSERT_EQ(p.page->image().height(), 36);
    EXPECT_EQ(p.at(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(p.at(20, 10), QColor(255, 0, 0));
    EXPECT_EQ(p.at(21, 5), QColor(Qt::white));
    EXPECT_EQ(p.at(5, 11), QColor(Qt::white));
}

TEST(RasterRender, SharpAtDevicePixelRatioTwo)
{
    RasterPage p(2.0);
    p.render(u"##K001\r\n##PIY010\r\n\u00B6\r\n"_s);
    // K001: (0,120)-(120,120) twips, cells 0..8 of row 8: device rows 16 and 17.
    const QImage &img = p.page->image();
    EXPECT_EQ(img.devicePixelRatio(), 2.0);
    EXPECT_EQ(img.pixelColor(4, 16), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(4, 17), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(4, 15), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(4, 18), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(17, 16), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(18, 16), QColor(Qt::white));
}

TEST(RasterRender, FiftyThousandLinesStayWithinTheHeightCap)
{
    RasterPage p;
    QString body;
    for (int i = 0; i < 50000; ++i)
        body += (i % 2 ? u"##K003\r\n"_s : u"Ligne de texte\u00B6\r\n"_s);
    p.render(body);
    // 25000 x (240 + 192) twips
    EXPECT_EQ(p.state.pageHeight, 25000 * 432);
    EXPECT_EQ(p.page->height(), 25000 * 432 / 15.0);
    EXPECT_LE(p.page->image().height(), RasterSurface::kMaxHeight);
    EXPECT_GT(p.page->image().height(), 0);
}

TEST(RasterRender, LineOfAHundredThousandCharacters)
{
    RasterPage p;
    p.render(QString(100000, u'W') + u"\u00B6\r\n##FRAC"_s + QString(100000, u'#') + u"\r\n"_s);
    EXPECT_EQ(p.state.pageHeight, 240);
    EXPECT_EQ(p.page->image().width(), 600);
}

TEST(RasterRender, PictureOfTheBodyWithRealFonts)
{
    MarkupRenderOptions options;
    const auto image = MarkupRender::picture(u"##SI12\r\nH\r\n##IND2\r\nO\u00B6\r\n"_s, options, nullptr);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 600);
    // One line of Arial 12: a little over 18 pixels.
    EXPECT_GE(image->height(), 18);
    EXPECT_LE(image->height(), 20);
    bool inked = false;
    for (int x = 0; x < 40 && !inked; ++x)
        for (int y = 0; y < image->height() && !inked; ++y)
            inked = image->pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(inked);
}

TEST(RasterRender, EmptyBodyHasNoPicture)
{
    QString error;
    EXPECT_FALSE(MarkupRender::picture(u""_s, MarkupRenderOptions{}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RasterRender, TitleBandsRepaintedOverThemselvesAreDrawnOnce)
{
    RasterPage p;
    auto *titre = static_cast<RasterSurface *>(&p.host.addSurface(
        std::make_unique<RasterSurface>(u"titre"_s, 600, 60, 1.0, std::make_shared<TestMetrics>())));
    auto *bastitre = static_cast<RasterSurface *>(&p.host.addSurface(
        std::make_unique<RasterSurface>(u"bastitre"_s, 600, 30, 1.0, std::make_shared<TestMetrics>())));
    auto pixels = [&] { return std::pair{titre->image().copy(), bastitre->image().copy()}; };

    QString body;
    for (int i = 0; i < 5000; ++i)
        body += u"##DGFOND2\r\n"_s;
    p.render(body);
    const auto once = pixels();
    EXPECT_EQ(once.first.pixelColor(10, 0), QColor(255, 225, 195));
    // The first paint resizes and draws 61 lines on titre; the 4,999 others leave it alone.
    const quint64 afterFirstBody = titre->changeCount();
    EXPECT_LT(afterFirstBody, 100u);

    // Something drawn on a band in between: the next paint draws it over.
    titre->line(0, 0, 9000, 900, Qt::black, LineStyle::Fill);
    p.render(u"##DGFOND2\r\n"_s);
    EXPECT_EQ(pixels().first, once.first);
    EXPECT_GT(titre->changeCount(), afterFirstBody + 60);

    // Another style, and another pen, are paints of their own.
    p.render(u"##DGFOND3\r\n"_s);
    EXPECT_EQ(titre->image().pixelColor(10, 0), QColor(255, 255, 195));
    const quint64 beforePen = titre->changeCount();
    titre->setDrawWidth(3);
    p.render(u"##DGFOND3\r\n"_s);
    EXPECT_GT(titre->changeCount(), beforePen);
}
