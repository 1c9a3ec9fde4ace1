#pragma once

#include <array>
#include <cstdint>

namespace vorlane {

// The history of pages seen in the course window: slots 1..100 hold page
// numbers (0 = empty); historyPos is the slot of the page on display (0 before
// the first page); while recordInHistory is true every page displayed is
// recorded (a history move clears it for its own display).
struct HistoryState {
    std::array<std::int16_t, 101> historyPages{};
    std::int16_t historyPos = 0;
    bool recordInHistory = true;
};

} // namespace vorlane
