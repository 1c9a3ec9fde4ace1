#pragma once

#include "core/course/historystate.h"

#include <optional>

namespace vorlane {

// What recording a page changes on the history buttons: `avant` (back) is
// enabled from slot 2 on; `apres` (forward) is disabled when a page was
// recorded and left as it was otherwise.
struct HistoryButtons {
    bool backEnabled = false;
    std::optional<bool> forwardEnabled;
};

// Records the page on display in the session's history (the page display's
// step): when recordInHistory is set, the page goes into the next slot (past
// slot 100 the oldest is dropped and the page takes slot 100); slots above the
// new position are not cleared. `pageNumber` is the number shown in TextID, as
// read; one that does not fit 16 bits leaves the slot's old value.
HistoryButtons RecordPageInHistory(HistoryState &session, double pageNumber);

} // namespace vorlane
