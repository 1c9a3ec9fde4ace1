#pragma once

#include "core/media/mediaclock.h"

#include <QImage>
#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

namespace vorlane {

class VideoDecoder;

// What the playback thread hands to the window's thread: the latest frame due
// (index -1 when none) and whether playback reached the end of the video.
struct PlaybackDelivery {
    int index = -1;
    QImage image;
    bool end = false;
};

// Decodes and paces frames off the window's thread. Playback starts with frame
// `shown` on display at time `shownAt`; frame i is due at shownAt + (i - shown)
// frame periods and the end (position Length) one period after the last frame.
// A frame still undecoded, or unconverted, when the next one is already due is
// dropped: it is never shown late and never queued. Frames go through a slot
// that holds one delivery: a frame the window's thread has not taken when the
// next arrives is replaced (and counted as dropped).
class PlaybackThread {
public:
    // `wake` runs on the playback thread each time the empty slot receives
    // something: it must arrange for take() to be called on the window's thread.
    PlaybackThread(MediaClock &clock, std::function<void()> wake);
    ~PlaybackThread();
    PlaybackThread(const PlaybackThread &) = delete;
    PlaybackThread &operator=(const PlaybackThread &) = delete;

    // Starts playing frames shown + 1 .. length - 1 of `decoder`, whose last
    // decoded frame is `shown`. The decoder belongs to the thread until stop().
    void start(VideoDecoder &decoder, int shown, MediaClock::Time shownAt, double framesPerSecond,
               int length);
    // Ends the thread and empties the slot; returns when the thread is gone.
    void stop();
    bool running() const { return m_thread.joinable(); }

    // Takes the slot's content (window's thread).
    PlaybackDelivery take();

    // Frames skipped because they were late or replaced in the slot, and frames
    // put in the slot, since construction.
    int framesDropped() const { return m_dropped.load(); }
    int framesDelivered() const { return m_delivered.load(); }

private:
    void run(VideoDecoder *decoder, int shown, MediaClock::Time shownAt, double fps, int length);
    void deliver(int index, QImage image, bool end);

    MediaClock &m_clock;
    std::function<void()> m_wake;
    std::thread m_thread;
    std::atomic<bool> m_cancel{false};
    std::atomic<int> m_dropped{0};
    std::atomic<int> m_delivered{0};
    std::mutex m_slotMutex;
    PlaybackDelivery m_slot;
    bool m_posted = false;
};

} // namespace vorlane
