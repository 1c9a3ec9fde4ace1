#include "core/media/soundtrack.h"

#include "core/media/mediacodecs.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace vorlane {

SoundTrack::SoundTrack() = default;

SoundTrack::~SoundTrack()
{
    clear();
}

bool SoundTrack::load(const QString &path)
{
    clear();
    const MediaCodecs *codecs = LoadMediaCodecs();
    DecodedSound sound;
    if (!codecs || !codecs->decodeSound(path, kMaxSeconds, &sound))
        return false;
    m_pcm = sound.pcm;
    m_format.setSampleRate(sound.sampleRate);
    m_format.setChannelCount(sound.channels);
    m_format.setSampleFormat(QAudioFormat::Int16);
    return true;
}

double SoundTrack::duration() const
{
    const int frameBytes = m_format.bytesPerFrame();
    return frameBytes > 0 ? double(m_pcm.size() / frameBytes) / m_format.sampleRate() : 0;
}

void SoundTrack::play(double seconds)
{
    stop();
    if (m_pcm.isEmpty())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(m_format))
        return;
    const qint64 frameBytes = m_format.bytesPerFrame();
    const qint64 offset =
        qBound<qint64>(0, qint64(seconds * m_format.sampleRate()) * frameBytes, m_pcm.size());
    if (offset >= m_pcm.size())
        return;
    m_buffer.setData(m_pcm);
    if (!m_buffer.open(QIODevice::ReadOnly) || !m_buffer.seek(offset))
        return;
    m_sink = std::make_unique<QAudioSink>(device, m_format);
    m_sink->start(&m_buffer);
    if (m_sink->error() != QAudio::NoError)
        stop();
}

void SoundTrack::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    if (m_buffer.isOpen())
        m_buffer.close();
}

void SoundTrack::clear()
{
    stop();
    m_pcm.clear();
    m_format = QAudioFormat();
}

bool SoundTrack::playing() const
{
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

} // namespace vorlane
