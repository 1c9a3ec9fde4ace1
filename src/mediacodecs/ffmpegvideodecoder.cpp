#include "mediacodecs/ffmpegvideodecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
#include <libswscale/swscale.h>
}

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <mutex>
#include <vector>

namespace vorlane {

namespace {

// Bounds that keep a damaged or hostile file from exhausting memory.
constexpr int kMaxPixels = 8192 * 8192;
constexpr int kMaxFrames = 500000;
// Forward decoding is preferred to a seek for targets this close.
constexpr int kForwardReach = 48;

// FFmpeg writes its diagnostics to standard error; the window and the tool
// report failures themselves.
void QuietLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

bool IsKeyFrame(const AVFrame *f, bool intraOnly)
{
#if LIBAVUTIL_VERSION_INT >= AV_VERSION_INT(58, 7, 100)
    const bool key = f->flags & AV_FRAME_FLAG_KEY;
#else
    const bool key = f->key_frame != 0;
#endif
    // Decoders that do not set the picture type leave the key mark at its
    // default: only intra-only codecs and marked I pictures are trusted.
    return intraOnly || (key && f->pict_type == AV_PICTURE_TYPE_I);
}

// The JPEG variants of the YUV formats are the same layouts at full range.
AVPixelFormat WithoutJpegRange(AVPixelFormat f, bool &fullRange)
{
    switch (f) {
    case AV_PIX_FMT_YUVJ420P:
        fullRange = true;
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        fullRange = true;
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        fullRange = true;
        return AV_PIX_FMT_YUV444P;
    case AV_PIX_FMT_YUVJ440P:
        fullRange = true;
        return AV_PIX_FMT_YUV440P;
    case AV_PIX_FMT_YUVJ411P:
        fullRange = true;
        return AV_PIX_FMT_YUV411P;
    default:
        return f;
    }
}

QString Tr(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

struct FfmpegVideoDecoder::Impl {
    struct Entry {
        std::int64_t ts = AV_NOPTS_VALUE;
        bool key = false;
    };

    QString path;
    AVFormatContext *fmt = nullptr;
    AVCodecContext *codec = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr; // the last frame decoded
    SwsContext *sws = nullptr;
    int swsFormat = -1;
    int swsColorspace = -1;
    int swsRange = -1;
    int stream = -1;
    bool intraOnly = false;
    bool flushed = false;
    bool sound = false;

    std::vector<Entry> frames;
    // (timestamp, index) of every frame with a timestamp, by timestamp.
    std::vector<std::pair<std::int64_t, int>> byTime;
    bool seekable = false;
    bool backOff = false; // MPEG programme and transport streams land after the target
    AVRational timeBase{1, 25};
    double fps = 25;
    double aspect = 1;
    QSize size;

    int next = 0;  // index of the next frame the decoder gives
    int last = -1; // index of the frame in `frame`
    int seeks = 0;
    int restarts = 0;

    ~Impl() { closeStreams(); }

    void closeStreams()
    {
        sws_freeContext(sws);
        sws = nullptr;
        swsFormat = swsColorspace = swsRange = -1;
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&fmt);
        stream = -1;
        next = 0;
        last = -1;
        flushed = false;
    }

    bool openStreams(QString *error)
    {
        closeStreams();
        const auto fail = [&](const QString &why) {
            if (error)
                *error = why;
            closeStreams();
            return false;
        };
        AVDictionary *options = nullptr;
        // Only the file itself: a playlist inside a crafted file reaches nothing else.
        av_dict_set(&options, "protocol_whitelist", "file", 0);
        const QByteArray name = "file:" + QFile::encodeName(QFileInfo(path).absoluteFilePath());
        const int opened = avformat_open_input(&fmt, name.constData(), nullptr, &options);
        av_dict_free(&options);
        if (opened < 0)
            return fail(Tr("fichier illisible"));
        if (avformat_find_stream_info(fmt, nullptr) < 0)
            return fail(Tr("format inconnu"));
        const AVCodec *decoder = nullptr;
        stream = av_find_best_stream(fmt, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
        if (stream < 0 || !decoder)
            return fail(Tr("aucune image vidéo lisible"));
        AVStream *st = fmt->streams[stream];
        sound = av_find_best_stream(fmt, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0) >= 0;
        for (unsigned i = 0; i < fmt->nb_streams; ++i) {
            if (int(i) != stream)
                fmt->streams[i]->discard = AVDISCARD_ALL;
        }
        codec = avcodec_alloc_context3(decoder);
        if (!codec || avcodec_parameters_to_context(codec, st->codecpar) < 0)
            return fail(Tr("décodeur indisponible"));
        codec->thread_count = 1;
        codec->max_pixels = kMaxPixels;
        codec->pkt_timebase = st->time_base;
        if (avcodec_open2(codec, decoder, nullptr) < 0)
            return fail(Tr("décodeur indisponible"));
        packet = av_packet_alloc();
        frame = av_frame_alloc();
        if (!packet || !frame)
            return fail(Tr("mémoire insuffisante"));
        const AVCodecDescriptor *descriptor = avcodec_descriptor_get(codec->codec_id);
        intraOnly = descriptor && (descriptor->props & AV_CODEC_PROP_INTRA_ONLY);
        timeBase = st->time_base;
        const AVRational rate = av_guess_frame_rate(fmt, st, nullptr);
        fps = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 25.0;
        if (!(fps >= 0.1 && fps <= 1000))
            fps = 25;
        const AVRational sar = av_guess_sample_aspect_ratio(fmt, st, nullptr);
        aspect = sar.num > 0 && sar.den > 0 ? av_q2d(sar) : 1.0;
        if (!(aspect >= 0.1 && aspect <= 10))
            aspect = 1;
        return true;
    }

    // Decodes one frame into `frame`; false at the end of the stream or when
    // the decoder fails. Damaged packets are skipped, as FFmpeg's own tools do.
    bool decodeOne()
    {
        for (;;) {
            const int got = avcodec_receive_frame(codec, frame);
            if (got == 0) {
                if (frame->width <= 0 || frame->height <= 0)
                    continue;
                return true;
            }
            if (got != AVERROR(EAGAIN) || flushed)
                return false;
            for (;;) {
                if (av_read_frame(fmt, packet) < 0) {
                    avcodec_send_packet(codec, nullptr);
                    flushed = true;
                    break;
                }
                if (packet->stream_index != stream) {
                    av_packet_unref(packet);
                    continue;
                }
                avcodec_send_packet(codec, packet);
                av_packet_unref(packet);
                break;
            }
        }
    }

    std::int64_t frameTime() const { return frame->best_effort_timestamp; }

    int indexAt(std::int64_t ts) const
    {
        const auto it = std::lower_bound(byTime.begin(), byTime.end(), std::make_pair(ts, -1));
        return it != byTime.end() && it->first == ts ? it->second : -1;
    }

    bool restart()
    {
        ++restarts;
        return openStreams(nullptr);
    }

    // Decodes forward until frame n. A frame whose timestamp is not the one the
    // scan noted means the decoding went astray: false.
    bool forward(int n)
    {
        while (last < n) {
            if (next >= int(frames.size()) || !decodeOne())
                return false;
            const std::int64_t ts = frameTime();
            const std::int64_t expected = frames[size_t(next)].ts;
            if (ts != AV_NOPTS_VALUE && expected != AV_NOPTS_VALUE && ts != expected)
                return false;
            last = next++;
        }
        return last == n;
    }

    int keyBefore(int n) const
    {
        for (int k = n; k >= 0; --k) {
            if (frames[size_t(k)].key && frames[size_t(k)].ts != AV_NOPTS_VALUE)
                return k;
        }
        return -1;
    }

    // Seeks to the key frame before n and decodes forward to it. Frames are
    // trusted only from a key frame on, so a landing in the middle of a group
    // of pictures never yields a frame decoded without its references.
    bool seekTo(int n)
    {
        const int k = keyBefore(n);
        if (k < 0)
            return false;
        const std::int64_t target = frames[size_t(k)].ts;
        const std::int64_t second = av_rescale_q(AV_TIME_BASE, AV_TIME_BASE_Q, timeBase);
        const std::int64_t backOffs[] = {backOff ? second : 0, 2 * second, 4 * second};
        for (const std::int64_t back : backOffs) {
            ++seeks;
            if (av_seek_frame(fmt, stream, target - back, AVSEEK_FLAG_BACKWARD) < 0)
                return false;
            avcodec_flush_buffers(codec);
            flushed = false;
            last = -1;
            next = -1;
            bool trusted = false;
            bool astray = false;
            while (!astray) {
                if (!decodeOne())
                    return false;
                const std::int64_t ts = frameTime();
                const int j = ts == AV_NOPTS_VALUE ? (last >= 0 ? last + 1 : -1) : indexAt(ts);
                if (j < 0 || j > n || (last >= 0 && j != last + 1)) {
                    astray = true;
                    break;
                }
                last = j;
                next = j + 1;
                trusted = trusted || frames[size_t(j)].key;
                if (j == n) {
                    if (trusted)
                        return true;
                    astray = true;
                }
            }
        }
        return false;
    }

    bool reach(int n)
    {
        if (n == last)
            return true;
        if (n >= next && next >= 0) {
            const int k = seekable ? keyBefore(n) : -1;
            if (!(k > next && n - next > kForwardReach) && forward(n))
                return true;
        } else if (seekable && seekTo(n)) {
            return true;
        }
        // Decoding from the start gives exactly the frames the scan counted.
        if (!restart())
            return false;
        return forward(n);
    }

    QImage convert()
    {
        if (last < 0)
            return {};
        const int w = frame->width;
        const int h = frame->height;
        bool full = false;
        const AVPixelFormat source = WithoutJpegRange(AVPixelFormat(frame->format), full);
        sws = sws_getCachedContext(sws, w, h, source, w, h, AV_PIX_FMT_RGB32, SWS_BICUBIC, nullptr, nullptr,
                                   nullptr);
        if (!sws)
            return {};
        const int range = full ? 1
                          : frame->color_range == AVCOL_RANGE_UNSPECIFIED
                              ? -1
                              : int(frame->color_range == AVCOL_RANGE_JPEG);
        if (swsFormat != int(source) || swsColorspace != int(frame->colorspace) || swsRange != range) {
            int *inverse = nullptr;
            int *table = nullptr;
            int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
            sws_getColorspaceDetails(sws, &inverse, &srcRange, &table, &dstRange, &brightness, &contrast,
                                     &saturation);
            // The matrix the frame declares, used both ways, as FFmpeg's scale filter does.
            const int *matrix = sws_getCoefficients(frame->colorspace);
            sws_setColorspaceDetails(sws, matrix, range < 0 ? srcRange : range, matrix, dstRange, brightness,
                                     contrast, saturation);
            swsFormat = int(source);
            swsColorspace = int(frame->colorspace);
            swsRange = range;
        }
        QImage image(w, h, QImage::Format_RGB32);
        if (image.isNull())
            return {};
        std::uint8_t *dst[4] = {image.bits(), nullptr, nullptr, nullptr};
        int dstStride[4] = {int(image.bytesPerLine()), 0, 0, 0};
        if (sws_scale(sws, frame->data, frame->linesize, 0, h, dst, dstStride) != h)
            return {};
        return image;
    }
};

FfmpegVideoDecoder::FfmpegVideoDecoder() : d(std::make_unique<Impl>()) {}

FfmpegVideoDecoder::~FfmpegVideoDecoder() = default;

bool FfmpegVideoDecoder::open(const QString &path, QString *error)
{
    QuietLibraries();
    close();
    d->path = path;
    if (!d->openStreams(error))
        return false;

    // Count the frames by decoding them all, noting timestamps and key frames.
    std::vector<Impl::Entry> frames;
    QSize size;
    while (int(frames.size()) < kMaxFrames && d->decodeOne()) {
        if (size.isEmpty())
            size = QSize(d->frame->width, d->frame->height);
        frames.push_back({d->frameTime(), IsKeyFrame(d->frame, d->intraOnly)});
    }
    if (frames.empty()) {
        if (error)
            *error = QString::fromUtf8("aucune image ne se décode");
        close();
        return false;
    }
    // The last frame after the end-of-stream flush often has no timestamp.
    bool increasing = true;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].ts == AV_NOPTS_VALUE) {
            if (i + 1 == frames.size() && i > 0)
                continue;
            increasing = false;
            break;
        }
        if (i > 0 && frames[i].ts <= frames[i - 1].ts)
            increasing = false;
    }
    const QString format = QString::fromLatin1(d->fmt->iformat->name);
    const bool avi = format.contains(u"avi");
    d->seekable = increasing && !(avi && d->codec->has_b_frames > 0);
    d->backOff = format == u"mpeg" || format == u"mpegts" || format == u"mpegvideo";
    d->byTime.clear();
    for (size_t i = 0; i < frames.size(); ++i) {
        if (frames[i].ts != AV_NOPTS_VALUE)
            d->byTime.emplace_back(frames[i].ts, int(i));
    }
    std::sort(d->byTime.begin(), d->byTime.end());
    d->frames = std::move(frames);
    d->size = size;
    if (!d->openStreams(error)) {
        close();
        return false;
    }
    d->restarts = 0;
    d->seeks = 0;
    return true;
}

