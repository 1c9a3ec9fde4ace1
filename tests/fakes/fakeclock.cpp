#include "fakes/fakeclock.h"

namespace vorlane::testing {

MediaClock::Time FakeClock::now() const
{
    std::lock_guard lock(m_mutex);
    return m_now;
}

bool FakeClock::waitUntil(Time deadline, const std::atomic<bool> &cancel)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return cancel.load() || m_now >= deadline; });
    return !cancel.load();
}

void FakeClock::wakeAll()
{
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void FakeClock::advance(Time by)
{
    {
        std::lock_guard lock(m_mutex);
        m_now += by;
    }
    m_changed.notify_all();
}

void FakeClock::set(Time at)
{
    {
        std::lock_guard lock(m_mutex);
        m_now = at;
    }
    m_changed.notify_all();
}

} // namespace vorlane::testing
