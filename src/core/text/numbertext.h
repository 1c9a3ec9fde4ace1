#pragma once

#include <QString>

namespace vorlane {

// The text of a number as messages, labels and the calculator write it: at most
// 15 significant digits; plain notation for decimal exponents -4 to 14, else
// mantissa, "E", sign and at least two exponent digits (1E+15, 1.5E-07); no digit
// before the point below 1 (.5, -.25); trailing zeros and point dropped; "." as
// the separator; one leading space for a non-negative value (" 3", "-3").
// A value that is not finite gives "1.#INF", "-1.#INF" or "-1.#IND".
QString NumberText(double value);

// The decimal digits of |value| rounded to `significant` digits (printf's
// rounding), trailing zeros dropped (at least one digit kept), and the decimal
// exponent of the first digit: 1234.5 to 3 digits gives "123" and 3. The
// process locale plays no part. `value` must be finite and not 0.
struct Digits {
    QString digits;
    int exponent = 0;
};
Digits SignificantDigits(double value, int significant);

// The text without its leading and trailing spaces (the space character only:
// tabs and line ends are kept, as the number and flag texts expect).
QString TrimSpaces(const QString &text);

// Whole numbers written with leading zeros to at least `digits` digits ("0000"
// gives 0028, "00" gives 07); a negative value keeps its sign in front ("-007").
QString ZeroPadded(long long value, int digits);

} // namespace vorlane