void FfmpegVideoDecoder::close()
{
    d->closeStreams();
    d->frames.clear();
    d->byTime.clear();
    d->size = QSize();
    d->sound = false;
}

bool FfmpegVideoDecoder::isOpen() const
{
    return d->fmt != nullptr && !d->frames.empty();
}

int FfmpegVideoDecoder::frameCount() const
{
    return int(d->frames.size());
}

QSize FfmpegVideoDecoder::frameSize() const
{
    return d->size;
}

double FfmpegVideoDecoder::pixelAspect() const
{
    return d->aspect;
}

double FfmpegVideoDecoder::frameRate() const
{
    return d->fps;
}

bool FfmpegVideoDecoder::hasSound() const
{
    return d->sound;
}

QString FfmpegVideoDecoder::path() const
{
    return d->path;
}

QImage FfmpegVideoDecoder::frame(int index)
{
    if (!isOpen() || index < 0 || index >= frameCount())
        return {};
    if (!d->reach(index))
        return {};
    return d->convert();
}

int FfmpegVideoDecoder::decodeNext()
{
    if (!isOpen() || d->next < 0)
        return -1;
    const int n = d->next;
    if (n >= frameCount())
        return -1;
    if (d->forward(n))
        return n;
    // Decoding went astray: start again from the beginning, as frame() does.
    if (d->restart() && d->forward(n))
        return n;
    return -1;
}

QImage FfmpegVideoDecoder::convertLast()
{
    return isOpen() ? d->convert() : QImage();
}

int FfmpegVideoDecoder::lastIndex() const
{
    return d->last;
}

int FfmpegVideoDecoder::seekCount() const
{
    return d->seeks;
}

int FfmpegVideoDecoder::restartCount() const
{
    return d->restarts;
}

} // namespace vorlane
