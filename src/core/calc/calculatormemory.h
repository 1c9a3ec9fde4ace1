#pragma once

namespace vorlane {

// The calculator's memory register; it lives in the session, so it survives
// closing the calculator window.
struct CalculatorMemory {
    double calculatorMemory = 0;
};

} // namespace vorlane
