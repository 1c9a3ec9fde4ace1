// The words of a search entry, and the fold the accent option compares with.
#include "core/search/searchwords.h"
#include "core/text/searchfold.h"
#include "fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString entry = vorlane::fuzz::utf8(data, size);
    (void)vorlane::SearchWords(entry);
    (void)vorlane::SearchFold(false).fold(entry);
    (void)vorlane::SearchFold(true).fold(entry);
    return 0;
}
