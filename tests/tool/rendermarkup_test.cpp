// vorlane-tool render-markup, run as a separate program.

#include "testsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QFile>
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
    "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":144,\"y\":72,\"text\":\"2\",\"font\":\"Arial\",\"size\":10,"
    "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
    "{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":264,\"y\":0,\"text\":\"O\",\"font\":\"Arial\",\"size\":12,"
    "\"bold\":false,\"italic\":false,\"underline\":false,\"color\":\"#000000\"}\n"
    "{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":19.2}\n"
    "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":288,\"heightPx\":19.2}\n";

} // namespace

TEST(RenderMarkupTool, ExampleTraceOnStandardOutput)
{
    const MarkupRun run = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--width"), QStringLiteral("600")},
                                 kExampleBody);
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kExampleTrace);
}

TEST(RenderMarkupTool, TraceToAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.jsonl"));
    const MarkupRun run = renderMarkup({QStringLiteral("--trace"), path, QStringLiteral("--test-metrics")}, kExampleBody);
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
    EXPECT_EQ(run.out, QByteArray("{\"op\":\"height\",\"s\":\"PictureTEXTE\",\"px\":0}\n"
                                  "{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":0}\n"));
}

TEST(RenderMarkupTool, WidthAndPrintMode)
{
    const MarkupRun wide = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--width"), QStringLiteral("400")},
                                  "##ALDR\r\nAB\r\n");
    EXPECT_TRUE(wide.out.startsWith("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":5760,")) << wide.out.constData();
    const MarkupRun print = renderMarkup({QStringLiteral("--test-metrics"), QStringLiteral("--print-mode"),
                                    QStringLiteral("--width"), QStringLiteral("400")},
                                   "##ALDR\r\nAB\xc2\xb6\r\n");
    EXPECT_TRUE(print.out.startsWith("{\"op\":\"print\",\"s\":\"PictureTEXTE\",\"x\":8760,")) << print.out.constData();
    EXPECT_TRUE(print.out.endsWith("{\"op\":\"end\",\"s\":\"PictureTEXTE\",\"pageHeight\":0,\"heightPx\":1000}\n"));
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
