#pragma once

#include <cstdint>

namespace vorlane {

// 16-bit fields of the layout state and of the shared values: assigning a value
// that does not fit (after rounding to whole, halves to even) is skipped and the
// field keeps its old value, as an overflow did in the original program.
// Returns whether the value was stored.
bool AssignInt16(std::int16_t &field, double value);
bool AssignInt32(std::int32_t &field, double value);

// True when value, rounded halves to even, fits the type.
bool FitsInt16(double value);
bool FitsInt32(double value);

} // namespace vorlane
