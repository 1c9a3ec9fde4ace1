// Table commands: cells, row closers, line colours, row backgrounds.

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/rastersurface.h"
#include "renderfixture.h"

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::StringLiterals;

namespace {

class Table : public RenderFixture {
protected:
    // The two-cell row (cell 1 from 10 to 200 pixels with two lines, cell 2
    // from 200 to 400 pixels with one line), then the lines given.
    void renderTwoCellsThen(std::initializer_list<const char *> tail)
    {
        QString text = QString::fromUtf8("##TAB01020001\r\nab¶\r\ncd¶\r\n##TAB20040002\r\nef¶\r\n");
        for (const char *l : tail)
            text += QString::fromUtf8(l) + u"\r\n"_s;
        renderer.RenderPageText(text);
    }
};

// The five row lines top, bottom, left, inner (cell 2), right of that row,
// 480 twips high.
void expectRowLines(const std::vector<QJsonObject> &l, size_t first = 0)
{
    ASSERT_GE(l.size(), first + 5);
    EXPECT_LINE(l[first + 0], 150, 0, 6000, 0);
    EXPECT_LINE(l[first + 1], 150, 480, 6000, 480);
    EXPECT_LINE(l[first + 2], 150, 0, 150, 480);
    EXPECT_LINE(l[first + 3], 3000, 0, 3000, 480);
    EXPECT_LINE(l[first + 4], 6000, 0, 6000, 480);
}

} // namespace

TEST_F(Table, CellsAndRowLines)
{
    renderTwoCellsThen({"##FINTAB", "x", "##ALDR", "y"});

    const auto p = prints();
    ASSERT_EQ(p.size(), 5u);
    EXPECT_PRINT(p[0], 270, 0, "ab"); // 15 x 10 + 120 inside the left border
    EXPECT_PRINT(p[1], 270, 240, "cd");
    EXPECT_PRINT(p[2], 3120, 0, "ef");  // the second cell starts at the top of the row
    EXPECT_PRINT(p[3], 0, 480, "x");    // the row is as tall as its tallest cell
    EXPECT_PRINT(p[4], 8880, 480, "y"); // the column is the full width again
    const auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    expectRowLines(l);
    for (const auto &rec : l) {
        EXPECT_EQ(str(rec, "color"), u"#0000ff");
        EXPECT_EQ(str(rec, "style"), u"line");
    }
}

TEST_F(Table, InsideACellTheMarginsAreTheCells)
{
    render({"##TAB01020001", "##ALDR", "ab¶", "##ALCE", "cd¶", "##FINTAB"});
    const auto p = prints();
    EXPECT_PRINT(p[0], 2640, 0, "ab");                     // 200 x 15 - 120 - 240
    EXPECT_PRINT(p[1], (270 + 2880 - 240) / 2, 240, "cd"); // centred between 270 and 2880
}

TEST_F(Table, LineColoursAndTheirReset)
{
    render({"##TCH12", "##TCB10", "##TCG00", "##TCI13", "##TCD05", "##TCH16", "##TCB-1", "##TCGxx",
            "##TAB01020001", "a¶", "##TAB20040002", "##FINTAB"});
    const char *colours[] = {"#ff0000", "#00ff00", "#000000", "#ff00ff", "#800080"};
    auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(str(l[i], "color"), QString::fromLatin1(colours[i])) << i; // 16, -1: kept; "xx" reads 0

    log.clear();
    render({"##TAB01020001", "a¶", "##FINTAB"}); // a new body: every line blue again
    l = lines();
    ASSERT_EQ(l.size(), 4u);
    for (const auto &rec : l)
        EXPECT_EQ(str(rec, "color"), u"#0000ff");
}

