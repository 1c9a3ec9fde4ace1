// The calculator's evaluator on any text, in both angle modes.
#include "core/calc/expressionevaluator.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto mode = (data[0] & 1) ? vorlane::AngleMode::Radians : vorlane::AngleMode::Degrees;
    QString text = vorlane::fuzz::utf8(data + 1, size - 1);
    (void)vorlane::EvaluateExpression(text, mode);
    return 0;
}
