// vorlane-tool render-markup, run as a separate program.

#include "testsupport.h"

#include "core/surface/fontmeasurer.h"
#include "core/surface/tracelog.h"
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct MarkupRun {
    int code = -1;
    QByteArray out;
    QString err;
};

MarkupRun renderMarkup(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(QStringLiteral(VORLANE_TOOL), QStringList{QStringLiteral("render-markup")} + args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            QString::fromUtf8(p.readAllStandardError())};
}

const QByteArray kExampleBody = "##SI12\r\nH\r\n##IND2\r\nO\xc2\xb6\r\n";
const QByteArray kExampleTrace =
    "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":0,\"y\":0,\"text\":\"H\",\"font\":\"Arial\",\"size\":12,"
    "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
    "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":144,\"y\":72,\"text\":\"2\",\"font\":\"Arial\",\"size\":"
    "10,"
    "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
    "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":264,\"y\":0,\"text\":\"O\",\"font\":\"Arial\",\"size\":"
    "12,"
    "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
    "{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":19.2}\n"
    "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":288,\"heightPx\":19.2}\n";

} // namespace

TEST(RenderMarkupTool, ExampleTraceOnStandardOutput)
{
    const MarkupRun run = renderMarkup(
        {QStringLiteral("--test-metrics"), QStringLiteral("--width"), QStringLiteral("600")}, kExampleBody);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kExampleTrace);
}

TEST(RenderMarkupTool, TraceToAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.jsonl"));
    const MarkupRun run =
        renderMarkup({QStringLiteral("--trace"), path, QStringLiteral("--test-metrics")}, kExampleBody);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), kExampleTrace);
}

TEST(RenderMarkupTool, LineEndsAreNotConverted)
{
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics")}, "##SI12\nH\nO\xc2\xb6\n");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out,
              QByteArray("{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":0}\n"
                         "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":0}\n"));
}

TEST(RenderMarkupTool, WidthAndPrintMode)
{
    const MarkupRun wide =
        renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--width"), QStringLiteral("400")},
                     "##ALDR\r\nAB\r\n");
    EXPECT_TRUE(wide.out.startsWith("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":5760,"))
        << wide.out.constData();
    const MarkupRun print = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--print-mode"),
                                          QStringLiteral("--width"), QStringLiteral("400")},
                                         "##ALDR\r\nAB\xc2\xb6\r\n");
    EXPECT_TRUE(print.out.startsWith("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":8760,"))
        << print.out.constData();
    EXPECT_TRUE(
        print.out.endsWith("{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":1000}\n"));
}

TEST(RenderMarkupTool, UsageErrors)
{
    const QStringList bad[] = {
        {QStringLiteral("--width")},
        {QStringLiteral("--width"), QStringLiteral("0")},
        {QStringLiteral("--width"), QStringLiteral("abc")},
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("body.txt")},
        {QStringLiteral("--test-metrics"), QStringLiteral("--"), QStringLiteral("x")},
    };
    for (const QStringList &args : bad) {
        const MarkupRun run = renderMarkup(args, kExampleBody);
        EXPECT_EQ(run.code, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains(QStringLiteral("render-markup"))) << run.err.toStdString();
    }
}

TEST(RenderMarkupTool, MissingDataFolderIsNamed)
{
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--data"),
                                        QStringLiteral("/nonexistent/vorlane-data")},
                                       kExampleBody);
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("/nonexistent/vorlane-data")));
}

TEST(RenderMarkupTool, PngOfTheBody)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page.png"));
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--png"), png},
                                       "##C011\r\n##RECT020010\r\n##PIY010\r\n\xc2\xb6\r\n");
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()); // no trace unless asked with --trace
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(600, 36)); // 540 twips
    EXPECT_EQ(image.pixelColor(10, 5), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(30, 5), QColor(Qt::white));
}

TEST(RenderMarkupTool, PngAndTraceTogether)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page.png"));
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--png"), png,
                                        QStringLiteral("--trace"), QStringLiteral("-")},
                                       kExampleBody);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, kExampleTrace);
    const QImage image(png);
    EXPECT_EQ(image.width(), 600);
    EXPECT_GE(image.height(), 19); // 19.2 pixels high: the image may hold the partial pixel
    EXPECT_LE(image.height(), 20);
}

