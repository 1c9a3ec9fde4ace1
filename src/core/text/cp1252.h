#pragma once

#include <QByteArray>
#include <QString>

namespace vorlane {

// Windows-1252, one byte per character, with its own table: 0x80..0x9F hold
// typographic signs (euro, quotes, dashes, oe...), not Latin-1's control codes.
// A character outside the code page is written as "?". The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control characters of the same value.
QByteArray ToWindows1252(const QString &text);
QString FromWindows1252(const QByteArray &bytes);

// The Unicode character of one Windows-1252 byte, and back (-1 when outside).
char16_t Windows1252ToUnicode(unsigned char byte);
int UnicodeToWindows1252(char32_t codePoint);

} // namespace vorlane
