#include "core/course/historymoves.h"

namespace vorlane {

HistoryMoves::HistoryMoves(HistoryState &session, Navigator &navigator, PageView &view)
    : m_session(session), m_navigator(navigator), m_view(view)
{
}

std::int16_t HistoryMoves::slotPage(const HistoryState &session, int slot)
{
    if (slot < 1 || slot > 100)
        return 0;
    return session.historyPages[size_t(slot)];
}

void HistoryMoves::moveTo(int slot)
{
    m_navigator.Navigate(Navigator::pageTarget(slotPage(m_session, slot)));
}

void HistoryMoves::Back()
{
    m_session.recordInHistory = false;
    // The position is 16-bit: a step below its range keeps the old value.
    if (m_session.historyPos > INT16_MIN)
        --m_session.historyPos;
    moveTo(m_session.historyPos);
    m_view.setForwardEnabled(true);
    m_session.recordInHistory = true;
}

void HistoryMoves::Forward()
{
    m_session.recordInHistory = false;
    if (m_session.historyPos < INT16_MAX)
        ++m_session.historyPos;
    moveTo(m_session.historyPos);
    m_view.setBackEnabled(true);
    if (m_session.historyPos <= 99)
        m_view.setForwardEnabled(slotPage(m_session, m_session.historyPos + 1) != 0);
    else
        m_view.setForwardEnabled(false);
    m_session.recordInHistory = true;
}

} // namespace vorlane
