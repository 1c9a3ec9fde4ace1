#include "core/render/markuprender.h"
#include "tool/commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace vorlane::tool {

namespace {

const QString kRenderMarkupUsage = QStringLiteral(
    "usage: vorlane-tool render-markup [--test-metrics] [--width PX] [--print-mode] [--trace FILE] "
    "[--png FILE] [--data DIR] < body\n");

int renderUsage(const QString &message)
{
    err(QStringLiteral("vorlane-tool render-markup: %1\n").arg(message) + kRenderMarkupUsage);
    return ExitUsage;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (path == u"-") {
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size())
            && std::fflush(stdout) == 0;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush();
}

} // namespace

int renderMarkupCommand(const QStringList &args)
{
    MarkupRenderOptions options;
    QString tracePath;
    QString pngPath;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (optionsEnded || !a.startsWith(u"--"))
            return renderUsage(QStringLiteral("unexpected argument '%1'").arg(a));
        if (a == u"--") {
            optionsEnded = true;
        } else if (a == u"--test-metrics") {
            options.testMetrics = true;
        } else if (a == u"--print-mode") {
            options.printMode = true;
        } else if (a == u"--width" && hasValue) {
            bool ok = false;
            const int width = args[++i].toInt(&ok);
            if (!ok || width < 1 || width > 20000)
                return renderUsage(QStringLiteral("bad width '%1' (1 to 20000 pixels)").arg(args[i]));
            options.widthPx = width;
        } else if (a == u"--trace" && hasValue) {
            tracePath = args[++i];
        } else if (a == u"--png" && hasValue) {
            pngPath = args[++i];
        } else if (a == u"--data" && hasValue) {
            options.dataFolder = args[++i];
        } else {
            return renderUsage(QStringLiteral("unknown option or missing value '%1'").arg(a));
        }
    }
    if (!options.dataFolder.isEmpty() && !QFileInfo(options.dataFolder).isDir()) {
        err(QStringLiteral("vorlane-tool render-markup: data folder not found: '%1'\n").arg(options.dataFolder));
        return ExitBadInput;
    }
    if (pngPath.isEmpty() && tracePath.isEmpty())
        tracePath = QStringLiteral("-");

    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        err(QStringLiteral("vorlane-tool render-markup: cannot read standard input\n"));
        return ExitBadInput;
    }
    // Read as given: line ends are not converted (lines end at CR LF).
    const QString body = QString::fromUtf8(in.readAll());

    if (!pngPath.isEmpty()) {
        QString error;
        const auto image = MarkupRender::picture(body, options, &error);
        if (!image) {
            err(QStringLiteral("vorlane-tool render-markup: cannot draw '%1': %2\n").arg(pngPath, error));
            return ExitBadInput;
        }
        if (!image->save(pngPath, "PNG")) {
            err(QStringLiteral("vorlane-tool render-markup: cannot write '%1'\n").arg(pngPath));
            return ExitBadInput;
        }
    }
    if (!tracePath.isEmpty()) {
        QString error;
        const auto trace = MarkupRender::trace(body, options, &error);
        if (!trace) {
            err(QStringLiteral("vorlane-tool render-markup: %1\n").arg(error));
            return ExitBadInput;
        }
        if (!writeFile(tracePath, *trace)) {
            err(QStringLiteral("vorlane-tool render-markup: cannot write '%1'\n").arg(tracePath));
            return ExitBadInput;
        }
    }
    return ExitOk;
}

} // namespace vorlane::tool
