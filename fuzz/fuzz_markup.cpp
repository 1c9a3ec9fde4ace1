// Markup bodies drawn on the recording surface with the test metrics: any body
// must draw without a crash, a hang or an unbounded allocation.
#include "core/render/markuprender.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    vorlane::fuzz::ensureApplication();
    vorlane::MarkupRenderOptions options;
    options.testMetrics = true;
    QString error;
    (void)vorlane::MarkupRender::trace(vorlane::fuzz::utf8(data, size), options, &error);
    return 0;
}
