// The media module: FFmpeg's decoding, loaded by LoadMediaCodecs when the
// first video or sound is opened.
#include "mediacodecs/ffmpegvideodecoder.h"

#include <QtGlobal>

namespace {

std::unique_ptr<vorlane::VideoDecoderEngine> createVideoDecoder()
{
    return std::make_unique<vorlane::FfmpegVideoDecoder>();
}

const vorlane::MediaCodecs kCodecs{createVideoDecoder, vorlane::DecodeSound};

} // namespace

extern "C" Q_DECL_EXPORT const vorlane::MediaCodecs *vorlane_media_codecs()
{
    return &kCodecs;
}
