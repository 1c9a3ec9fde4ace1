// vorlane-tool video: what it prints, the frame it writes, and its refusals.
#include "media/testclips.h"

#include <QTemporaryDir>

using namespace vorlane::testing;

namespace {

struct ToolCase {
    const char *name;
    const char *codec;
    QStringList args; // after FILE
    QString position; // expected "position P" value
    int frame;        // frame the PNG holds
};
void PrintTo(const ToolCase &c, std::ostream *os)
{
    *os << c.name;
}

class VideoTool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(VideoTool, PrintsLengthSizePositionAndWritesTheFrame)
{
    const ToolCase &c = GetParam();
    const QString path = clip(clipKind(c.codec));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("frame.png"));
    const ToolRun run = runTool(QStringList{QStringLiteral("video"), path} + c.args +
                                QStringList{QStringLiteral("--png"), png});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const int length = probeFrameCount(path);
    EXPECT_EQ(run.out, QStringLiteral("length %1\nsize 160x120\nposition %2\n").arg(length).arg(c.position));
    // No warning of any kind, in particular none about sound output.
    EXPECT_EQ(run.err, QString());
    const QImage written(png);
    ASSERT_FALSE(written.isNull());
    const auto reference = referenceFrames(path, QSize(160, 120));
    ASSERT_LT(size_t(c.frame), reference.size());
    EXPECT_EQ(differingPixels(written, reference[size_t(c.frame)]), 0);
}

// Lengths: 20 frames for the AVI clips (10 per second), 50 for MPEG (25 per second).
INSTANTIATE_TEST_SUITE_P(
    Cases, VideoTool,
    ::testing::Values(
        ToolCase{"default_first_frame", "mjpeg", {}, QStringLiteral("0"), 0},
        ToolCase{
            "frame_7", "msvideo1", {QStringLiteral("--frame"), QStringLiteral("7")}, QStringLiteral("7"), 7},
        ToolCase{
            "frame_4_plus_9",
            "cinepak",
            {QStringLiteral("--frame"), QStringLiteral("4"), QStringLiteral("--step"), QStringLiteral("9")},
            QStringLiteral("13"),
            13},
        ToolCase{"mpeg_frame_37_back_11",
                 "mpeg1",
                 {QStringLiteral("--frame"), QStringLiteral("37"), QStringLiteral("--step"),
                  QStringLiteral("-11")},
                 QStringLiteral("26"),
                 26},
        ToolCase{"back_from_first_stays",
                 "mjpeg",
                 {QStringLiteral("--step"), QStringLiteral("-3")},
                 QStringLiteral("0"),
                 0},
        ToolCase{
            "step_on_last_stays",
            "msvideo1",
            {QStringLiteral("--frame"), QStringLiteral("19"), QStringLiteral("--step"), QStringLiteral("4")},
            QStringLiteral("19"),
            19},
        ToolCase{"frame_beyond_is_the_end",
                 "mpeg1",
                 {QStringLiteral("--frame"), QStringLiteral("999")},
                 QStringLiteral("50"),
                 49},
        ToolCase{
            "end_back_one",
            "cinepak",
            {QStringLiteral("--frame"), QStringLiteral("20"), QStringLiteral("--step"), QStringLiteral("-1")},
            QStringLiteral("19"),
            19}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VideoToolRefusals, UnreadableFileIsNamedOnStandardErrorWithExit1)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("abime.avi"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF....AVI pas une video");
    f.close();
    for (const QString &file : {bad, dir.filePath(QStringLiteral("absent.mpg"))}) {
        const ToolRun run = runTool({QStringLiteral("video"), file});
        EXPECT_EQ(run.code, 1);
        EXPECT_TRUE(run.err.contains(file)) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
}

TEST(VideoToolRefusals, UsageErrorsExit2)
{
    const QString path = clip(clipKind("mjpeg"));
    const QList<QStringList> cases = {
        {QStringLiteral("video")},
        {QStringLiteral("video"), path, QStringLiteral("--frame"), QStringLiteral("deux")},
        {QStringLiteral("video"), path, QStringLiteral("--speed"), QStringLiteral("2")},
        {QStringLiteral("video"), path, path},
    };
    for (const QStringList &args : cases) {
        const ToolRun run = runTool(args);
        EXPECT_EQ(run.code, 2) << args.join(u' ').toStdString();
    }
}

} // namespace
