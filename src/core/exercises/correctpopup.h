#pragma once

namespace vorlane {

// The correct-answer popup `Cjuste`: "Réponse exacte" with a picture that
// blinks between two pictures on a 500 ms timer and closes itself after three
// ticks (about 1.5 s). The window ticks it; this is its counting.
class CorrectPopup {
public:
    static constexpr int kIntervalMs = 500;
    static constexpr int kTicks = 3;

    // On activation: count 0, the first picture shown.
    void activate()
    {
        m_ticks = 0;
        m_second = false;
    }
    // One tick of the timer: the other picture; true when the popup closes.
    bool tick()
    {
        ++m_ticks;
        m_second = !m_second;
        return m_ticks >= kTicks;
    }
    // Which of the two pictures shows (false: the first).
    bool showsSecond() const { return m_second; }
    int ticks() const { return m_ticks; }

private:
    int m_ticks = 0;
    bool m_second = false;
};

} // namespace vorlane
