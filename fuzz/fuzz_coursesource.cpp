// Course sources of any content, read as a page and as a test.
#include "core/course/coursesources.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = vorlane::fuzz::utf8(data, size);
    vorlane::SourceError error;
    (void)vorlane::ParsePageSource(QStringLiteral("fuzz.page"), text, &error);
    (void)vorlane::ParseTestSource(QStringLiteral("fuzz.test"), text, &error);
    return 0;
}
