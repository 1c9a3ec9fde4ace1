#include "core/media/mediaclock.h"

namespace vorlane {

MediaClock::Time SteadyClock::now() const
{
    return std::chrono::duration_cast<Time>(std::chrono::steady_clock::now().time_since_epoch());
}

bool SteadyClock::waitUntil(Time deadline, const std::atomic<bool> &cancel)
{
    std::unique_lock lock(m_mutex);
    const std::chrono::steady_clock::time_point until(
        std::chrono::duration_cast<std::chrono::steady_clock::duration>(deadline));
    m_wake.wait_until(lock, until, [&] { return cancel.load() || now() >= deadline; });
    return !cancel.load() && now() >= deadline;
}

void SteadyClock::wakeAll()
{
    // Taking the lock orders the caller's cancel flag before the waiters' check.
    {
        std::lock_guard lock(m_mutex);
    }
    m_wake.notify_all();
}

} // namespace vorlane
