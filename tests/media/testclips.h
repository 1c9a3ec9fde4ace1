#pragma once

// Video clips for the tests, made by the `ffmpeg` program at test time (at
// most 160 x 120 and 2 s) and kept in the build tree, so that each is made
// once per build whatever the number of test processes. The reference frames
// are FFmpeg's own decoding of each clip, converted to BGRA by the ffmpeg
// program.

#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <unistd.h>
#include <vector>

namespace vorlane::testing {

struct ClipKind {
    const char *name;   // file name, with its extension
    const char *codec;  // what it exercises, for test names
    int rate;           // frames per second
    QStringList encode; // the ffmpeg output options
};

inline const std::vector<ClipKind> &clipKinds()
{
    static const std::vector<ClipKind> kinds = {
        {"mjpeg.avi",
         "mjpeg",
         10,
         {QStringLiteral("-c:v"), QStringLiteral("mjpeg"), QStringLiteral("-pix_fmt"),
          QStringLiteral("yuvj420p")}},
        {"msvideo1.avi", "msvideo1", 10, {QStringLiteral("-c:v"), QStringLiteral("msvideo1")}},
        {"cinepak.avi", "cinepak", 10, {QStringLiteral("-c:v"), QStringLiteral("cinepak")}},
        // Groups of 12 pictures with B pictures: seeking must land before its target.
        {"mpeg1.mpg",
         "mpeg1",
         25,
         {QStringLiteral("-c:v"), QStringLiteral("mpeg1video"), QStringLiteral("-g"), QStringLiteral("12"),
          QStringLiteral("-bf"), QStringLiteral("2")}},
    };
    return kinds;
}

inline void PrintTo(const ClipKind &kind, std::ostream *os)
{
    *os << kind.codec;
}

inline QString clipsDir()
{
    const QString dir = QStringLiteral(VORLANE_TEST_CLIPS_DIR);
    QDir().mkpath(dir);
    return dir;
}

// Runs ffmpeg (or ffprobe) and returns its standard output; fails the test on error.
inline QByteArray runFfmpeg(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(100000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " " << args.join(u' ').toStdString() << ": "
                      << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

// Makes `path` with ffmpeg writing to `outputArgs`' last argument replaced by a
// temporary name, then renames it into place (parallel test processes may make
// the same file at once).
inline QString makeCached(const QString &name, const QStringList &inputArgs, const QStringList &outputArgs)
{
    const QByteArray key = (inputArgs + outputArgs).join(u'\x1f').toUtf8();
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Md5).toHex().left(8));
    const QString path = clipsDir() + u'/' + hash + u'-' + name;
    if (QFile::exists(path))
        return path;
    const QString temp = path + QStringLiteral(".%1.part").arg(::getpid());
    QStringList args = {QStringLiteral("-y"), QStringLiteral("-loglevel"), QStringLiteral("error")};
    args << inputArgs << outputArgs;
    // The temporary file's extension says nothing: its format is named.
    const QString ext = name.mid(name.lastIndexOf(u'.') + 1);
    const QString format = ext == u"avi"   ? QStringLiteral("avi")
                           : ext == u"mpg" ? QStringLiteral("mpeg")
                                           : QStringLiteral("rawvideo");
    args << QStringLiteral("-f") << format;
    args << temp;
    runFfmpeg(QStringLiteral("ffmpeg"), args);
    if (!QFile::rename(temp, path))
        QFile::remove(temp); // made by another process meanwhile
    return path;
}

inline QStringList testSource(int rate)
{
    // The duration is an option of the input: a second input (sound) may follow.
    return {QStringLiteral("-f"), QStringLiteral("lavfi"),
            QStringLiteral("-t"), QStringLiteral("2"),
            QStringLiteral("-i"), QStringLiteral("testsrc=size=160x120:rate=%1").arg(rate)};
}

// The clip of this kind.
inline QString clip(const ClipKind &kind)
{
    return makeCached(QString::fromLatin1(kind.name), testSource(kind.rate), kind.encode);
}

inline const ClipKind &clipKind(const char *codec)
{
    for (const ClipKind &k : clipKinds()) {
        if (qstrcmp(k.codec, codec) == 0)
            return k;
    }
    return clipKinds().front();
}

// An AVI clip with a sound track (a sine tone).
inline QString clipWithSound()
{
    QStringList in = testSource(10);
    in << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
       << QStringLiteral("sine=frequency=440:sample_rate=22050:duration=2");
    return makeCached(QStringLiteral("sound.avi"), in,
                      {QStringLiteral("-c:v"), QStringLiteral("mjpeg"), QStringLiteral("-c:a"),
                       QStringLiteral("pcm_s16le")});
}

// The number of frames `ffprobe -count_frames` reports.
inline int probeFrameCount(const QString &path)
{
    const QByteArray out = runFfmpeg(
        QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-count_frames"),
         QStringLiteral("-select_streams"), QStringLiteral("v:0"), QStringLiteral("-show_entries"),
         QStringLiteral("stream=nb_read_frames"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    return out.trimmed().toInt();
}

// FFmpeg's own decoding of every frame, converted to BGRA by the ffmpeg program.
inline std::vector<QImage> referenceFrames(const QString &path, QSize size)
{
    const QString raw =
        makeCached(QFileInfo(path).fileName() + QStringLiteral(".bgra"), {QStringLiteral("-i"), path},
                   {QStringLiteral("-fps_mode"), QStringLiteral("passthrough"), QStringLiteral("-pix_fmt"),
                    QStringLiteral("bgra")});
    QFile f(raw);
    std::vector<QImage> frames;
    if (!f.open(QIODevice::ReadOnly))
        return frames;
    const QByteArray all = f.readAll();
    const qsizetype frameBytes = qsizetype(size.width()) * size.height() * 4;
    for (qsizetype at = 0; frameBytes > 0 && at + frameBytes <= all.size(); at += frameBytes) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            memcpy(image.scanLine(y), all.constData() + at + qsizetype(y) * size.width() * 4,
                   size_t(size.width()) * 4);
        frames.push_back(image);
    }
    return frames;
}

// Number of pixels whose colour (alpha ignored) differs.
inline int differingPixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int differ = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const quint32 *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const quint32 *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            differ += (p[col] & 0xffffff) != (q[col] & 0xffffff);
    }
    return differ;
}

} // namespace vorlane::testing