TEST_F(Table, RowWithoutLineEndHasTopAndBottomTogether)
{
    render({"A¶", "##TAB00010001", "x", "##TAB01020002", "y", "##FINTAB", "z"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_LINE(l[0], 0, 240, 3000, 240);
    EXPECT_LINE(l[1], 0, 240, 3000, 240);
    EXPECT_PRINT(prints()[3], 0, 240, "z");
}

TEST_F(Table, InnerLinesOnlyWhereThisRowOpenedACell)
{
    // Cells 1, 2 and 31: no border is kept for cell 31 (its text still goes
    // in it); the row opened nothing at 3 to 30, so those draw nothing.
    render({"##TAB00010001", "a¶", "##TAB10020002", "b¶", "##TAB20030031", "c¶", "##FINTAB"});
    auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_LINE(l[2], 0, 0, 0, 240);       // left
    EXPECT_LINE(l[3], 1500, 0, 1500, 240); // inner: cell 2
    EXPECT_LINE(l[4], 4500, 0, 4500, 240); // right: the last cell's right border
    EXPECT_PRINT(prints()[2], 3120, 0, "c");

    // A row that skips a number draws no line at a border of another row.
    log.clear();
    state.pageHeight = 0;
    render({"##TAB00010001", "##TAB10020002", "##TAB20030003", "##FINTAB", "##TAB00010001", "##TAB20030003",
            "##FINTAB"});
    l = lines();
    ASSERT_EQ(l.size(), 6u + 5u);
    EXPECT_LINE(l[3], 1500, 0, 1500, 0); // first row: cells 2 and 3
    EXPECT_LINE(l[4], 3000, 0, 3000, 0);
    EXPECT_LINE(l[9], 3000, 0, 3000, 0); // second row: cell 3 only
    EXPECT_LINE(l[10], 4500, 0, 4500, 0);
}

TEST_F(Table, CrossedFirstCell)
{
    renderTwoCellsThen({"##TCH04", "##FINTAX", "x"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 6u);
    expectRowLines(l);
    EXPECT_LINE(l[5], 150, 0, 3000, 480);
    EXPECT_EQ(str(l[5], "color"), u"#800000"); // the top line's colour
    // The diagonal does not move the start of the line below the row.
    EXPECT_PRINT(prints()[3], 0, 480, "x");
}

TEST_F(Table, ReturnToTheTopOfTheRow)
{
    renderTwoCellsThen({"##FTABRET", "##ALDR", "x¶", "##ALGA", "y"});
    expectRowLines(lines());
    const auto p = prints();
    EXPECT_PRINT(p[3], 5760, 0, "x"); // old rightEdge 5880, at the top of the row
    EXPECT_PRINT(p[4], 0, 240, "y");  // left margin 0
}

TEST_F(Table, InvisibleTable)
{
    render({"##TAB01020001", "ab¶", "cd¶", "##FINITAB", "x"});
    EXPECT_TRUE(lines().empty());
    EXPECT_PRINT(prints()[2], 0, 480, "x");
}

TEST_F(Table, UnclosedRowContinuesWithTheNextTab)
{
    render({"##TAB01020001", "ab¶", "cd¶", "e", "##TAB01020001", "f¶"});
    EXPECT_TRUE(lines().empty());
    EXPECT_PRINT(prints()[3], 270, 0, "f"); // back at the top of the open row
}

TEST_F(Table, RowBackgrounds)
{
    struct Case {
        const char *closer;
        const char *colour;
    };
    const Case cases[] = {{"##FINTAC01", "#dcffe6"}, {"##FINTAC02", "#ffffdc"}, {"##FINTAC04", "#dce6ff"},
                          {"##FINTAC05", "#fff0dc"}, {"##FINTAC06", "#ff9696"}, {"##FINTAC07", "#ffff00"},
                          {"##FINTAC", "#ffff00"}};
    for (const Case &c : cases) {
        log.clear();
        state.pageHeight = 0;
        renderTwoCellsThen({c.closer, "##K001", "x"});
        const auto l = lines();
        ASSERT_EQ(l.size(), 2u) << c.closer;
        EXPECT_LINE(l[0], 150, 0, 6000, 480);
        EXPECT_EQ(str(l[0], "style"), u"fill");
        EXPECT_EQ(str(l[0], "color"), QString::fromLatin1(c.colour)) << c.closer;
        EXPECT_EQ(num(l[0], "mode"), 9);
        EXPECT_EQ(num(l[1], "mode"), 13) << "the bond after the row is drawn normally";
        EXPECT_EQ(num(l[1], "y1"), 480 + 120);
    }
}

TEST_F(Table, GradientRowOneLinePerPixel)
{
    render({"##TAB01020001", "ab¶", "cd¶", "##TAB20040002", "##FINTAC03"});
    const auto l = lines();
    ASSERT_EQ(l.size(), 33u); // y = 0, 15, ..., 480
    struct Row {
        size_t i;
        double y;
        int k;
    };
    // k = nearest(y / 480 x 200 + 55), halves to even
    const Row rows[] = {{0, 0, 55},     {1, 15, 61},    {2, 30, 68},   {6, 90, 92},
                        {16, 240, 155}, {31, 465, 249}, {32, 480, 255}};
    for (const Row &r : rows) {
        EXPECT_LINE(l[r.i], 150, r.y, 6000, r.y);
        EXPECT_EQ(str(l[r.i], "color"), QColor(255, 255, r.k).name()) << r.y;
        EXPECT_EQ(num(l[r.i], "mode"), 9);
    }
}

TEST_F(Table, GradientOfAFlatRowAndInPrintMode)
{
    render({"##TAB00010001", "##FINTAC03"});
    auto l = lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(str(l[0], "color"), u"#ffff64"); // k = 100

    // Printing: step = the device's twips per pixel (15 here) x DrawWidth 3.
    log.clear();
    state.pageHeight = 0;
    state.printMode = true;
    render({"##TAB00010001", "a¶", "b¶", "##FINTAC03"});
    l = lines();
    ASSERT_EQ(l.size(), 11u); // 0, 45, ..., 450
    EXPECT_EQ(num(l[1], "y1"), 45);
    EXPECT_EQ(num(l[10], "y1"), 450);
}

TEST_F(Table, FullWidthWhenPrintingIsSixHundredScreenPixels)
{
    body->setWidth(300);
    log.clear();
    state.printMode = true;
    render({"##TAB00010001", "##FINTAB", "##ALDR", "x"});
    EXPECT_PRINT(prints()[0], 8880, 0, "x");
}

TEST_F(Table, AVeryTallGradientRowStillEnds)
{
    // 100 x 999 pixels of PIY: 1,498,500 twips, 99,900 pixel lines; drawn in
    // steps of ceil(1498500 / 40000) = 38 twips, 39,435 lines.
    QString text = u"##TAB00010001\r\n"_s;
    for (int i = 0; i < 100; ++i)
        text += u"##PIY999\r\n"_s;
    renderer.RenderPageText(text + u"##FINTAC03\r\n"_s);
    const auto l = lines();
    ASSERT_EQ(l.size(), 39435u);
    EXPECT_EQ(num(l[1], "y1"), 38);
    EXPECT_EQ(str(l.front(), "color"), u"#ffff37");
}

// On the raster surface the AND fill leaves the text of the row dark.
TEST(TableRaster, PinkRowKeepsItsTextReadable)
{
    const QString row = u"##TAB00020001\r\nWWWW HHHH\u00B6\r\n"_s;
    auto draw = [](const QString &body) {
        OffscreenHost host;
        RenderState state;
        PageRenderer renderer(state, host);
        auto *page = static_cast<RasterSurface *>(&host.addSurface(std::make_unique<RasterSurface>(
            u"PictureTEXTE"_s, 600, 1000, 1.0, std::make_shared<TestMetrics>())));
        renderer.setSurface(page);
        renderer.RenderPageText(body);
        return page->image().copy();
    };
    const QImage plain = draw(row + u"##FINITAB\r\n"_s);
    const QImage pink = draw(row + u"##FINTAC06\r\n"_s);
    ASSERT_EQ(plain.size(), pink.size());
    int dark = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < 40; ++x) {
            if (plain.pixelColor(x, y).lightness() < 80) {
                ++dark;
                EXPECT_LT(pink.pixelColor(x, y).lightness(), 80) << x << "," << y;
            }
        }
    }
    EXPECT_GT(dark, 20);
    // The row covers x 0 to 3000 twips (pixels 0 to 200) and the whole
    // 16-pixel body: pink where there is no text.
    ASSERT_EQ(pink.height(), 16);
    EXPECT_EQ(pink.pixelColor(150, 8), QColor(255, 150, 150));
    EXPECT_EQ(pink.pixelColor(150, 15), QColor(255, 150, 150));
    EXPECT_EQ(pink.pixelColor(201, 8), QColor(Qt::white));
}

TEST(TableRaster, GradientRowsOnePixelEach)
{
    OffscreenHost host;
    RenderState state;
    PageRenderer renderer(state, host);
    auto *page = static_cast<RasterSurface *>(&host.addSurface(
        std::make_unique<RasterSurface>(u"PictureTEXTE"_s, 600, 1000, 1.0, std::make_shared<TestMetrics>())));
    renderer.setSurface(page);
    renderer.RenderPageText(u"##TAB00020001\r\n##PIY032\r\n##FINTAC03\r\n##PIY010\r\n\u00B6\r\n"_s);
    // rowTop 0, rowBottom 480: pixel row n is y = 15n, k = nearest(n x 6.25 + 55)
    EXPECT_EQ(page->image().pixelColor(50, 0), QColor(255, 255, 55));
    EXPECT_EQ(page->image().pixelColor(50, 2), QColor(255, 255, 68));
    EXPECT_EQ(page->image().pixelColor(50, 16), QColor(255, 255, 155));
    EXPECT_EQ(page->image().pixelColor(50, 32), QColor(255, 255, 255));
}
