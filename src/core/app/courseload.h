#pragma once

#include "core/app/startupchecks.h"

#include <QString>

namespace vorlane {

// The window side of the course window's load sequence.
class CourseLoadSteps {
public:
    virtual ~CourseLoadSteps() = default;

    // Hides the page frame, the illustration and the frame of bound fields,
    // shows the cover with the progress strip under it, shows the window and
    // lets pending events run (the cover shows while the index loads).
    virtual void showCover() = 0;
    // Paints the title bands in this style (TitleBand::PaintTitleBand).
    virtual void paintTitleBands(int style) = 0;
    // Loads the page index into the session (PageIndexLoader), filling the strip.
    virtual void loadPageIndex() = 0;
    // Hands a target code to the dispatcher.
    virtual void navigate(const QString &code) = 0;
    // Shows the page frame and the illustration again.
    virtual void showPageArea() = 0;
};

// The load sequence of the course window: the start-up checks, then the cover
// and progress strip, the title bands in style 2 (which sets the session's
// link-style flag: it is never cleared, so later bands cannot change it), the
// page index, page 1 ("PAG001"), and the page area. False when the program
// must end, its message shown: the start-up checks ended it (nothing shown), or
// the course's page bodies, read while the cover shows, could not be read
// ("Base de données illisible", before page 1).
bool RunCourseLoad(StartupContext &context, CourseLoadSteps &steps);

} // namespace vorlane
