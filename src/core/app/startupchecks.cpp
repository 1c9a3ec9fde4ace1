#include "core/app/startupchecks.h"

#include "core/records/statefile.h"
#include "core/text/decimal.h"

namespace vorlane {

namespace {
Message endingMessage(const QString &text)
{
    return {text, QString::fromUtf8("Exécution impossible"), MessageIcon::Critical, MessageButtons::Ok};
}
} // namespace

Message ScreenUnsuitableMessage()
{
    return endingMessage(QString::fromUtf8("La configyaration d'écran est inadaptée"));
}

Message DatabaseMissingMessage()
{
    return endingMessage(QString::fromUtf8("Base de données absente"));
}

Message DatabaseUnreadableMessage()
{
    return endingMessage(QString::fromUtf8("Base de données illisible"));
}

std::optional<QString> CourseDatabasePath(const QString &applicationFolder, const Files &files)
{
    const QString folder = WithFinalSlash(applicationFolder);
    if (auto sqlite = files.resolve(folder + QStringLiteral("PcTs.sqlite")))
        return sqlite;
    return files.resolve(folder + QStringLiteral("PcTs.mdb"));
}

QRect CentredWindowGeometry(const Screen &screen)
{
    const QPoint origin = screen.originPx();
    const int left = int(ToWholeSaturated((ScreenWidthPx(screen) - 800) / 2));
    const int top = int(ToWholeSaturated((ScreenHeightPx(screen) - 600) / 2));
    return {origin.x() + left, origin.y() + top, 800, 600};
}

bool StartupChecks(StartupContext &c)
{
    c.window.copyLinkPointers();
    c.window.setWindowWidth(800);
    const QString folder = WithFinalSlash(c.applicationFolder);

    if (ScreenWidthPx(c.screen) < 700) {
        c.prompts.ask(ScreenUnsuitableMessage());
        return false;
    }

    c.session.historyPos = 0;
    c.session.recordInHistory = true;

    const std::optional<QString> database =
        CourseDatabasePath(c.courseFolder.isEmpty() ? folder : WithFinalSlash(c.courseFolder), c.files);
    if (!database) {
        c.prompts.ask(DatabaseMissingMessage());
        return false;
    }
    // A damaged file would otherwise show empty pages without a word.
    if (c.course.open(*database) == CourseOpener::Result::Unreadable) {
        c.prompts.ask(DatabaseUnreadableMessage());
        return false;
    }
    c.window.processEvents();

    c.session.screenAlertMode = 0;
    while (ScreenWidthPx(c.screen) < 700) {
        c.session.screenAlertMode = 1;
        if (c.window.showScreenAlert())
            return false;
    }

    if (ScreenWidthPx(c.screen) > 810)
        c.window.showNormalAt(CentredWindowGeometry(c.screen));

    StateFile(folder, &c.session.stateMemory).resetAtStartup();
    for (int module = 1; module <= StateFile::kModuleCount; ++module)
        c.session.companionTasks[size_t(module)] = 0;
    c.window.processEvents();
    return true;
}

} // namespace vorlane
