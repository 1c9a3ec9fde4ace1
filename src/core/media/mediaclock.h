#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace vorlane {

// The time base of video playback. Playback shows frame p + k at the start time
// plus k frame periods; a waiting playback thread sleeps on the clock, so a test
// can drive playback with a clock of its own and decide when each frame is due.
class MediaClock {
public:
    using Time = std::chrono::nanoseconds;

    virtual ~MediaClock() = default;

    // Monotonic time.
    virtual Time now() const = 0;
    // Blocks until now() >= deadline or until `cancel` is set and wakeAll() is
    // called. Returns true when the deadline was reached.
    virtual bool waitUntil(Time deadline, const std::atomic<bool> &cancel) = 0;
    // Wakes every waiting thread so that it checks its cancel flag.
    virtual void wakeAll() = 0;
};

// The real time of the machine (std::chrono::steady_clock).
class SteadyClock final : public MediaClock {
public:
    Time now() const override;
    bool waitUntil(Time deadline, const std::atomic<bool> &cancel) override;
    void wakeAll() override;

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
};

} // namespace vorlane
