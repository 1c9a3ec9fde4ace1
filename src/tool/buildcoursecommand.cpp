#include "tool/commands.h"

namespace vorlane::tool {

int buildCourseCommand(const QStringList &args)
{
    Q_UNUSED(args);
    err(QStringLiteral("vorlane-tool build-course: not available yet\n"));
    return ExitOk; // temporary until the course compiler lands
}

} // namespace vorlane::tool
