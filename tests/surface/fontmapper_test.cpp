#include "core/surface/fontmapper.h"
#include "core/surface/fontmeasurer.h"
#include "core/text/cp1252.h"
#include "testsupport.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct MapCase {
    const char *font;
    const char *text; // UTF-8, as the page holds it
    const char *drawn;
};

void PrintTo(const MapCase &c, std::ostream *os)
{
    *os << c.font << " / " << c.text;
}

class SymbolMapping : public ::testing::TestWithParam<MapCase> {};

TEST_P(SymbolMapping, DrawsTheUnicodeEquivalent)
{
    const MapCase c = GetParam();
    EXPECT_EQ(FontMapper::mapText(QString::fromUtf8(c.font), QString::fromUtf8(c.text)),
              QString::fromUtf8(c.drawn));
}

INSTANTIATE_TEST_SUITE_P(
    Symbol, SymbolMapping,
    ::testing::Values(
        // Greek letters on the Latin ones
        MapCase{"Symbol", "a", "α"}, MapCase{"Symbol", "b", "β"}, MapCase{"Symbol", "g", "γ"},
        MapCase{"Symbol", "abg", "αβγ"}, MapCase{"Symbol", "D", "Δ"}, MapCase{"Symbol", "W", "Ω"},
        MapCase{"Symbol", "p", "π"}, MapCase{"Symbol", "m", "μ"}, MapCase{"Symbol", "l", "λ"},
        MapCase{"Symbol", "q", "θ"}, MapCase{"Symbol", "Q", "Θ"}, MapCase{"Symbol", "s", "σ"},
        MapCase{"Symbol", "S", "Σ"}, MapCase{"Symbol", "f", "φ"}, MapCase{"Symbol", "j", "ϕ"},
        MapCase{"Symbol", "F", "Φ"}, MapCase{"Symbol", "w", "ω"}, MapCase{"Symbol", "e", "ε"},
        MapCase{"Symbol", "r", "ρ"}, MapCase{"Symbol", "n", "ν"}, MapCase{"Symbol", "t", "τ"},
        // digits and most punctuation stay; the hyphen is a minus sign
        MapCase{"Symbol", "2+3=5", "2+3=5"}, MapCase{"Symbol", "-", "−"}, MapCase{"Symbol", "\"", "∀"},
        // the multiplication dot of POINT and the long arrow of FLECHE
        MapCase{"Symbol", "\u00b7", "\u22c5"}, MapCase{"Symbol", "\u00be\u00ae", "\u23af\u2192"},
        // operators and relations, by their Windows-1252 bytes
        MapCase{"Symbol", "\u00b4", "×"}, MapCase{"Symbol", "\u00b8", "÷"}, MapCase{"Symbol", "£", "≤"},
        MapCase{"Symbol", "³", "≥"}, MapCase{"Symbol", "¹", "≠"}, MapCase{"Symbol", "»", "≈"},
        MapCase{"Symbol", "±", "±"}, MapCase{"Symbol", "¥", "∞"}, MapCase{"Symbol", "å", "∑"},
        MapCase{"Symbol", "ò", "∫"}, MapCase{"Symbol", "Ö", "√"}, MapCase{"Symbol", "¶", "∂"},
        MapCase{"Symbol", "Ñ", "∇"}, MapCase{"Symbol", "Î", "∈"}, MapCase{"Symbol", "º", "≡"},
        MapCase{"Symbol", "µ", "∝"}, MapCase{"Symbol", "°", "°"}, MapCase{"Symbol", "Õ", "∏"},
        // arrows 0xAB..0xAF and 0xDB..0xDF
        MapCase{"Symbol", "«¬\u00ad®¯", "↔←↑→↓"}, MapCase{"Symbol", "ÛÜÝÞß", "⇔⇐⇑⇒⇓"},
        // the euro byte 0xA0 and an empty byte of the font
        MapCase{"Symbol", "\u00a0", "€"}, MapCase{"Symbol", "€", "€"},
        // a character that has no Windows-1252 byte is kept; the private-use form is read
        MapCase{"Symbol", "α", "α"}, MapCase{"Symbol", "\uf061\uf044", "αΔ"},
        // letter case and blanks of the name do not matter
        MapCase{"symbol", "a", "α"}, MapCase{" SYMBOL ", "D", "Δ"}, MapCase{"Symbol", "", ""}));

