#include "core/surface/fontmapper.h"

#include "core/text/cp1252.h"

namespace vorlane {

namespace {

// Each table holds bytes 0x20..0xFF; 0 marks a byte without a known equivalent.
// clang-format off

// The Symbol font: Greek letters on the Latin ones, mathematical signs, arrows and
// the pieces of tall brackets. Capital Delta and Omega, and mu, are the Greek
// letters rather than the increment, ohm and micro signs: the pages use them as
// Greek letters.
constexpr char32_t kSymbol[224] = {
    // 0x20
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    // 0x30
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    // 0x60 (0x60 is the radical extender: an overline)
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0,
    // 0x80..0x9F: empty in the font
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    // 0xB0 (0xB7: multiplication dot; 0xBD, 0xBE: arrow extenders)
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x22C5,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x27E8, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x27E9, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

// Wingdings: office and hand signs, circled digits, bullets, stars, clocks,
// arrows, ballot boxes. Where the font's own picture has a Unicode character only
// in planes the installed fonts lack, the nearest common sign stands in
// (pencil, telephone, envelope, folders, documents, droplet).
constexpr char32_t kWingdings[224] = {
    // 0x20: pencil, scissors, glasses, bell, book, candle, telephone, envelopes...
    0x0020, 0x270F, 0x2702, 0x2701, 0x1F453, 0x1F56D, 0x1F56E, 0x1F56F,
    0x260E, 0x2706, 0x2709, 0x1F583, 0x1F4EA, 0x1F4EB, 0x1F4EC, 0x1F4ED,
    // 0x30: folders, documents, hourglass, computer things, writing hands
    0x1F5C0, 0x1F5C1, 0x1F5CE, 0x1F5CF, 0x1F5D0, 0x1F5C4, 0x231B, 0x1F5AE,
    0x1F5B0, 0x1F5B2, 0x1F5B3, 0x1F5B4, 0x1F5AB, 0x1F5AC, 0x2707, 0x270D,
    // 0x40: hands, faces, bomb, skull, flags
    0x1F58E, 0x270C, 0x1F44C, 0x1F44D, 0x1F44E, 0x261C, 0x261E, 0x261D,
    0x261F, 0x1F590, 0x263A, 0x1F610, 0x2639, 0x1F4A3, 0x2620, 0x1F3F3,
    // 0x50: pennant, airplane, sun, droplet, snowflake, crosses and religious signs
    0x1F3F1, 0x2708, 0x263C, 0x1F322, 0x2744, 0x1F546, 0x271E, 0x1F548,
    0x2720, 0x2721, 0x262A, 0x262F, 0x1F549, 0x2638, 0x2648, 0x2649,
    // 0x60: zodiac, ornaments, circles and squares
    0x264A, 0x264B, 0x264C, 0x264D, 0x264E, 0x264F, 0x2650, 0x2651,
    0x2652, 0x2653, 0x1F670, 0x1F675, 0x25CF, 0x274D, 0x25A0, 0x25A1,
    // 0x70: squares, lozenges, diamonds
    0x1F790, 0x2751, 0x2752, 0x2B27, 0x29EB, 0x25C6, 0x2756, 0x2B25,
    0x2327, 0x2BB9, 0x2318, 0x1F3F5, 0x1F3F6, 0x1F676, 0x1F677, 0,
    // 0x80: circled digits 0..10, then negative circled digits 0..
    0x24EA, 0x2460, 0x2461, 0x2462, 0x2463, 0x2464, 0x2465, 0x2466,
    0x2467, 0x2468, 0x2469, 0x24FF, 0x2776, 0x2777, 0x2778, 0x2779,
    // 0x90: ...to 10, leaf ornaments, middle dot, bullet
    0x277A, 0x277B, 0x277C, 0x277D, 0x277E, 0x277F, 0x1F662, 0x1F660,
    0x1F661, 0x1F663, 0x1F65E, 0x1F65C, 0x1F65D, 0x1F65F, 0x00B7, 0x2022,
    // 0xA0: small squares, circles, stars
    0x25AA, 0x26AA, 0x1F786, 0x1F788, 0x25C9, 0x25CE, 0x1F53F, 0x25AA,
    0x25FB, 0x1F7C2, 0x2726, 0x2605, 0x2736, 0x2734, 0x2739, 0x2735,
    // 0xB0: position signs, starred circles, clock faces 1 to 9
    0x2BD0, 0x2316, 0x27E1, 0x2311, 0x2BD1, 0x272A, 0x2730, 0x1F550,
    0x1F551, 0x1F552, 0x1F553, 0x1F554, 0x1F555, 0x1F556, 0x1F557, 0x1F558,
    // 0xC0: clock faces 10 to 12, ribbon arrows, leaves
    0x1F559, 0x1F55A, 0x1F55B, 0x2BB0, 0x2BB1, 0x2BB2, 0x2BB3, 0x2BB4,
    0x2BB5, 0x2BB6, 0x2BB7, 0x1F66A, 0x1F66B, 0x1F655, 0x1F654, 0x1F657,
    // 0xD0: leaves, erase keys, arrowheads, circled arrows, barbed arrows
    0x1F656, 0x1F650, 0x1F651, 0x1F652, 0x1F653, 0x232B, 0x2326, 0x2B98,
    0x2B9A, 0x2B99, 0x2B9B, 0x2B88, 0x2B8A, 0x2B89, 0x2B8B, 0x1F868,
    // 0xE0: barbed arrows, white arrows
    0x1F86A, 0x1F869, 0x1F86B, 0x1F86C, 0x1F86D, 0x1F86F, 0x1F86E, 0x1F878,
    0x1F87A, 0x1F879, 0x1F87B, 0x1F87C, 0x1F87D, 0x1F87F, 0x1F87E, 0x21E6,
    // 0xF0: white arrows, ballot x, check mark, ballot boxes, window sign
    0x21E8, 0x21E7, 0x21E9, 0x2B04, 0x21F3, 0x2B00, 0x2B01, 0x2B03,
    0x2B02, 0x1F8AC, 0x1F8AD, 0x2717, 0x2714, 0x2612, 0x2611, 0x229E,
};

// MT Extra: relations, ellipses, angles, arrows and harpoons, accents and the
// letters of its upper half. The accents and arrows it places over letters are
// drawn here as their spacing forms; bracket pieces and integral loops have no
// stand-in and are left as they are.
constexpr char32_t kMtExtra[224] = {
    // 0x20: accents (grave, hat, tilde, dot), smile, frown
    0x0020, 0, 0, 0x02CB, 0x02C6, 0x02DC, 0x02D9, 0,
    0x2323, 0x2322, 0, 0, 0, 0, 0, 0,
    // 0x30: brace extenders, relations
    0, 0, 0, 0, 0x23AF, 0x23AF, 0, 0,
    0, 0, 0x223C, 0x2243, 0x22B2, 0x226A, 0x22B3, 0x226B,
    // 0x40: relations, coproduct, lambda bar, intersection, ellipses
    0x225C, 0x2259, 0x2250, 0x2210, 0x019B, 0, 0, 0,
    0, 0x2229, 0x2127, 0x2026, 0x22EF, 0x22EE, 0x22F0, 0x22F1,
    // 0x50: parallel, because, angles, union, shapes, diagonal arrows
    0x2225, 0x2235, 0x2221, 0x2222, 0, 0x222A, 0x25B3, 0x25A1,
    0x25AD, 0x25B1, 0x2197, 0x2199, 0x2922, 0x2198, 0x2196, 0x2921,
    // 0x60: reversed prime, maps-to, arrows, circles, hbar, script l...
    0x2035, 0x21A6, 0x2195, 0x21D5, 0x25CB, 0x2299, 0x227B, 0x2219,
    0x210F, 0, 0, 0, 0x2113, 0x2213, 0, 0x2218,
    // 0x70: precedes, harpoons and arrows over letters, over/under brackets
    0x227A, 0x21BD, 0x2192, 0x2190, 0x2194, 0x23AF, 0x21C0, 0x21BC,
    0x21C1, 0, 0, 0x23DF, 0x23B5, 0x23DE, 0x23B4, 0,
    // 0x80: equilibrium arrows and harpoons, arrow extender
    0x21C4, 0x21C4, 0x21C4, 0x21CC, 0x21CC, 0x21CC, 0x21C0, 0x21BD,
    0x23AF, 0, 0, 0, 0, 0, 0, 0,
    // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0: blackboard letters, white square brackets
    0, 0x211D, 0x2124, 0x2102, 0x211A, 0x2115, 0, 0x27E6,
    0x27E7, 0, 0, 0, 0, 0, 0, 0,
    // 0xB0: wide tildes, hats and arcs
    0x02DC, 0x02DC, 0x02DC, 0, 0, 0x02C6, 0x02C6, 0x02C6,
    0, 0, 0x2322, 0x2322, 0x2322, 0, 0, 0,
    // 0xC0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xD0
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xE0: letters of the upper half
    0, 0, 0, 0, 0, 0, 0, 0,
    0x0160, 0x00DD, 0x00DE, 0x00D0, 0x0161, 0x00FD, 0x00FE, 0x00F0,
    // 0xF0: ligatures, dotless i, superscripts, fractions, accents
    0xFB01, 0xFB02, 0x0131, 0x00B9, 0x00B2, 0x00B3, 0x00BD, 0x00BC,
    0x00BE, 0x2044, 0x00A6, 0x02DD, 0x02D8, 0x02C7, 0x02DA, 0x02DB,
};

// clang-format on

// Greek and mathematics in a serif like the Symbol font's, then fonts that have
// the arrows, extenders and bracket pieces it lacks.
QStringList symbolFamilies()
{
    return {QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Math"),
            QStringLiteral("Noto Sans Symbols"), QStringLiteral("Noto Sans Symbols2")};
}

QStringList dingbatFamilies()
{
    return {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2"),
            QStringLiteral("Noto Sans Symbols"), QStringLiteral("Noto Sans Math")};
}

QString normalised(const QString &fontName)
{
    return fontName.trimmed().toLower();
}

} // namespace

SymbolEncoding FontMapper::encoding(const QString &fontName)
{
    const QString n = normalised(fontName);
    if (n == u"symbol")
        return SymbolEncoding::Symbol;
    if (n == u"wingdings")
        return SymbolEncoding::Wingdings;
    if (n == u"mt extra")
        return SymbolEncoding::MTExtra;
    return SymbolEncoding::None;
}

QStringList FontMapper::families(const QString &fontName)
{
    switch (encoding(fontName)) {
    case SymbolEncoding::Symbol:
    case SymbolEncoding::MTExtra:
        return symbolFamilies();
    case SymbolEncoding::Wingdings:
        return dingbatFamilies();
    case SymbolEncoding::None:
        break;
    }
    const QString n = normalised(fontName);
    if (n == u"arial" || n == u"helvetica" || n == u"ms sans serif")
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (n == u"times new roman" || n == u"times" || n == u"ms serif")
        return {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
    if (n == u"comic sans ms")
        return {QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")};
    if (n == u"courier new" || n == u"courier")
        return {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")};
    if (n == u"verdana")
        return {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    if (n.isEmpty())
        return {QStringLiteral("Liberation Sans")};
    return {fontName.trimmed(), QStringLiteral("Liberation Sans")};
}

char32_t FontMapper::symbolCharacter(SymbolEncoding encoding, unsigned char byte)
{
    if (byte < 0x20)
        return 0;
    switch (encoding) {
    case SymbolEncoding::Symbol:
        return kSymbol[byte - 0x20];
    case SymbolEncoding::Wingdings:
        return kWingdings[byte - 0x20];
    case SymbolEncoding::MTExtra:
        return kMtExtra[byte - 0x20];
    case SymbolEncoding::None:
        break;
    }
    return 0;
}

QString FontMapper::mapText(const QString &fontName, const QString &text)
{
    const SymbolEncoding enc = encoding(fontName);
    if (enc == SymbolEncoding::None || text.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    for (char32_t cp : text.toUcs4()) {
        int byte = -1;
        // Text typed in a symbol font may also come in the private-use form that
        // word processors give symbol-font characters.
        if (cp >= 0xF020 && cp <= 0xF0FF)
            byte = int(cp - 0xF000);
        else
            byte = UnicodeToWindows1252(cp);
        char32_t mapped = byte >= 0 ? symbolCharacter(enc, static_cast<unsigned char>(byte)) : 0;
        if (mapped == 0)
            mapped = cp;
        out.append(QString::fromUcs4(&mapped, 1));
    }
    return out;
}

MappedText FontMapper::map(const QString &fontName, const QString &text)
{
    return {mapText(fontName, text), families(fontName)};
}

} // namespace vorlane