TEST(RenderMarkupTool, EmptyBodyHasNoPng)
{
    QTemporaryDir dir;
    const MarkupRun run = renderMarkup({QStringLiteral("--png"), dir.filePath(QStringLiteral("p.png"))}, "");
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("p.png")));
}

TEST(RenderMarkupTool, RealFontsWithoutTestMetrics)
{
    const MarkupRun run = renderMarkup({}, kExampleBody);
    EXPECT_EQ(run.code, 0);
    vorlane::FontMeasurer fonts;
    vorlane::FontSpec arial12;
    arial12.size = 12;
    const double h = fonts.width(arial12, QStringLiteral("H"));
    EXPECT_GT(h, 120); // not the test metrics' 144 for no reason: Arial's H is wide
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_GE(lines.size(), 3);
    const QByteArray x = "\"x\":" + vorlane::TraceLog::formatNumber(h).toUtf8() + ",";
    EXPECT_TRUE(lines[1].contains(x)) << lines[1].constData() << " expected " << x.constData();
}

TEST(RenderMarkupTool, PicturesLinksAndWindowRecords)
{
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--data"),
                                        vorlane::testing::dataDir() + QStringLiteral("/pictures")},
                                       "##IHDEFschema.gif200100\r\n##IJA07\r\n##LIERTvoir la loi#PAG012\r\n"
                                       "##LIERF03\r\n##ADMENun#PAG1\r\n##TITBAR\r\n##VIDEOa.avi\r\n"
                                       "##LARGEUR000500\r\n");
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(
        run.out,
        QByteArray(
            "{\"op\":\"picture\",\"s\":\"PictureTEXTE\",\"x\":0,\"y\":0,\"w\":3000,\"h\":1500,\"file\":"
            "\"SCHEMA.GIF\"}\n"
            "{\"op\":\"picture\",\"s\":\"PictureTEXTE\",\"x\":0,\"y\":1500,\"w\":300,\"h\":300,"
            "\"file\":\"ImageList1:7\"}\n"
            "{\"op\":\"label\",\"s\":\"PictureTEXTE\",\"array\":\"Labelien\",\"index\":0,\"left\":300,"
            "\"top\":1500,"
            "\"caption\":\"voir la loi\",\"tag\":\"PAG012\",\"font\":\"Arial\",\"size\":10,\"bold\":false,"
            "\"italic\":false,\"color\":\"#000000\"}\n"
            "{\"op\":\"image\",\"s\":\"PictureTEXTE\",\"array\":\"Imagelien\",\"index\":0,\"left\":1620,"
            "\"top\":1500,"
            "\"list\":2,\"icon\":3,\"tag\":\"FLOTTANT\",\"tooltip\":\"\"}\n"
            "{\"op\":\"menu\",\"link\":0,\"entry\":0,\"caption\":\"un\",\"tag\":\"PAG1\"}\n"
            "{\"op\":\"caption\",\"text\":\"Vorlane - Dorvance                  \"}\n"
            "{\"op\":\"video\",\"name\":\"a.avi\"}\n"
            "{\"op\":\"largeur\",\"body\":500,\"illus\":0}\n"
            "{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":100}\n"
            "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":1500,\"heightPx\":100}\n"));
}

TEST(RenderMarkupTool, PngShowsPicturesIconsAndLinkCaptions)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("page.png"));
    // Icon at pixels 0..19, the link caption from pixel 20 (88 pixels wide
    // with the test metrics), the picture at pixel 200.
    const MarkupRun run =
        renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--png"), png,
                      QStringLiteral("--data"), vorlane::testing::dataDir() + QStringLiteral("/pictures")},
                     "##IJA01\r\n##LIERTvoir la loi#PAG012\r\n##POX200\r\n##IMASCHEMA.GIF\r\n"
                     "##PIY030\r\n\xc2\xb6\r\n");
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(600, 46));
    const QColor tile = image.pixelColor(10, 4);
    EXPECT_GT(tile.blue(), tile.red() + 60) << "the blue tile of the arrow";
    EXPECT_EQ(image.pixelColor(202, 2), QColor(0x30, 0x60, 0xc0));
    EXPECT_EQ(image.pixelColor(210, 10), QColor(0xf0, 0xc0, 0x40));
    int dark = 0;
    for (int x = 20; x < 108; ++x)
        for (int y = 0; y < 16; ++y)
            dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    EXPECT_GT(dark, 30) << "the caption of the link";
    EXPECT_EQ(image.pixelColor(150, 30), QColor(Qt::white));
}
