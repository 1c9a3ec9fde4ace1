#pragma once

namespace vorlane {

// The values the windows of one course-window run share (history, page index,
// current order, test progress, calculator memory...). One object, created with
// the main window and handed to every window that needs it.
struct Session {
    // Memory register of the calculator; survives closing the calculator window.
    double calculatorMemory = 0;
};

} // namespace vorlane
