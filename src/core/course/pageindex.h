#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorlane {

// The two arrays that turn page numbers and ordering indexes into row
// positions of the course table: `PageByNumber`(k) is the position of the row
// whose Numeropage is k, `PageByOrder`(k) that of the row whose Index is k.
// Both have slots 0..R (R the row count); slots no row claims hold 0.
struct PageIndex {
    std::vector<std::int16_t> byNumber;
    std::vector<std::int16_t> byOrder;

    // Sizes both arrays to slots 0..lastSlot, all 0 (no slot when lastSlot < 0).
    void reset(int lastSlot);
    int slotCount() const { return int(byNumber.size()); }

    // The row position for a page number or an ordering index given as the
    // program reads them (a decimal read): the value is rounded to whole
    // (halves to even); a value without a slot gives nullopt.
    std::optional<int> PageByNumber(double number) const;
    std::optional<int> PageByOrder(double order) const;

    // Stores `position` in slot `slot` of an array. A slot outside the array,
    // or a position that does not fit 16 bits, leaves it unchanged (false).
    static bool assign(std::vector<std::int16_t> &array, double slot, double position);
};

} // namespace vorlane
