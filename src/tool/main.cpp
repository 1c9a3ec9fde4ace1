// vorlane-tool: the command-line companion of the course window, for authors,
// testers and scripts. Headless: it uses the offscreen platform when none is set.

#include "core/surface/programfonts.h"
#include "tool/commands.h"
#include "tool/commandtable.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a session (a script, a build step) there is no runtime folder and
    // Qt would warn about it on every run: a private one lives as long as the run.
    std::unique_ptr<QTemporaryDir> runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtime = std::make_unique<QTemporaryDir>();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
    // Pages are drawn with the fonts the course window reads.
    vorlane::UseProgramFonts();
    QGuiApplication app(argc, argv);
    return vorlane::tool::RunCommandLine(app.arguments().mid(1));
}
