#include "core/app/coursetools.h"

#include "core/companions/updatedescription.h"
#include "core/course/launchcode.h"
#include "core/records/statefile.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"

using namespace Qt::StringLiterals;

namespace vorlane {

std::optional<QString> CourseTools::helpFile(const QString &applicationFolder, const Files &files)
{
    const QString folder = WithFinalSlash(applicationFolder);
    if (auto hlp = files.resolve(folder + u"PCTS.hlp"_s))
        return hlp;
    return files.resolve(folder + u"PCTS.html"_s);
}

CourseTools::HelpShown CourseTools::openHelp(const QString &applicationFolder, const Files &files,
                                             Desktop &desktop, HelpPages &ownWindow)
{
    const QString folder = WithFinalSlash(applicationFolder);
    if (const auto hlp = files.resolve(folder + u"PCTS.hlp"_s)) {
        if (desktop.openHelp(*hlp))
            return HelpShown::DesktopViewer;
    }
    // Linux desktops seldom have a viewer for the old help format: the HTML
    // page needs none.
    if (const auto html = files.resolve(folder + u"PCTS.html"_s)) {
        ownWindow.showHelpPage(*html);
        return HelpShown::OwnWindow;
    }
    return HelpShown::Nothing;
}

CourseTools::HelpLink CourseTools::helpLink(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme.isEmpty() || scheme == u"file" ? HelpLink::InWindow : HelpLink::Browser;
}

bool CourseTools::opensPublisherSite(const QString &code, const QString &applicationFolder,
                                     const Files &files)
{
    // Read as the dispatcher reads an "EXE" code.
    if (!code.startsWith(u"EXE"))
        return false;
    std::int16_t launchCode = 0;
    if (!AssignInt16(launchCode, DecimalRead(QStringView(code).right(3))))
        return false;
    if (DecodeLaunchCode(launchCode).module != kWebSiteModule)
        return false;
    const std::optional<QString> program = CompanionExecutable(kWebSiteModule);
    return program && !files.exists(WithFinalSlash(applicationFolder) + *program);
}

Message CourseTools::noBrowserMessage()
{
    return {u"Aucun navigateur web n'a pu être ouvert.\n"
            u"Pour consulter le site de l'éditeur, copiez cette adresse dans votre navigateur :\n"_s +
                publisherAddress(),
            u"Site de l'éditeur"_s, MessageIcon::Exclamation, MessageButtons::Ok};
}

bool CourseTools::openPublisherSite(Desktop &desktop, Prompts &prompts)
{
    if (desktop.openAddress(publisherAddress()))
        return true;
    prompts.ask(noBrowserMessage());
    return false;
}

std::optional<Message> CourseTools::updateRefusal(const QString &applicationFolder, StateMemory *memory)
{
    return UpdateRefusal(StateFile(WithFinalSlash(applicationFolder), memory));
}

} // namespace vorlane