INSTANTIATE_TEST_SUITE_P(Wingdings, SymbolMapping,
                         ::testing::Values(MapCase{"Wingdings", "ü", "✔"}, MapCase{"Wingdings", "û", "✗"},
                                           MapCase{"Wingdings", "E", "☜"}, MapCase{"Wingdings", "F", "☞"},
                                           MapCase{"Wingdings", "\u0081", "①"},
                                           MapCase{"Wingdings", "\u201a", "②"},
                                           MapCase{"Wingdings", "Š", "⑩"}, MapCase{"Wingdings", "€", "⓪"},
                                           MapCase{"Wingdings", "Œ", "❶"}, MapCase{"Wingdings", "!", "✏"},
                                           MapCase{"Wingdings", "\"", "✂"}, MapCase{"Wingdings", "(", "☎"},
                                           MapCase{"Wingdings", "J", "☺"}, MapCase{"Wingdings", "l", "●"},
                                           MapCase{"Wingdings", "n", "■"}, MapCase{"Wingdings", "«", "★"},
                                           MapCase{"Wingdings", "Ÿ", "•"}, MapCase{"Wingdings", "·", "🕐"},
                                           MapCase{"Wingdings", "ð", "⇨"}, MapCase{"Wingdings", "ï", "⇦"},
                                           MapCase{"Wingdings", "þ", "☑"}, MapCase{"wingdings", "ü", "✔"}));

INSTANTIATE_TEST_SUITE_P(MTExtra, SymbolMapping,
                         ::testing::Values(MapCase{"MT Extra", "h", "ℏ"}, MapCase{"MT Extra", "L", "⋯"},
                                           MapCase{"MT Extra", "w", "↼"}, MapCase{"MT Extra", "v", "⇀"},
                                           MapCase{"MT Extra", "R", "∡"}, MapCase{"MT Extra", "m", "∓"},
                                           MapCase{"MT Extra", "€", "⇄"}, MapCase{"MT Extra", "ƒ", "⇌"},
                                           MapCase{"MT Extra", "l", "ℓ"}, MapCase{"mt extra", "h", "ℏ"}));

INSTANTIATE_TEST_SUITE_P(OtherFonts, SymbolMapping,
                         ::testing::Values(MapCase{"Arial", "abg ·", "abg ·"},
                                           MapCase{"Times new roman", "D·W", "D·W"},
                                           MapCase{"Comic Sans MS", "ü", "ü"}, MapCase{"Verdana", "a", "a"},
                                           MapCase{"Unknown Font", "D", "D"}, MapCase{"", "a", "a"},
                                           MapCase{"Symbol2", "a", "a"}));

TEST(FontMapper, EveryByteGivesExactlyOneCharacter)
{
    for (const char *font : {"Symbol", "Wingdings", "MT Extra"}) {
        for (int b = 0x20; b <= 0xFF; ++b) {
            const QString in(QChar(Windows1252ToUnicode(static_cast<unsigned char>(b))));
            EXPECT_EQ(FontMapper::mapText(QString::fromLatin1(font), in).toUcs4().size(), 1)
                << font << " " << b;
        }
    }
}

TEST(FontMapper, EncodingOfNames)
{
    EXPECT_EQ(FontMapper::encoding(u"Symbol"_s), SymbolEncoding::Symbol);
    EXPECT_EQ(FontMapper::encoding(u"WINGDINGS"_s), SymbolEncoding::Wingdings);
    EXPECT_EQ(FontMapper::encoding(u"MT Extra"_s), SymbolEncoding::MTExtra);
    EXPECT_EQ(FontMapper::encoding(u"Arial"_s), SymbolEncoding::None);
    EXPECT_EQ(FontMapper::symbolCharacter(SymbolEncoding::None, 'a'), char32_t(0));
    EXPECT_EQ(FontMapper::symbolCharacter(SymbolEncoding::Symbol, 0x10), char32_t(0));
    // the last entries prove that no row of the tables is short
    EXPECT_EQ(FontMapper::symbolCharacter(SymbolEncoding::Symbol, 0xFE), char32_t(0x23AD));
    EXPECT_EQ(FontMapper::symbolCharacter(SymbolEncoding::Wingdings, 0xFF), char32_t(0x229E));
    EXPECT_EQ(FontMapper::symbolCharacter(SymbolEncoding::MTExtra, 0xFF), char32_t(0x02DB));
}

