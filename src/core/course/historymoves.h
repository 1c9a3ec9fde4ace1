#pragma once

#include "core/course/historystate.h"
#include "core/course/navigator.h"
#include "core/course/pagedisplay.h"

namespace vorlane {

// The buttons `avant` ("Page précédente") and `apres` ("Page suivante"): moves
// back and forward through the pages recorded in the session's history. A move
// hands "PA" + the slot's page number in four digits to the dispatcher with
// recordInHistory cleared, so the page it shows is not recorded again.
//
// Slots are 1..100; a slot outside them reads as page 0 (a move the buttons'
// enable states never allow: `avant` is disabled below slot 2 and `apres` when
// the next slot is empty or at slot 100).
class HistoryMoves {
public:
    HistoryMoves(HistoryState &session, Navigator &navigator, PageView &view);

    // avant: one slot back; `apres` is enabled afterwards.
    void Back();
    // apres: one slot forward; `avant` is enabled afterwards, and `apres`
    // stays enabled only when the slot after the new one holds a page (never
    // from slot 100 on).
    void Forward();

    // The page number of a history slot, 0 for a slot outside 1..100.
    static std::int16_t slotPage(const HistoryState &session, int slot);

private:
    void moveTo(int slot);

    HistoryState &m_session;
    Navigator &m_navigator;
    PageView &m_view;
};

} // namespace vorlane
