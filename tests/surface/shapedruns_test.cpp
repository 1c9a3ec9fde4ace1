#include "core/surface/fontmapper.h"
#include "core/surface/fontmeasurer.h"
#include "core/surface/rastersurface.h"
#include "core/surface/shapedruns.h"

#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct RunCase {
    const char *font;
    double size;
    bool bold;
    bool italic;
    bool underline;
    const char *text; // UTF-8
};

// Plain text, kerning pairs, accents, text that falls back to other fonts,
// symbol-font text, a combining mark, right-to-left text, a soft hyphen, a tab
// and leading and trailing blanks.
const RunCase kRuns[] = {
    {"Arial", 10, false, false, false, "Un solide de masse m, anim\u00e9 d'un mouvement"},
    {"Arial", 14, true, false, false, "1. \u00c9nergie cin\u00e9tique"},
    {"Times New Roman", 12, false, true, false, "AVAWAY Ta Te To fi fl"},
    {"Comic Sans MS", 10, false, false, false, "longueur d'onde \u03bb, ou plus petit"},
    {"Arial", 10, false, false, true, "Voir la loi de Newton"},
    {"Symbol", 12, false, false, false, "abgDm\u00b7\u00be\u00ae"},
    {"Courier New", 10, false, false, false, "x\u0338 = 2,97 \u00d7 10\u207b\u00b9\u2079"},
    {"Verdana", 8, false, true, false, "\u05e9\u05dc\u05d5\u05dd abc"},
    {"Arial", 10, false, false, false, "a\u00adb\tc"},
    {"Arial", 24, true, true, false, "  m\u00b7s\u207b\u00b9  "},
};

class ShapedRunText : public ::testing::TestWithParam<RunCase> {
protected:
    FontSpec runFont() const
    {
        const RunCase &c = GetParam();
        FontSpec f;
        f.name = QString::fromUtf8(c.font);
        f.size = c.size;
        f.bold = c.bold;
        f.italic = c.italic;
        f.underline = c.underline;
        return f;
    }
    QString text() const { return QString::fromUtf8(GetParam().text); }
};

// The advance of a shaped run is the one the font's metrics give, to the last bit.
TEST_P(ShapedRunText, AdvanceIsTheMetricsAdvance)
{
    const QString drawn = FontMapper::mapText(runFont().name, text());
    const QFont font = FontMeasurer::makeFont(runFont());
    EXPECT_EQ(ShapedRuns::shape(font, drawn).advance, QFontMetricsF(font).horizontalAdvance(drawn));
    FontMeasurer measurer;
    RasterSurface s(u"PictureTEXTE"_s, 600, 60, 1);
    s.setFontName(runFont().name);
    s.setFontSize(runFont().size);
    s.setBold(runFont().bold);
    s.setItalic(runFont().italic);
    s.setUnderline(runFont().underline);
    EXPECT_EQ(s.textWidth(text()), measurer.width(runFont(), text()));
}

// Text drawn from its shaped run has the pixels of QPainter::drawText, at whole
// and fractional positions and at any device pixel ratio.
TEST_P(ShapedRunText, DrawnAsDrawTextDrawsIt)
{
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        for (const QPointF at : {QPointF(45, 30), QPointF(52, 347), QPointF(7.5, 101.25)}) {
            RasterSurface s(u"PictureTEXTE"_s, 600, 60, ratio);
            s.setFontName(runFont().name);
            s.setFontSize(runFont().size);
            s.setBold(runFont().bold);
            s.setItalic(runFont().italic);
            s.setUnderline(runFont().underline);
            s.setForeColor(QColor(0, 0, 128));
            s.setCurrentX(at.x());
            s.setCurrentY(at.y());
            s.textWidth(text()); // measured first, as the renderer does for centred text
            s.print(text());

            QImage expected(s.image().size(), QImage::Format_RGB32);
            expected.setDevicePixelRatio(ratio);
            expected.fill(Qt::white);
            {
                FontMeasurer fonts;
                QPainter p(&expected);
                p.setRenderHint(QPainter::TextAntialiasing, true);
                p.setFont(fonts.font(runFont()));
                p.setPen(QColor(0, 0, 128));
                const QString drawn = FontMapper::mapText(runFont().name, text());
                if (!drawn.contains(QChar(0x23AF)))
                    p.drawText(QPointF(at.x() / 15, at.y() / 15 + fonts.ascentPixels(runFont())), drawn);
            }
            if (FontMapper::mapText(runFont().name, text()).contains(QChar(0x23AF)))
                continue; // long arrows are drawn in pieces, see RasterSurface.LongArrowIsContinuous
            EXPECT_EQ(s.image(), expected) << "ratio " << ratio << " at " << at.x() << "," << at.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ShapedRunText, ::testing::ValuesIn(kRuns));

// A run is shaped once per page: measuring it and drawing it share the layout,
// a new font is a new run, and clearing the surface starts the page again.
TEST(ShapedRuns, OncePerRunAndPage)
{
    RasterSurface s(u"PictureTEXTE"_s, 600, 100, 1);
    const ShapedRuns &runs = s.shapedRuns();
    s.textWidth(u"E = m c"_s);
    s.print(u"E = m c"_s);
    s.textWidth(u"E = m c"_s);
    EXPECT_EQ(runs.shapedCount(), 1u);
    s.setUnderline(true); // drawn alike, measured alike
    s.print(u"E = m c"_s);
    EXPECT_EQ(runs.shapedCount(), 1u);
    s.setBold(true);
    s.print(u"E = m c"_s);
    EXPECT_EQ(runs.shapedCount(), 2u);
    EXPECT_EQ(runs.size(), 2);
    s.clear();
    EXPECT_EQ(runs.size(), 0);
    s.print(u"E = m c"_s);
    EXPECT_EQ(runs.shapedCount(), 3u);
}

// Measuring with the fixed test metrics shapes nothing.
TEST(ShapedRuns, TestMetricsShapeNothing)
{
    RasterSurface s(u"PictureTEXTE"_s, 600, 100, 1, std::make_shared<TestMetrics>());
    EXPECT_EQ(s.textWidth(u"abc"_s), 360);
    EXPECT_EQ(s.shapedRuns().shapedCount(), 0u);
}

// The cache of a page holds at most kCapacity runs.
TEST(ShapedRuns, Bounded)
{
    ShapedRuns runs;
    const QFont font = FontMeasurer::makeFont(FontSpec{});
    for (int i = 0; i < ShapedRuns::kCapacity + 10; ++i) {
        const ShapedRun &r = runs.run(u"arial|13|--"_s, font, QString::number(i));
        EXPECT_GT(r.advance, 0);
        EXPECT_LE(runs.size(), ShapedRuns::kCapacity);
    }
    EXPECT_EQ(runs.shapedCount(), quint64(ShapedRuns::kCapacity + 10));
    EXPECT_LT(runs.size(), ShapedRuns::kCapacity);
}

} // namespace
