#include "core/app/coursetools.h"

#include "core/records/statefile.h"

using namespace Qt::StringLiterals;

namespace vorlane {

std::optional<QString> CourseTools::helpFile(const QString &applicationFolder, const Files &files)
{
    const QString folder = WithFinalSlash(applicationFolder);
    if (auto hlp = files.resolve(folder + u"PCTS.hlp"_s))
        return hlp;
    return files.resolve(folder + u"PCTS.html"_s);
}

std::optional<Message> CourseTools::updateRefusal(const QString &applicationFolder)
{
    if (!StateFile(WithFinalSlash(applicationFolder)).anyModuleNotStopped())
        return std::nullopt;
    return Message{u"Pour effectuer une mise à jour, tous les modules du logiciel doivent être fermés"_s,
                   u"Mise à jour impossible"_s, MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace vorlane
