#include "core/media/videodecoder.h"

namespace vorlane {

VideoDecoder::VideoDecoder() = default;

VideoDecoder::~VideoDecoder() = default;

bool VideoDecoder::open(const QString &path, QString *error)
{
    if (!m_engine) {
        const MediaCodecs *codecs = LoadMediaCodecs(error);
        if (!codecs)
            return false;
        m_engine = codecs->createVideoDecoder();
    }
    return m_engine->open(path, error);
}

void VideoDecoder::close()
{
    if (m_engine)
        m_engine->close();
}

bool VideoDecoder::isOpen() const
{
    return m_engine && m_engine->isOpen();
}

int VideoDecoder::frameCount() const
{
    return m_engine ? m_engine->frameCount() : 0;
}

QSize VideoDecoder::frameSize() const
{
    return m_engine ? m_engine->frameSize() : QSize();
}

double VideoDecoder::pixelAspect() const
{
    return m_engine ? m_engine->pixelAspect() : 1.0;
}

double VideoDecoder::frameRate() const
{
    return m_engine ? m_engine->frameRate() : 25.0;
}

bool VideoDecoder::hasSound() const
{
    return m_engine && m_engine->hasSound();
}

QString VideoDecoder::path() const
{
    return m_engine ? m_engine->path() : QString();
}

QImage VideoDecoder::frame(int index)
{
    return m_engine ? m_engine->frame(index) : QImage();
}

int VideoDecoder::decodeNext()
{
    return m_engine ? m_engine->decodeNext() : -1;
}

QImage VideoDecoder::convertLast()
{
    return m_engine ? m_engine->convertLast() : QImage();
}

int VideoDecoder::lastIndex() const
{
    return m_engine ? m_engine->lastIndex() : -1;
}

int VideoDecoder::seekCount() const
{
    return m_engine ? m_engine->seekCount() : 0;
}

int VideoDecoder::restartCount() const
{
    return m_engine ? m_engine->restartCount() : 0;
}

} // namespace vorlane
