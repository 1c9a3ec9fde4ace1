#include "core/course/pageindex.h"

#include "core/text/decimal.h"
#include "core/text/int16.h"

namespace vorlane {

namespace {
std::optional<int> lookup(const std::vector<std::int16_t> &array, double value)
{
    std::int64_t slot = 0;
    if (!ToWhole(value, slot) || slot < 0 || slot >= std::int64_t(array.size()))
        return std::nullopt;
    return array[size_t(slot)];
}
} // namespace

void PageIndex::reset(int lastSlot)
{
    const size_t count = lastSlot < 0 ? 0 : size_t(lastSlot) + 1;
    byNumber.assign(count, 0);
    byOrder.assign(count, 0);
}

std::optional<int> PageIndex::PageByNumber(double number) const
{
    return lookup(byNumber, number);
}

std::optional<int> PageIndex::PageByOrder(double order) const
{
    return lookup(byOrder, order);
}

bool PageIndex::assign(std::vector<std::int16_t> &array, double slot, double position)
{
    std::int64_t s = 0;
    if (!ToWhole(slot, s) || s < 0 || s >= std::int64_t(array.size()))
        return false;
    return AssignInt16(array[size_t(s)], position);
}

} // namespace vorlane
