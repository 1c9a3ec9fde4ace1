#pragma once

#include <cstdint>

namespace vorlane {

// What the dispatcher and the test window hand each other: the test to run
// (chapter number, 0 = none in progress) and the page the test window hands
// back when it closes (0 = none).
struct TestHandOff {
    std::int16_t pendingExercise = 0;
    std::int16_t exerciseReturnPage = 0;
};

} // namespace vorlane