TEST(FontMapper, FamiliesOfTheCourseFonts)
{
    EXPECT_EQ(FontMapper::families(u"Arial"_s).first(), u"Liberation Sans"_s);
    EXPECT_EQ(FontMapper::families(u"Times new roman"_s).first(), u"Liberation Serif"_s);
    EXPECT_EQ(FontMapper::families(u"TIMES NEW ROMAN"_s).first(), u"Liberation Serif"_s);
    EXPECT_EQ(FontMapper::families(u"Comic Sans MS"_s).first(), u"Comic Neue"_s);
    const QStringList unknown = FontMapper::families(u"Some Font"_s);
    EXPECT_EQ(unknown.first(), u"Some Font"_s);
    EXPECT_TRUE(unknown.contains(u"Liberation Sans"_s));
    for (const QString &name : {u"Symbol"_s, u"Wingdings"_s, u"MT Extra"_s}) {
        const QStringList f = FontMapper::families(name);
        EXPECT_FALSE(f.contains(u"Symbol"_s, Qt::CaseInsensitive)) << name.toStdString();
        EXPECT_FALSE(f.contains(u"Standard Symbols PS"_s)) << name.toStdString();
        EXPECT_EQ(FontMapper::map(name, u"a"_s).families, f);
    }
}

// The installed fonts are the ones asked for (fonts-liberation2, fonts-comic-neue,
// fonts-dejavu-core).
TEST(FontMapper, CourseFontsResolveToTheirTwins)
{
    struct Case {
        const char *name;
        const char *family;
    } cases[] = {{"Arial", "Liberation Sans"},    {"Times new roman", "Liberation Serif"},
                 {"Comic Sans MS", "Comic Neue"}, {"Symbol", "DejaVu Serif"},
                 {"Wingdings", "DejaVu Sans"},    {"Unknown Font", "Liberation Sans"}};
    for (const Case &c : cases) {
        FontSpec fontSpec;
        fontSpec.name = QString::fromLatin1(c.name);
        EXPECT_EQ(QFontInfo(FontMeasurer::makeFont(fontSpec)).family(), QString::fromLatin1(c.family))
            << c.name;
    }
}

// Every character the tables produce is drawn by one of the fonts its text is
// drawn with: nothing comes out as an empty box.
TEST(FontMapper, EveryMappedCharacterHasAGlyph)
{
    QHash<QString, QFontMetricsF *> metrics;
    std::vector<std::unique_ptr<QFontMetricsF>> owned;
    auto metricsOf = [&](const QString &family) -> QFontMetricsF * {
        if (!metrics.contains(family)) {
            QFont f(family);
            f.setPixelSize(13);
            QFontMetricsF *m = nullptr;
            if (QFontInfo(f).family() == family) {
                owned.push_back(std::make_unique<QFontMetricsF>(f));
                m = owned.back().get();
            }
            metrics.insert(family, m);
        }
        return metrics.value(family);
    };
    const std::pair<SymbolEncoding, const char *> encodings[] = {{SymbolEncoding::Symbol, "Symbol"},
                                                                 {SymbolEncoding::Wingdings, "Wingdings"},
                                                                 {SymbolEncoding::MTExtra, "MT Extra"}};
    for (const auto &[enc, name] : encodings) {
        const QStringList families = FontMapper::families(QString::fromLatin1(name));
        for (int b = 0x21; b <= 0xFF; ++b) {
            const char32_t cp = FontMapper::symbolCharacter(enc, static_cast<unsigned char>(b));
            if (cp == 0)
                continue;
            bool found = false;
            for (const QString &family : families) {
                QFontMetricsF *m = metricsOf(family);
                if (m && m->inFontUcs4(uint(cp))) {
                    found = true;
                    break;
                }
            }
            EXPECT_TRUE(found) << name << " byte 0x" << std::hex << b << " U+" << uint(cp);
        }
    }
}

} // namespace
