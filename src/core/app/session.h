#pragma once

#include "core/calc/calculatormemory.h"
#include "core/course/coursesession.h"
#include "core/exercises/exercisestate.h"

#include <cstdint>

namespace vorlane {

// The values the windows of one course-window run share, one object created
// with the main window and handed to every window that needs it. Each layer
// owns its parts (CourseSession and its parts in course/ and render/,
// CalculatorMemory in calc/); a class takes only the part of its layer.
struct Session : CourseSession, CalculatorMemory {
    // The test in progress and its hand-off with the dispatcher.
    ExerciseState exercise;

    // Page chosen in the search window (0 = none).
    std::int32_t searchResultPage = 0;

    // Text variant of the screen-configuration window: 0, 1 while the screen is
    // too narrow, 2 once a resize found a wide screen.
    std::int16_t screenAlertMode = 0;
};

} // namespace vorlane
