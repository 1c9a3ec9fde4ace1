#include "mediacodecs/ffmpegvideodecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>

namespace vorlane {

namespace {

// Owns the FFmpeg objects of one decoding pass.
struct SoundDecoding {
    AVFormatContext *fmt = nullptr;
    AVCodecContext *codec = nullptr;
    SwrContext *swr = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    ~SoundDecoding()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        swr_free(&swr);
        avcodec_free_context(&codec);
        avformat_close_input(&fmt);
    }
};

} // namespace

bool DecodeSound(const QString &path, int maxSeconds, DecodedSound *sound)
{
    SoundDecoding s;
    AVDictionary *options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    const QByteArray name = "file:" + QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const int opened = avformat_open_input(&s.fmt, name.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0 || avformat_find_stream_info(s.fmt, nullptr) < 0)
        return false;
    const AVCodec *decoder = nullptr;
    const int stream = av_find_best_stream(s.fmt, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (stream < 0 || !decoder)
        return false;
    for (unsigned i = 0; i < s.fmt->nb_streams; ++i) {
        if (int(i) != stream)
            s.fmt->streams[i]->discard = AVDISCARD_ALL;
    }
    s.codec = avcodec_alloc_context3(decoder);
    if (!s.codec || avcodec_parameters_to_context(s.codec, s.fmt->streams[stream]->codecpar) < 0)
        return false;
    s.codec->thread_count = 1;
    if (avcodec_open2(s.codec, decoder, nullptr) < 0)
        return false;
    const int rate = s.codec->sample_rate;
    const int inChannels = s.codec->ch_layout.nb_channels;
    if (rate < 1000 || rate > 384000 || inChannels < 1)
        return false;
    const int channels = inChannels == 1 ? 1 : 2;
    AVChannelLayout outLayout;
    av_channel_layout_default(&outLayout, channels);
    if (s.codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&s.codec->ch_layout, inChannels);
    if (swr_alloc_set_opts2(&s.swr, &outLayout, AV_SAMPLE_FMT_S16, rate, &s.codec->ch_layout,
                            s.codec->sample_fmt, rate, 0, nullptr) < 0 ||
        swr_init(s.swr) < 0)
        return false;
    s.packet = av_packet_alloc();
    s.frame = av_frame_alloc();
    if (!s.packet || !s.frame)
        return false;

    const qint64 bytesPerSecond = qint64(rate) * channels * 2;
    const qint64 limit = bytesPerSecond * qint64(std::max(maxSeconds, 0));
    QByteArray pcm;
    bool flushed = false;
    while (pcm.size() < limit) {
        const int got = avcodec_receive_frame(s.codec, s.frame);
        if (got == 0) {
            const int room = swr_get_out_samples(s.swr, s.frame->nb_samples);
            if (room <= 0)
                continue;
            const qsizetype at = pcm.size();
            pcm.resize(at + qsizetype(room) * channels * 2);
            std::uint8_t *out = reinterpret_cast<std::uint8_t *>(pcm.data() + at);
            const int samples =
                swr_convert(s.swr, &out, room, const_cast<const std::uint8_t **>(s.frame->extended_data),
                            s.frame->nb_samples);
            pcm.resize(at + qsizetype(std::max(samples, 0)) * channels * 2);
            continue;
        }
        if (got != AVERROR(EAGAIN) || flushed)
            break;
        for (;;) {
            if (av_read_frame(s.fmt, s.packet) < 0) {
                avcodec_send_packet(s.codec, nullptr);
                flushed = true;
                break;
            }
            if (s.packet->stream_index != stream) {
                av_packet_unref(s.packet);
                continue;
            }
            avcodec_send_packet(s.codec, s.packet);
            av_packet_unref(s.packet);
            break;
        }
    }
    if (pcm.isEmpty())
        return false;
    sound->pcm = pcm.left(limit);
    sound->sampleRate = rate;
    sound->channels = channels;
    return true;
}

} // namespace vorlane
