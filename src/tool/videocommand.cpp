#include "core/media/mediacontrol.h"
#include "core/media/videocontroller.h"
#include "tool/commands.h"

#include <QFileInfo>

namespace vorlane::tool {

namespace {

const QString kVideoUsage =
    QStringLiteral("usage: vorlane-tool video FILE [--frame N] [--step K] [--png OUT]\n");

int videoUsage(const QString &message)
{
    err(QStringLiteral("vorlane-tool video: %1\n").arg(message) + kVideoUsage);
    return ExitUsage;
}

} // namespace

int videoCommand(const QStringList &args)
{
    QString file;
    QString png;
    qint64 frame = 0;
    qint64 steps = 0;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (!optionsEnded && a == u"--") {
            optionsEnded = true;
        } else if (!optionsEnded && (a == u"--frame" || a == u"--step") && hasValue) {
            bool ok = false;
            const qint64 n = args[++i].toLongLong(&ok);
            if (!ok)
                return videoUsage(QStringLiteral("bad number '%1' after %2").arg(args[i], a));
            (a == u"--frame" ? frame : steps) = n;
        } else if (!optionsEnded && a == u"--png" && hasValue) {
            png = args[++i];
        } else if (!optionsEnded && a.startsWith(u"--")) {
            return videoUsage(QStringLiteral("unknown option '%1'").arg(a));
        } else if (file.isEmpty()) {
            file = a;
        } else {
            return videoUsage(QStringLiteral("unexpected argument '%1'").arg(a));
        }
    }
    if (file.isEmpty())
        return videoUsage(QStringLiteral("no file given"));

    // The window's media control, without sound: the tool opens no audio output.
    SteadyClock clock;
    MediaControl media(clock);
    media.setSoundEnabled(false);
    media.setDeviceType(VideoController::deviceTypeFor(file));
    media.setFileName(file);
    media.setCommand(QStringLiteral("Open"));
    if (media.error() != MediaControl::NoError) {
        err(QStringLiteral("vorlane-tool video: cannot open '%1': %2\n").arg(file, media.errorMessage()));
        return ExitBadInput;
    }
    out(QStringLiteral("length %1\n").arg(media.length()));
    out(QStringLiteral("size %1x%2\n").arg(media.frameSize().width()).arg(media.frameSize().height()));

    media.setFrom(frame);
    media.setCommand(QStringLiteral("Play"));
    media.setCommand(QStringLiteral("Stop"));
    const QString word = steps < 0 ? QStringLiteral("Back") : QStringLiteral("Step");
    // Beyond the length every further step stays where it is.
    const qint64 count = std::min<qint64>(steps < 0 ? -steps : steps, media.length() + 1);
    for (qint64 k = 0; k < count; ++k)
        media.setCommand(word);
    out(QStringLiteral("position %1\n").arg(media.position()));

    if (!png.isEmpty()) {
        const QImage shown = media.currentFrame();
        if (shown.isNull()) {
            err(QStringLiteral("vorlane-tool video: frame %1 of '%2' does not decode\n")
                    .arg(media.shownFrame())
                    .arg(file));
            return ExitBadInput;
        }
        if (!shown.save(png, "PNG")) {
            err(QStringLiteral("vorlane-tool video: cannot write '%1'\n").arg(png));
            return ExitBadInput;
        }
    }
    media.setCommand(QStringLiteral("Close"));
    return ExitOk;
}

} // namespace vorlane::tool
