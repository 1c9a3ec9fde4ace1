// Frame-exact reading: every clip kind is compared with FFmpeg's own decoding,
// frame by frame, whatever order the frames are asked in.
#include "core/media/videodecoder.h"
#include "media/testclips.h"

#include <QTemporaryDir>
#include <random>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

class DecoderByCodec : public ::testing::TestWithParam<ClipKind> {
protected:
    void SetUp() override
    {
        path = clip(GetParam());
        ASSERT_TRUE(decoder.open(path)) << path.toStdString();
        reference = referenceFrames(path, decoder.frameSize());
        ASSERT_FALSE(reference.empty());
    }

    void expectFrame(int index)
    {
        const QImage got = decoder.frame(index);
        ASSERT_FALSE(got.isNull()) << "frame " << index;
        EXPECT_EQ(differingPixels(got, reference[size_t(index)]), 0) << "frame " << index;
    }

    QString path;
    VideoDecoder decoder;
    std::vector<QImage> reference;
};

TEST_P(DecoderByCodec, LengthIsTheFrameCountFfprobeReports)
{
    EXPECT_EQ(decoder.frameCount(), probeFrameCount(path));
    EXPECT_EQ(decoder.frameCount(), int(reference.size()));
    EXPECT_EQ(decoder.frameSize(), QSize(160, 120));
    EXPECT_DOUBLE_EQ(decoder.frameRate(), GetParam().rate);
}

TEST_P(DecoderByCodec, FramesInOrderAreFfmpegsFrames)
{
    for (int i = 0; i < decoder.frameCount(); ++i)
        expectFrame(i);
}

TEST_P(DecoderByCodec, FramesBackwardsAreFfmpegsFrames)
{
    for (int i = decoder.frameCount() - 1; i >= 0; --i)
        expectFrame(i);
}

TEST_P(DecoderByCodec, FramesInAnyOrderAreFfmpegsFrames)
{
    std::mt19937 random(13);
    const int n = decoder.frameCount();
    std::uniform_int_distribution<int> pick(0, n - 1);
    for (int k = 0; k < 40; ++k)
        expectFrame(pick(random));
    // The far ends, then back to the start.
    expectFrame(n - 1);
    expectFrame(0);
    expectFrame(n - 1);
}

TEST_P(DecoderByCodec, SequentialReadingAfterAJumpGoesOnFromTheFrame)
{
    const int n = decoder.frameCount();
    const int from = n / 2;
    expectFrame(from);
    for (int i = from + 1; i < n; ++i) {
        ASSERT_EQ(decoder.decodeNext(), i);
        EXPECT_EQ(decoder.lastIndex(), i);
        EXPECT_EQ(differingPixels(decoder.convertLast(), reference[size_t(i)]), 0) << "frame " << i;
    }
    EXPECT_EQ(decoder.decodeNext(), -1);
}

TEST_P(DecoderByCodec, FramesOutsideTheVideoAreNull)
{
    EXPECT_TRUE(decoder.frame(-1).isNull());
    EXPECT_TRUE(decoder.frame(decoder.frameCount()).isNull());
    // And the decoder still reads.
    expectFrame(3);
}

INSTANTIATE_TEST_SUITE_P(Clips, DecoderByCodec, ::testing::ValuesIn(clipKinds()),
                         [](const auto &info) { return std::string(info.param.codec); });

TEST(VideoDecoder, IntraOnlyClipSeeksInsteadOfDecodingFromTheStart)
{
    // 2 s of Motion JPEG: every frame is a key frame.
    VideoDecoder decoder;
    ASSERT_TRUE(decoder.open(clip(clipKind("mjpeg"))));
    decoder.frame(19);
    decoder.frame(2);
    EXPECT_EQ(decoder.restartCount(), 0);
    EXPECT_GE(decoder.seekCount(), 1);
}

// Files that are not videos FFmpeg can decode open nothing.
struct DamagedCase {
    const char *name;
    std::function<QByteArray(const QByteArray &good)> make;
};
void PrintTo(const DamagedCase &c, std::ostream *os)
{
    *os << c.name;
}

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, OpensNothing)
{
    QFile good(clip(clipKind("mjpeg")));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("abime.avi"));
    QFile bad(path);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(GetParam().make(good.readAll()));
    bad.close();

    VideoDecoder decoder;
    QString error;
    EXPECT_FALSE(decoder.open(path, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(decoder.isOpen());
    EXPECT_EQ(decoder.frameCount(), 0);
    EXPECT_TRUE(decoder.frame(0).isNull());
    EXPECT_EQ(decoder.decodeNext(), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedFile,
    ::testing::Values(DamagedCase{"empty", [](const QByteArray &) { return QByteArray(); }},
                      DamagedCase{"noise",
                                  [](const QByteArray &) {
                                      QByteArray b(20000, '\0');
                                      std::mt19937 r(5);
                                      for (char &c : b)
                                          c = char(r());
                                      return b;
                                  }},
                      DamagedCase{"header_only", [](const QByteArray &g) { return g.left(300); }},
                      DamagedCase{"text",
                                  [](const QByteArray &) { return QByteArray("RIFF pas une video\r\n"); }},
                      DamagedCase{"frames_zeroed",
                                  [](const QByteArray &g) {
                                      // The headers survive, every frame's data is gone.
                                      QByteArray b = g;
                                      for (qsizetype i = 4096; i < b.size(); ++i)
                                          b[i] = '\0';
                                      return b;
                                  }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VideoDecoder, MissingFileOpensNothing)
{
    VideoDecoder decoder;
    EXPECT_FALSE(decoder.open(QStringLiteral("/nonexistent/chute.avi")));
    EXPECT_FALSE(decoder.isOpen());
}

TEST(VideoDecoder, SoundStreamIsNoticedAndFramesStillCount)
{
    VideoDecoder decoder;
    const QString path = clipWithSound();
    ASSERT_TRUE(decoder.open(path));
    EXPECT_TRUE(decoder.hasSound());
    EXPECT_EQ(decoder.frameCount(), probeFrameCount(path));
    VideoDecoder silent;
    ASSERT_TRUE(silent.open(clip(clipKind("mjpeg"))));
    EXPECT_FALSE(silent.hasSound());
}

} // namespace
