#include "core/text/int16.h"

#include "core/text/decimal.h"

#include <limits>

namespace vorlane {

namespace {
template <typename T>
bool assign(T &field, double value)
{
    std::int64_t whole = 0;
    if (!ToWhole(value, whole))
        return false;
    if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max())
        return false;
    field = static_cast<T>(whole);
    return true;
}
} // namespace

bool AssignInt16(std::int16_t &field, double value)
{
    return assign(field, value);
}
bool AssignInt32(std::int32_t &field, double value)
{
    return assign(field, value);
}

bool FitsInt16(double value)
{
    std::int16_t probe = 0;
    return assign(probe, value);
}

bool FitsInt32(double value)
{
    std::int32_t probe = 0;
    return assign(probe, value);
}

} // namespace vorlane
