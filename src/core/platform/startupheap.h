#pragma once

#include <cstddef>

namespace vorlane {

// Start-up fills some megabytes of fresh heap: the controls, the fonts, the
// page index. The first touch of each 4 KB page of it costs a fault, and on a
// virtual machine a fault costs about 10 µs: a thousand of them were a third
// of the start-up of the course window. Called first thing in main (before any
// thread exists), this grows the heap by `bytes` at once, asks the system to
// back that part with huge pages (2 MB, one fault each; a hint, ignored where
// they are not offered) and keeps the heap from being given back below it.
// Blocks the allocator maps on their own (the large ones) are left as they are.
// True when the hint was given; false where the allocator or the system does
// not allow it (another C library, a sanitizer's allocator), nothing changed.
bool PrepareStartupHeap(std::size_t bytes = std::size_t(16) << 20);

} // namespace vorlane
