#include "core/surface/fontmeasurer.h"
#include "testsupport.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

FontSpec fontSpec(const QString &name, double size, bool bold = false, bool italic = false,
                  bool underline = false)
{
    FontSpec f;
    f.name = name;
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    return f;
}

TEST(FontMeasurer, PixelSizesOfPointSizes)
{
    // round(pt x 96 / 72), halves away from zero
    const std::pair<double, int> cases[] = {{10, 13}, {12, 16},  {14, 19},   {8, 11},    {9, 12},
                                            {11, 15}, {7.5, 10}, {10.5, 14}, {13.5, 18}, {20, 27},
                                            {0.3, 1}, {0, 1},    {-3, 1},    {1e9, 2880}};
    for (const auto &[points, px] : cases)
        EXPECT_EQ(FontMeasurer::pixelSize(points), px) << points;
    EXPECT_EQ(FontMeasurer::pixelSize(std::numeric_limits<double>::quiet_NaN()), 1);
}

// Arial 10 pt is Liberation Sans at 13 px: "W" advances 1933/2048 em = 12.27 px,
// "Wq" 19.48 px, the line is (1854 + 434)/2048 em = 14.52 px; 15 twips a pixel.
TEST(FontMeasurer, ArialTenPointInTwips)
{
    const FontMeasurer m;
    const FontSpec arial = fontSpec(u"Arial"_s, 10);
    EXPECT_NEAR(m.width(arial, u"W"_s), 12.27 * 15, 1.5);
    EXPECT_NEAR(m.width(arial, u"Wq"_s), 19.48 * 15, 1.5);
    EXPECT_NEAR(m.height(arial, u"W"_s), 14.52 * 15, 1.5);
    EXPECT_EQ(m.width(arial, QString()), 0);
    EXPECT_DOUBLE_EQ(m.height(arial, QString()), m.height(arial, u"W"_s));
    // Times new roman is its metric twin: "W" is 1933/2048 em there too
    EXPECT_NEAR(m.width(fontSpec(u"Times new roman"_s, 10), u"W"_s), 12.27 * 15, 1.5);
}

TEST(FontMeasurer, WidthsFollowThePixelSize)
{
    const FontMeasurer m;
    const double w10 = m.width(fontSpec(u"Arial"_s, 10), u"Wq"_s);
    const double w20 = m.width(fontSpec(u"Arial"_s, 20), u"Wq"_s);
    EXPECT_NEAR(w20 / w10, 27.0 / 13.0, 0.01);
    const double h10 = m.height(fontSpec(u"Arial"_s, 10), u"W"_s);
    const double h20 = m.height(fontSpec(u"Arial"_s, 20), u"W"_s);
    EXPECT_NEAR(h20 / h10, 27.0 / 13.0, 0.02);
    // a text is as wide as its parts (no kerning between these letters)
    EXPECT_NEAR(m.width(fontSpec(u"Arial"_s, 12), u"abcdef"_s),
                m.width(fontSpec(u"Arial"_s, 12), u"abc"_s) + m.width(fontSpec(u"Arial"_s, 12), u"def"_s),
                0.5);
}

TEST(FontMeasurer, StylesThatChangeWidths)
{
    const FontMeasurer m;
    const QString text = u"Physique et chimie"_s;
    const double regular = m.width(fontSpec(u"Arial"_s, 10), text);
    EXPECT_GT(m.width(fontSpec(u"Arial"_s, 10, true), text), regular);
    EXPECT_DOUBLE_EQ(m.width(fontSpec(u"Arial"_s, 10, false, false, true), text), regular);
    EXPECT_NE(m.width(fontSpec(u"Comic Sans MS"_s, 10), text), regular);
}

TEST(FontMeasurer, SymbolTextIsMeasuredAsDrawn)
{
    const FontMeasurer m;
    const FontSpec symbol = fontSpec(u"Symbol"_s, 12);
    // "abg" is drawn as the Greek letters, which a Symbol run may also hold as such
    EXPECT_DOUBLE_EQ(m.width(symbol, u"abg"_s), m.width(symbol, QString::fromUtf8("αβγ")));
    EXPECT_NE(m.width(symbol, u"abg"_s), m.width(fontSpec(u"Times new roman"_s, 12), u"abg"_s));
    EXPECT_GT(m.width(symbol, QString::fromUtf8("\u00be\u00ae")),
              m.width(symbol, QString::fromUtf8("\u00ae")));
}

TEST(FontMeasurer, ManyTextsStillMeasureTheSame)
{
    const FontMeasurer m;
    const FontSpec arial = fontSpec(u"Arial"_s, 10);
    const double w = m.width(arial, u"W"_s);
    for (int i = 0; i < 5000; ++i)
        m.width(arial, QString::number(i));
    EXPECT_DOUBLE_EQ(m.width(arial, u"W"_s), w);
    EXPECT_NEAR(m.width(arial, u"0"_s) * 4, m.width(arial, u"0000"_s), 0.5);
}

TEST(FontMeasurer, TestMetricsIgnoreTheFont)
{
    const TestMetrics t;
    EXPECT_EQ(t.width(fontSpec(u"Symbol"_s, 10, true), u"Wq"_s), 240);
    EXPECT_EQ(t.height(fontSpec(u"Arial"_s, 12), QString()), 288);
}

} // namespace
