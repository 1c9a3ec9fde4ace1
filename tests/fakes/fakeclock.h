#pragma once

#include "core/media/mediaclock.h"

namespace vorlane::testing {

// A clock that moves only when the test advances it. Threads waiting on it wake
// when it reaches their deadline or when they are cancelled.
class FakeClock final : public MediaClock {
public:
    Time now() const override;
    bool waitUntil(Time deadline, const std::atomic<bool> &cancel) override;
    void wakeAll() override;

    void advance(Time by);
    void set(Time at);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    Time m_now{0};
};

} // namespace vorlane::testing
