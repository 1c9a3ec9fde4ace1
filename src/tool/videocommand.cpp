#include "core/media/mediacontrol.h"
#include "core/media/videocontroller.h"
#include "tool/commands.h"

#include <QFileInfo>

namespace vorlane::tool {

int videoCommand(const QCommandLineParser &args)
{
    const auto refuse = [](const QString &message) { return usageError(QStringLiteral("video"), message); };
    const QStringList positional = args.positionalArguments();
    if (positional.isEmpty())
        return refuse(QStringLiteral("no file given"));
    if (positional.size() > 1)
        return refuse(QStringLiteral("unexpected argument '%1'").arg(positional.at(1)));
    const QString file = positional.first();
    const QString png = args.value(QStringLiteral("png"));
    qint64 frame = 0;
    qint64 steps = 0;
    for (const auto &[name, target] :
         {std::pair{QStringLiteral("frame"), &frame}, std::pair{QStringLiteral("step"), &steps}}) {
        if (!args.isSet(name))
            continue;
        bool ok = false;
        *target = args.value(name).toLongLong(&ok);
        if (!ok)
            return refuse(QStringLiteral("bad number '%1' after --%2").arg(args.value(name), name));
    }

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
