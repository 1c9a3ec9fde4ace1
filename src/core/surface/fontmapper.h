#pragma once

#include <QString>
#include <QStringList>

namespace vorlane {

// The symbol fonts whose characters are not letters: text set in them holds, per
// character, a byte of the font's own encoding.
enum class SymbolEncoding { None, Symbol, Wingdings, MTExtra };

// What a text run in a surface font becomes on this system.
struct MappedText {
    QString text;         // the characters drawn (Unicode)
    QStringList families; // installed families to draw them with, in order of preference
};

// Maps the font names of the course pages to installed fonts, and the text of the
// symbol fonts to Unicode. Pure functions over fixed tables.
//
// Names are compared without regard to letter case or surrounding blanks:
//   "Arial" -> Liberation Sans, "Times new roman" -> Liberation Serif (metric twins,
//   so widths match the pages' layout), "Comic Sans MS" -> Comic Neue,
//   "Courier New" -> Liberation Mono, "Verdana" -> DejaVu Sans; any other name is
//   asked for as given, with Liberation Sans behind it.
// "Symbol", "Wingdings" and "MT Extra": each character is taken as its
//   Windows-1252 byte (or, for U+F020..U+F0FF, the symbol-font private-use form,
//   its low byte) and replaced by the Unicode character of that byte in the font's
//   encoding; a character with no byte or a byte with no known equivalent is kept.
//   One character in, one character out, so lengths and code-point counts are
//   kept. They are drawn with DejaVu and Noto fonts that have the glyphs, never
//   with the "Symbol" that fontconfig resolves (it has no Unicode Greek).
//   Symbol 0xB7 (the multiplication dot) becomes U+22C5; 0xBE 0xAE becomes
//   U+23AF U+2192, which join into one long right arrow.
class FontMapper {
public:
    static SymbolEncoding encoding(const QString &fontName);
    // Families to draw a font name with, first preferred.
    static QStringList families(const QString &fontName);
    // The characters drawn for a text in a font (the text itself outside the
    // symbol fonts).
    static QString mapText(const QString &fontName, const QString &text);
    // Both at once: the pure mapping the surfaces, the measurer and traces share.
    static MappedText map(const QString &fontName, const QString &text);
    // The Unicode character of one byte of a symbol encoding; 0 when the byte has
    // no known equivalent (and always 0 for SymbolEncoding::None).
    static char32_t symbolCharacter(SymbolEncoding encoding, unsigned char byte);
};

} // namespace vorlane
