#pragma once

#include "core/render/layoutstate.h"
#include "core/render/texthighlight.h"

#include <cstdint>
#include <optional>

namespace vorlane {

// The renderer's values that outlive one body and that several windows share:
// the course window's Session owns one, and every PageRenderer (main window,
// test window, printing) works on it.
struct RenderState {
    LayoutState layout;
    // Height in twips of the last body drawn on screen; a body starts at this y
    // (so a second body without clearing it is drawn below the first). Page
    // display, printing and the test window set it to 0 before a new page.
    std::int32_t pageHeight = 0;
    // A body is being laid out for the printer: column 600 screen pixels wide,
    // wider pens, no height fitting.
    bool printMode = false;
    // Words to mark behind the text runs of the body being drawn on screen
    // (page display sets it for the page opened from a search, and clears it
    // once the body is drawn). Ignored in print mode.
    std::optional<TextHighlight> highlight;
};

} // namespace vorlane
