// Reading command arguments by position.

#include "core/render/markuptext.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;

TEST(MarkupText, PositionsCountFromOne)
{
    const QStringView c = u"LEWIS-05010";
    EXPECT_EQ(MarkupText::mid(c, 6, 3), u"-05");
    EXPECT_EQ(MarkupText::right(c, 3), u"010");
    EXPECT_EQ(MarkupText::left(c, 5), u"LEWIS");
    EXPECT_EQ(MarkupText::mid(c, 12), u"");
    EXPECT_EQ(MarkupText::mid(c, 11), u"0");
    EXPECT_EQ(MarkupText::mid(u"IND", 4), u"");
    EXPECT_EQ(MarkupText::right(u"SI", 3), u"SI");
    EXPECT_EQ(MarkupText::left(u"SI", 4), u"SI");
    EXPECT_EQ(MarkupText::right(u"", 2), u"");
    EXPECT_EQ(MarkupText::mid(u"abc", 0, 2), u"ab");
}

TEST(MarkupText, ValuesAreLenient)
{
    const std::pair<const char16_t *, double> cases[] = {
        {u"010", 10}, {u"-05", -5}, {u" 2", 2}, {u"1.50", 1.5},
        {u"I8", 0},   {u"", 0},     {u"3x", 3}, {u"1D2", 100},
    };
    for (auto [text, value] : cases)
        EXPECT_EQ(MarkupText::value(text), value) << QString::fromUtf16(text).toStdString();
}

TEST(MarkupText, SplitAtTheLastHashBeforeTheEnd)
{
    struct Case {
        const char16_t *text;
        qsizetype searchFrom, firstFrom;
        const char16_t *first; // nullptr: no split
        const char16_t *second;
    };
    const Case cases[] = {
        {u"FRAC1#2#3", 5, 5, u"1#2", u"3"},
        {u"FRAC#2", 5, 5, u"", u"2"},
        {u"FRAC12#", 5, 5, nullptr, nullptr}, // the last position does not count
        {u"FRAC12", 5, 5, nullptr, nullptr},
        {u"FRA#12", 5, 5, nullptr, nullptr}, // before position 5
        {u"LIERTvoir la loi#PAG012", 5, 6, u"voir la loi", u"PAG012"},
        {u"LIERT#PAG012", 5, 6, u"", u"PAG012"},
        {u"LIERTa#b#PA0001", 5, 6, u"a#b", u"PA0001"},
    };
    for (const Case &c : cases) {
        const auto split = MarkupText::splitAtLastHash(c.text, c.searchFrom, c.firstFrom);
        const std::string name = QString::fromUtf16(c.text).toStdString();
        if (!c.first) {
            EXPECT_FALSE(split) << name;
            continue;
        }
        ASSERT_TRUE(split) << name;
        EXPECT_EQ(split->first, QStringView(c.first)) << name;
        EXPECT_EQ(split->second, QStringView(c.second)) << name;
    }
}
