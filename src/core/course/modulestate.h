#pragma once

#include "core/platform/processes.h"

#include <array>
#include <cstdint>

namespace vorlane {

// Companion programs started in this run: task id by module number (slots
// 0..40, 0 = not started), and the last CountRunningModules result.
struct ModuleState {
    std::array<TaskId, 41> companionTasks{};
    std::int16_t currentModule = 0;
};

} // namespace vorlane
