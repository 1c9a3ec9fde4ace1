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
    // The page bodies of an Access course are read in the background while the
    // cover shows: a course whose bodies cannot be read ends the program like
    // one that cannot be opened, instead of showing empty pages.
    if (context.course.finishOpening() != CourseOpener::Result::Opened) {
        context.prompts.ask(DatabaseUnreadableMessage());
        return false;
    }
    steps.navigate(u"PAG001"_s);
    steps.showPageArea();
    return true;
}

} // namespace vorlane
