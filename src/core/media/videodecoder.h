#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "core/media/mediacodecs.h"

namespace vorlane {

// Frame-exact reading of a video file through FFmpeg's libraries (libavformat,
// libavcodec, libswscale, in the media module: see mediacodecs.h): AVI of any codec FFmpeg decodes (Motion
// JPEG, Microsoft Video 1, Cinepak...) and MPEG-1/2 files.
//
// Frames are numbered from 0 in the order the decoder gives them, as FFmpeg's
// own decoding counts them. Opening decodes the whole video stream once to count
// the frames and note each one's timestamp and key-frame mark: container frame
// counts and durations are not trusted (MPEG files have none, or a wrong one).
// A frame is reached by decoding forward from the frame before it, from the key
// frame before it, or from the start of the file where seeking is not reliable
// (AVI with reordered frames, a file whose timestamps are missing or out of
// order). After a seek, every frame decoded is identified by its timestamp; a
// seek that lands after its target backs off, and finally decodes from the
// start, so the frame returned is always the one sequential decoding gives.
//
// Images are RGB32 (the byte layout of FFmpeg's RGB32) at the file's own size,
// converted as FFmpeg's own tools convert (bicubic flags, the range and matrix
// the frame declares, full range for JPEG frames).
//
// One thread at a time.
class VideoDecoder {
public:
    VideoDecoder();
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder &) = delete;
    VideoDecoder &operator=(const VideoDecoder &) = delete;

    // Opens `path`; false (with `error` set, in French) when it is not a file
    // FFmpeg reads, has no video stream that decodes, or gives no frame.
    bool open(const QString &path, QString *error = nullptr);
    void close();
    bool isOpen() const;

    int frameCount() const;
    // Pixels of the decoded frames.
    QSize frameSize() const;
    // Width over height of one pixel (1 when the file does not say).
    double pixelAspect() const;
    // Frames per second as the file declares it (25 when it declares none).
    double frameRate() const;
    // True when the file also has a sound stream.
    bool hasSound() const;
    QString path() const;

    // Frame `index` (0..frameCount()-1); a null image out of range or when it
    // cannot be decoded.
    QImage frame(int index);

    // Sequential reading for playback: decodes the frame after the last one
    // decoded and returns its index (-1 at the end). Frames that a seek made
    // unreliable are never returned: decoding restarts as frame() does.
    int decodeNext();
    // The last frame decoded or returned by frame(), converted (null if none).
    QImage convertLast();
    // Index of that frame (-1 if none).
    int lastIndex() const;

    // Positioning statistics, for tests and benchmarks: the number of seeks made
    // and of restarts from the start of the file.
    int seekCount() const;
    int restartCount() const;

private:
    // The decoder of the media module, made at the first open().
    std::unique_ptr<VideoDecoderEngine> m_engine;
};

} // namespace vorlane
