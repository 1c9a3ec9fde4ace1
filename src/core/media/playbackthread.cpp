#include "core/media/playbackthread.h"

#include "core/media/videodecoder.h"

#include <cmath>

namespace vorlane {

PlaybackThread::PlaybackThread(MediaClock &clock, std::function<void()> wake)
    : m_clock(clock), m_wake(std::move(wake))
{
}

PlaybackThread::~PlaybackThread()
{
    stop();
}

void PlaybackThread::start(VideoDecoder &decoder, int shown, MediaClock::Time shownAt, double framesPerSecond,
                           int length)
{
    stop();
    m_cancel = false;
    m_thread = std::thread(&PlaybackThread::run, this, &decoder, shown, shownAt, framesPerSecond, length);
}

void PlaybackThread::stop()
{
    if (m_thread.joinable()) {
        m_cancel = true;
        m_clock.wakeAll();
        m_thread.join();
    }
    m_cancel = false;
    std::lock_guard lock(m_slotMutex);
    m_slot = {};
    m_posted = false;
}

PlaybackDelivery PlaybackThread::take()
{
    std::lock_guard lock(m_slotMutex);
    PlaybackDelivery taken = std::move(m_slot);
    m_slot = {};
    m_posted = false;
    return taken;
}

void PlaybackThread::run(VideoDecoder *decoder, int shown, MediaClock::Time shownAt, double fps, int length)
{
    const auto due = [&](int i) {
        return shownAt + MediaClock::Time(std::llround(double(i - shown) * 1e9 / fps));
    };
    for (;;) {
        if (m_cancel)
            return;
        const int i = decoder->decodeNext();
        if (i < 0)
            break;
        if (m_clock.now() >= due(i + 1)) {
            ++m_dropped;
            continue;
        }
        if (!m_clock.waitUntil(due(i), m_cancel))
            return;
        // The wait may have overslept past the next frame's time.
        if (m_clock.now() >= due(i + 1)) {
            ++m_dropped;
            continue;
        }
        QImage image = decoder->convertLast();
        if (!image.isNull())
            deliver(i, std::move(image), false);
    }
    if (m_clock.waitUntil(due(length), m_cancel))
        deliver(-1, QImage(), true);
}

void PlaybackThread::deliver(int index, QImage image, bool end)
{
    bool post = false;
    {
        std::lock_guard lock(m_slotMutex);
        if (index >= 0) {
            if (m_slot.index >= 0)
                ++m_dropped; // the window's thread did not take it in time
            m_slot.index = index;
            m_slot.image = std::move(image);
            ++m_delivered;
        }
        m_slot.end = m_slot.end || end;
        post = !m_posted;
        m_posted = true;
    }
    if (post && m_wake)
        m_wake();
}

} // namespace vorlane
