#pragma once

#include <QStringView>
#include <cstdint>

namespace vorlane {

// Reads a number the lenient way codes, fields, markup arguments and calculator
// operands are read: leading blanks skipped, then the longest decimal prefix
// (optional sign, digits with at most one point, optional exponent introduced by
// E, e, D or d with an optional sign). A text without digits reads as 0.
// A value too large for a double reads as +/-infinity; callers that must refuse
// it test std::isfinite.
double DecimalRead(QStringView text);

// Length of the prefix DecimalRead consumes, blanks included (0 when no digits).
qsizetype DecimalPrefixLength(QStringView text);

// Conversion of a fractional value to a whole number: the nearest, halves to the
// even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values beyond the 64-bit range
// and NaN give std::nullopt-like failure through the bool.
bool ToWhole(double value, std::int64_t &out);

// ToWhole for callers that accept a saturated value (NaN gives 0).
std::int64_t ToWholeSaturated(double value);

} // namespace vorlane
