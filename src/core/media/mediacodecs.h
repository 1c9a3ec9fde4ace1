#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

namespace vorlane {

// What reads video and sound files: FFmpeg's libraries, in a module of their own
// (vorlane-media-codecs.so beside the program), loaded when the first video or
// sound is opened. Starting the program therefore does not load FFmpeg and the
// hundred libraries it depends on (about 90 ms of CPU time at every start).

// One opened video, frame-exact (see VideoDecoder, which forwards to it).
class VideoDecoderEngine {
public:
    virtual ~VideoDecoderEngine() = default;
    virtual bool open(const QString &path, QString *error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual int frameCount() const = 0;
    virtual QSize frameSize() const = 0;
    virtual double pixelAspect() const = 0;
    virtual double frameRate() const = 0;
    virtual bool hasSound() const = 0;
    virtual QString path() const = 0;
    virtual QImage frame(int index) = 0;
    virtual int decodeNext() = 0;
    virtual QImage convertLast() = 0;
    virtual int lastIndex() const = 0;
    virtual int seekCount() const = 0;
    virtual int restartCount() const = 0;
};

// The first sound stream of a file, as signed 16-bit samples, one or two
// channels interleaved.
struct DecodedSound {
    QByteArray pcm;
    int sampleRate = 0;
    int channels = 0;
};

// The module's entry points. The module exports `vorlane_media_codecs`, a
// function without arguments that returns its table.
struct MediaCodecs {
    std::unique_ptr<VideoDecoderEngine> (*createVideoDecoder)();
    // Decodes at most maxSeconds of the first sound stream of `path`; false when
    // it has none or none decodes.
    bool (*decodeSound)(const QString &path, int maxSeconds, DecodedSound *sound);
};

// The module's table, loaded at the first call (from the program's folder,
// else from where the build put it); nullptr when it cannot be loaded, with the
// reason in `error` in French. Safe from any thread.
const MediaCodecs *LoadMediaCodecs(QString *error = nullptr);

} // namespace vorlane
