// The rows the Access reader helper sends back, as any bytes.
#include "core/store/rowchannel.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)vorlane::DecodeRowChannel(bytes, QStringLiteral("Cours"));
    return 0;
}
