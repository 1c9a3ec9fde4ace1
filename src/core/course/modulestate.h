#pragma once

#include "core/platform/processes.h"
#include "core/records/statefile.h"

#include <array>
#include <cstdint>

namespace vorlane {

// Companion programs started in this run: task id by module number (slots
// 0..40, 0 = not started), the last CountRunningModules result, and the state
// file's records while the application folder may not be written.
struct ModuleState {
    std::array<TaskId, 41> companionTasks{};
    std::int16_t currentModule = 0;
    StateMemory stateMemory;
};

} // namespace vorlane
