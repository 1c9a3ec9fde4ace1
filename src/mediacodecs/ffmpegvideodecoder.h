#pragma once

#include "core/media/mediacodecs.h"

namespace vorlane {

// VideoDecoder's work, on FFmpeg (see core/media/videodecoder.h for what it does).
class FfmpegVideoDecoder final : public VideoDecoderEngine {
public:
    FfmpegVideoDecoder();
    ~FfmpegVideoDecoder() override;

    bool open(const QString &path, QString *error) override;
    void close() override;
    bool isOpen() const override;
    int frameCount() const override;
    QSize frameSize() const override;
    double pixelAspect() const override;
    double frameRate() const override;
    bool hasSound() const override;
    QString path() const override;
    QImage frame(int index) override;
    int decodeNext() override;
    QImage convertLast() override;
    int lastIndex() const override;
    int seekCount() const override;
    int restartCount() const override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The first sound stream of `path` as 16-bit samples (see MediaCodecs::decodeSound).
bool DecodeSound(const QString &path, int maxSeconds, DecodedSound *sound);

} // namespace vorlane
