#include "core/app/coursetools.h"

#include "core/companions/updatedescription.h"
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
    return UpdateRefusal(StateFile(WithFinalSlash(applicationFolder)));
}

} // namespace vorlane
