#include "core/course/pagehistory.h"

#include "core/text/int16.h"

#include <algorithm>

namespace vorlane {

HistoryButtons RecordPageInHistory(HistoryState &session, double pageNumber)
{
    HistoryButtons buttons;
    auto &pages = session.historyPages;
    if (session.recordInHistory) {
        if (session.historyPos >= 100) {
            for (int i = 1; i <= 99; ++i)
                pages[size_t(i)] = pages[size_t(i) + 1];
            session.historyPos = 100;
        } else {
            // A position below 0 (never set by the program) is taken as 0.
            session.historyPos = std::int16_t(std::max<int>(session.historyPos, 0) + 1);
        }
        AssignInt16(pages[size_t(session.historyPos)], pageNumber);
        buttons.forwardEnabled = false;
    }
    buttons.backEnabled = session.historyPos >= 2;
    return buttons;
}

} // namespace vorlane
