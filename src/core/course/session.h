#pragma once

#include "core/course/pageindex.h"
#include "core/exercises/exercisestate.h"
#include "core/platform/processes.h"
#include "core/render/floatmenu.h"
#include "core/render/renderstate.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vorlane {

// The values the windows of one course-window run share (history, page index,
// current order, test progress, calculator memory...). One object, created with
// the main window and handed to every window that needs it.
struct Session {
    // Memory register of the calculator; survives closing the calculator window.
    double calculatorMemory = 0;

    // ---- Course window ------------------------------------------------------

    // Pages seen: slots 1..100 hold page numbers (0 = empty); historyPos is the
    // slot of the page on display (0 before the first page); while
    // recordInHistory is true every page displayed is recorded (a history move
    // clears it for its own display).
    std::array<std::int16_t, 101> historyPages{};
    std::int16_t historyPos = 0;
    bool recordInHistory = true;

    // Row positions of page numbers and ordering indexes (PageByNumber,
    // PageByOrder), loaded at start-up.
    PageIndex pageIndex;
    // `Index` of the page on display.
    std::int32_t currentOrder = 0;
    // Floating menus of the page on display, filled by the renderer.
    FloatMenu floatMenu;
    // The link-style flag: 0 at start, 1 once a title band was painted in one
    // of its styles 0 to 4 (start-up paints style 2, so 1 from the first page
    // on). Set, a text link under the mouse is underlined; clear, it turns bold.
    std::int32_t linkStyle = 0;

    // The test in progress: the test handed to the test window (chapter
    // number, 0 = none), its progress, and the page it hands back when it
    // closes (0 = none).
    ExerciseState exercise;
    // Page chosen in the search window (0 = none).
    std::int32_t searchResultPage = 0;

    // Companion programs started in this run: task id by module number (slots
    // 0..40, 0 = not started), and the last CountRunningModules result.
    std::array<TaskId, 41> companionTasks{};
    std::int16_t currentModule = 0;

    // Text variant of the screen-configuration window: 0, 1 while the screen is
    // too narrow, 2 once a resize found a wide screen.
    std::int16_t screenAlertMode = 0;

    // The renderer's layout state, pageHeight and print mode, shared by every
    // window that draws a body.
    RenderState render;

    // Video of the page, and whether the media device was opened since the page
    // was shown.
    QString videoName;
    bool videoOpen = false;
};

} // namespace vorlane
