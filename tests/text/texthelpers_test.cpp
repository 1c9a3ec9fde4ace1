#include "core/text/cp1252.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"
#include "core/text/numbertext.h"
#include "core/text/palette.h"
#include "testsupport.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>

using namespace vorlane;

struct ReadCase {
    const char *text;
    double value;
};

void PrintTo(const ReadCase &c, std::ostream *os)
{
    *os << '"' << c.text << '"';
}

class DecimalReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(DecimalReadTest, ReadsLongestPrefix)
{
    const ReadCase c = GetParam();
    EXPECT_DOUBLE_EQ(DecimalRead(QString::fromUtf8(c.text)), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalReadTest,
    ::testing::Values(ReadCase{"", 0}, ReadCase{"abc", 0}, ReadCase{"   42", 42}, ReadCase{"028", 28},
                      ReadCase{"-3.5x", -3.5}, ReadCase{"+7", 7}, ReadCase{"1.2.3", 1.2}, ReadCase{".5", 0.5},
                      ReadCase{"-.25", -0.25}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"1E+3", 1000},
                      ReadCase{"1e3", 1000}, ReadCase{"2D2", 200}, ReadCase{"2d-1", 0.2}, ReadCase{"1E", 1},
                      ReadCase{"1E+", 1}, ReadCase{"1.50", 1.5}, ReadCase{"I8", 0}, ReadCase{"2 3", 2},
                      ReadCase{"--3", 0}, ReadCase{"12abc", 12}, ReadCase{"1E-400", 0}));

TEST(DecimalRead, OverflowReadsAsInfinity)
{
    EXPECT_TRUE(std::isinf(DecimalRead(u"1E999")));
    EXPECT_LT(DecimalRead(u"-1E999"), 0);
}

TEST(DecimalRead, IgnoresTheProcessLocale)
{
    // A French locale uses the comma; reading must not stop at the point.
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr)
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(DecimalRead(u"1.5"), 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ToWhole, HalvesGoToEven)
{
    const std::pair<double, std::int64_t> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},
                                                     {-2.5, -2}, {-3.5, -4}, {2.4999, 2}, {2.5001, 3}};
    for (auto [in, expected] : cases) {
        std::int64_t out = 99;
        ASSERT_TRUE(ToWhole(in, out));
        EXPECT_EQ(out, expected) << in;
    }
    std::int64_t out = 0;
    EXPECT_FALSE(ToWhole(NAN, out));
    EXPECT_FALSE(ToWhole(1e300, out));
}

TEST(Int16Field, AssignmentThatDoesNotFitIsSkipped)
{
    std::int16_t f = 5;
    EXPECT_TRUE(AssignInt16(f, 32767));
    EXPECT_EQ(f, 32767);
    EXPECT_FALSE(AssignInt16(f, 32768));
    EXPECT_EQ(f, 32767);
    EXPECT_TRUE(AssignInt16(f, -32768.4));
    EXPECT_EQ(f, -32768);
    EXPECT_FALSE(AssignInt16(f, -32768.6));
    EXPECT_EQ(f, -32768);
    EXPECT_TRUE(AssignInt16(f, 32767.5) == false); // rounds to 32768, even
    EXPECT_FALSE(AssignInt16(f, INFINITY));
    std::int32_t g = 1;
    EXPECT_FALSE(AssignInt32(g, 3e9));
    EXPECT_EQ(g, 1);
}

TEST(Palette, SixteenBasicColours)
{
    EXPECT_EQ(PaletteColour(0), QColor(0, 0, 0));
    EXPECT_EQ(PaletteColour(7), QColor(192, 192, 192));
    EXPECT_EQ(PaletteColour(8), QColor(128, 128, 128));
    EXPECT_EQ(PaletteColour(9), QColor(0, 0, 255));
    EXPECT_EQ(PaletteColour(14), QColor(255, 255, 0));
    EXPECT_EQ(PaletteColour(15), QColor(255, 255, 255));
    EXPECT_FALSE(PaletteColour(16).isValid());
    EXPECT_FALSE(PaletteColour(-1).isValid());
}

struct TextCase {
    double value;
    const char *text;
};

void PrintTo(const TextCase &c, std::ostream *os)
{
    *os << c.text;
}

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, Writes)
{
    EXPECT_EQ(NumberText(GetParam().value), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextTest,
    ::testing::Values(TextCase{0, " 0"}, TextCase{3, " 3"}, TextCase{-3, "-3"}, TextCase{0.5, " .5"},
                      TextCase{-0.25, "-.25"}, TextCase{0.0001, " .0001"}, TextCase{0.00001, " 1E-05"},
                      TextCase{1.5e-7, " 1.5E-07"}, TextCase{1e15, " 1E+15"},
                      TextCase{999999999999999, " 999999999999999"}, TextCase{123.456, " 123.456"},
                      TextCase{1.0 / 3, " .333333333333333"}, TextCase{2.0 / 3, " .666666666666667"},
                      TextCase{6.123233995736766e-17, " 6.12323399573677E-17"}, TextCase{1e100, " 1E+100"},
                      TextCase{-1.25e-300, "-1.25E-300"}, TextCase{0.1 + 0.2, " .3"}, TextCase{100, " 100"},
                      TextCase{1e14, " 100000000000000"}));

TEST(ZeroPadded, FormatsOfCodesAndNames)
{
    EXPECT_EQ(ZeroPadded(28, 4), u"0028");
    EXPECT_EQ(ZeroPadded(7, 2), u"07");
    EXPECT_EQ(ZeroPadded(123, 2), u"123");
    EXPECT_EQ(ZeroPadded(161, 5), u"00161");
    EXPECT_EQ(ZeroPadded(-7, 3), u"-007");
}

TEST(Windows1252, HasItsOwnTableForTheHighControls)
{
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("complète")), QByteArray("compl\xE8te"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("€œ…’")), QByteArray("\x80\x9C\x85\x92"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("Мир")), QByteArray("???"));
    EXPECT_EQ(ToWindows1252(QString::fromUtf8("😀")), QByteArray("?")); // one character, one byte
    EXPECT_EQ(FromWindows1252(QByteArray("\x80\x9C\xE9\xB6")), QString::fromUtf8("€œé¶"));
    EXPECT_EQ(FromWindows1252(QByteArray("\x81")), QString(QChar(0x81)));
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(ToWindows1252(FromWindows1252(one)), one) << b;
    }
}
