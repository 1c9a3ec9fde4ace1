// render-markup on question bodies: the exo records of the answer controls.

#include "testsupport.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

QByteArray exoRecords(const QByteArray &body)
{
    QProcess p;
    p.start(QStringLiteral(VORLANE_TOOL),
            {QStringLiteral("render-markup"), QStringLiteral("--test-metrics")});
    p.write(body);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    QByteArray out;
    for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
        if (line.contains("\"op\":\"exo\""))
            out += line + '\n';
    }
    return out;
}

TEST(RenderMarkupExo, EveryTestControlWritesItsRecord)
{
    const QByteArray body =
        "Choix :\xc2\xb6\r\n##EXOOP\r\nun\r\n##EXOOP\r\ndeux\xc2\xb6\r\n##EXOCK\r\n##EXOTX\r\n"
        "\xc2\xb6\r\n##EXOLIvoir#0012\r\n##EXOVIfilm#31\r\n";
    EXPECT_EQ(
        exoRecords(body),
        QByteArray(
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"option\",\"index\":0,\"left\":0,\"top\":285}\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"option\",\"index\":1,\"left\":510,\"top\":285}"
            "\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"check\",\"index\":0,\"left\":0,\"top\":510}\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"text\",\"index\":-1,\"left\":270,\"top\":510}"
            "\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"image1\",\"index\":-1,\"left\":0,\"top\":720}"
            "\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"label\",\"index\":-1,\"left\":300,\"top\":720}"
            "\n"
            "{\"op\":\"exo\",\"s\":\"PictureTEXTE\",\"kind\":\"icovideo\",\"index\":-1,\"left\":780,\"top\":"
            "720}\n"));
}

} // namespace
