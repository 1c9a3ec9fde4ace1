#pragma once

#include "core/course/courseposition.h"
#include "core/course/historystate.h"
#include "core/course/modulestate.h"
#include "core/render/floatmenu.h"
#include "core/render/renderstate.h"
#include "core/render/videostate.h"

#include <cstdint>
#include <optional>

namespace vorlane {

// The parts of the session that the course layer (page display, the
// dispatcher, the history, the module launcher) reads and writes. The
// application's Session (core/app/session.h) is one of these plus the parts of
// the higher layers.
struct CourseSession : CoursePosition, HistoryState, ModuleState, VideoState {
    // Floating menus of the page on display, filled by the renderer.
    FloatMenu floatMenu;
    // The link-style flag: 0 at start, 1 once a title band was painted in one
    // of its styles 0 to 4 (start-up paints style 2, so 1 from the first page
    // on). Set, a text link under the mouse is underlined; clear, it turns bold.
    std::int32_t linkStyle = 0;
    // The renderer's layout state, pageHeight and print mode, shared by every
    // window that draws a body.
    RenderState render;
    // The words of the last search, marked on the next page shown (only that
    // one).
    std::optional<TextHighlight> searchHighlight;
};

} // namespace vorlane
