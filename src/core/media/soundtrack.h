#pragma once

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <memory>

class QAudioSink;

namespace vorlane {

// The sound of a video, played through Qt Multimedia's audio output. The sound
// stream is decoded once, whole (at most kMaxSeconds), into 16-bit samples;
// playing starts at a time in the video. Where there is no audio output device,
// or it refuses the format, nothing is played and nothing is said: the video
// plays without sound. Lives on the window's thread.
class SoundTrack {
public:
    static constexpr int kMaxSeconds = 600;

    SoundTrack();
    ~SoundTrack();
    SoundTrack(const SoundTrack &) = delete;
    SoundTrack &operator=(const SoundTrack &) = delete;

    // Decodes the first sound stream of `path`; false when it has none or none
    // decodes.
    bool load(const QString &path);
    bool isLoaded() const { return !m_pcm.isEmpty(); }
    // Seconds of sound loaded.
    double duration() const;

    // Plays from `seconds` into the sound (stops what was playing).
    void play(double seconds);
    void stop();
    void clear();
    // True while an audio output is playing.
    bool playing() const;

private:
    QByteArray m_pcm;
    QAudioFormat m_format;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace vorlane
