#include "core/render/markuprender.h"
#include "tool/commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace vorlane::tool {

namespace {

int renderUsage(const QString &message)
{
    return usageError(QStringLiteral("render-markup"), message);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    if (path == u"-") {
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size()) &&
               std::fflush(stdout) == 0;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() &&
           file.flush();
}

} // namespace

int renderMarkupCommand(const QCommandLineParser &args)
{
    MarkupRenderOptions options;
    QString tracePath;
    QString pngPath;
    if (!args.positionalArguments().isEmpty())
        return renderUsage(
            QStringLiteral("unexpected argument '%1'").arg(args.positionalArguments().first()));
    options.testMetrics = args.isSet(QStringLiteral("test-metrics"));
    options.printMode = args.isSet(QStringLiteral("print-mode"));
    if (args.isSet(QStringLiteral("width"))) {
        bool ok = false;
        const int width = args.value(QStringLiteral("width")).toInt(&ok);
        if (!ok || width < 1 || width > 20000)
            return renderUsage(QStringLiteral("bad width '%1' (1 to 20000 pixels)")
                                   .arg(args.value(QStringLiteral("width"))));
        options.widthPx = width;
    }
    tracePath = args.value(QStringLiteral("trace"));
    pngPath = args.value(QStringLiteral("png"));
    options.dataFolder = args.value(QStringLiteral("data"));
    if (!options.dataFolder.isEmpty() && !QFileInfo(options.dataFolder).isDir()) {
        err(QStringLiteral("vorlane-tool render-markup: data folder not found: '%1'\n")
                .arg(options.dataFolder));
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
