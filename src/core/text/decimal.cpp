#include "core/text/decimal.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace vorlane {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Scans the number; fills the ASCII form strtod understands (exponent letter E).
qsizetype scan(QStringView text, std::string *ascii)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    std::string out;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        out.push_back(char(text[i].unicode()));
        ++i;
    }
    bool digits = false;
    bool point = false;
    while (i < n) {
        QChar c = text[i];
        if (isDigit(c)) {
            digits = true;
            out.push_back(char(c.unicode()));
        } else if (c == u'.' && !point) {
            point = true;
            out.push_back('.');
        } else {
            break;
        }
        ++i;
    }
    if (!digits)
        return 0;
    qsizetype end = i;
    if (i < n && (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        qsizetype j = i + 1;
        std::string exp = "E";
        if (j < n && (text[j] == u'+' || text[j] == u'-')) {
            exp.push_back(char(text[j].unicode()));
            ++j;
        }
        qsizetype firstDigit = j;
        while (j < n && isDigit(text[j])) {
            exp.push_back(char(text[j].unicode()));
            ++j;
        }
        if (j > firstDigit) {
            out += exp;
            end = j;
        }
    }
    if (ascii)
        *ascii = std::move(out);
    return end;
}

} // namespace

double DecimalRead(QStringView text)
{
    std::string ascii;
    if (scan(text, &ascii) == 0)
        return 0.0;
    // Parsed in the C locale: after setlocale(LC_ALL, "") a French locale would
    // otherwise stop at the point and read "1.5" as 1. Overflow gives +/-HUGE_VAL
    // (infinity), underflow 0.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(ascii.c_str(), nullptr, cLocale);
}

qsizetype DecimalPrefixLength(QStringView text)
{
    return scan(text, nullptr);
}

bool ToWhole(double value, std::int64_t &out)
{
    if (!std::isfinite(value))
        return false;
    // Halves to even: nearbyint in the default rounding mode.
    double r = std::nearbyint(value);
    if (r < -9.2233720368547758e18 || r >= 9.2233720368547758e18)
        return false;
    out = static_cast<std::int64_t>(r);
    return true;
}

std::int64_t ToWholeSaturated(double value)
{
    std::int64_t out = 0;
    if (ToWhole(value, out))
        return out;
    if (std::isnan(value))
        return 0;
    return value > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

} // namespace vorlane
