// vorlane-tool: the command-line companion of the course window, for authors,
// testers and scripts. Headless: it uses the offscreen platform when none is set.

#include "tool/commands.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>

namespace vorlane::tool {

void out(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

void err(const QString &text)
{
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stderr);
}

} // namespace vorlane::tool

using namespace vorlane::tool;

static int usage()
{
    err(QStringLiteral("usage: vorlane-tool COMMAND [OPTIONS] ARGS\n"
                       "commands: record get FILE N | record set FILE N TEXT | build-course SRC DIR\n"));
    return ExitUsage;
}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();

    const std::map<QString, std::function<int(const QStringList &)>> commands = {
        {QStringLiteral("record"), recordCommand},
        {QStringLiteral("build-course"), buildCourseCommand},
        {QStringLiteral("index"), indexCommand},
        {QStringLiteral("render"), renderCourseCommand},
        {QStringLiteral("eval"), evalCommand},
        {QStringLiteral("calc"), calcCommand},
        {QStringLiteral("render-markup"), renderMarkupCommand},
        {QStringLiteral("video"), videoCommand},
    };
    const auto it = commands.find(command);
    if (it == commands.end()) {
        err(QStringLiteral("vorlane-tool: unknown command '%1'\n").arg(command));
        return usage();
    }
    return it->second(args);
}
