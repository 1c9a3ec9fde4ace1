#include "core/render/linkelements.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct GeometryCase {
    const char *name;
    LinkArray array;
    double left, top, width, height; // twips
    QRect expected;                  // pixels
};

void PrintTo(const GeometryCase &c, std::ostream *os)
{
    *os << c.name;
}

class LinkGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(LinkGeometryTest, PlacesTheWidgetWhereTheRendererMeasuredTheLink)
{
    const GeometryCase c = GetParam();
    LinkItem item;
    item.left = c.left;
    item.top = c.top;
    item.width = c.width;
    item.height = c.height;
    EXPECT_EQ(LinkElements::widgetGeometry(c.array, item), c.expected);
}

// Left and top round to the nearest pixel (halves away from zero), width and
// height round up; a text link takes one more pixel for an italic overhang.
INSTANTIATE_TEST_SUITE_P(
    Cases, LinkGeometryTest,
    ::testing::Values(GeometryCase{"WholePixels", LinkArray::Imagelien, 150, 300, 480, 480, {10, 20, 32, 32}},
                      GeometryCase{
                          "TextLinkOneWider", LinkArray::Labelien, 150, 300, 1320, 240, {10, 20, 89, 16}},
                      GeometryCase{"FractionsRoundUp", LinkArray::Imagelien, 0, 0, 301, 16, {0, 0, 21, 2}},
                      GeometryCase{"LeftBelowHalfDown", LinkArray::Imagelien, 157, 0, 15, 15, {10, 0, 1, 1}},
                      GeometryCase{"LeftAtHalfUp", LinkArray::Imagelien, 157.5, 22.5, 15, 15, {11, 2, 1, 1}},
                      GeometryCase{"EmptyTextLink", LinkArray::Labelien, 0, 0, 0, 0, {0, 0, 1, 0}},
                      GeometryCase{"NegativeLeft", LinkArray::Imagelien, -30, -7, 30, 30, {-2, 0, 2, 2}}),
    [](const ::testing::TestParamInfo<GeometryCase> &info) { return std::string(info.param.name); });

TEST(LinkTextTest, CaptionLinesBecomeLinesOfTheWidget)
{
    LinkItem item;
    item.font.name = u"Arial"_s;
    item.caption = u"Sommaire\r\nde chimie"_s;
    EXPECT_EQ(LinkElements::widgetText(item), u"Sommaire\nde chimie"_s);
    item.caption = u"Une ligne"_s;
    EXPECT_EQ(LinkElements::widgetText(item), u"Une ligne"_s);
    // A lone line feed is not a line break of the caption.
    item.caption = u"a\nb"_s;
    EXPECT_EQ(LinkElements::widgetText(item), u"a\nb"_s);
}

TEST(LinkTextTest, SymbolFontCaptionsAreMappedLineByLine)
{
    LinkItem item;
    item.font.name = u"Symbol"_s;
    item.caption = u"a\r\np"_s;
    // Symbol's a and p are the Greek alpha and pi.
    EXPECT_EQ(LinkElements::widgetText(item), u"\u03b1\n\u03c0"_s);
}

} // namespace
