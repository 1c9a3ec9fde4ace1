#include "core/app/courseload.h"

using namespace Qt::StringLiterals;

namespace vorlane {

bool RunCourseLoad(StartupContext &context, CourseLoadSteps &steps)
{
    if (!StartupChecks(context))
        return false;
    steps.showCover();
    steps.paintTitleBands(2);
    context.session.linkStyle = 1;
    steps.loadPageIndex();
    steps.navigate(u"PAG001"_s);
    steps.showPageArea();
    return true;
}

} // namespace vorlane
