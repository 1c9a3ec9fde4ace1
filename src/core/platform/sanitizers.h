#pragma once

namespace vorlane {

// True in a build with AddressSanitizer (GCC or clang): its allocator replaces
// the C library's, and it reserves terabytes of address space, so that neither
// the heap's tuning nor a limit on a helper's address space applies there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitized = true;
#else
inline constexpr bool kAddressSanitized = false;
#endif
#else
inline constexpr bool kAddressSanitized = false;
#endif

} // namespace vorlane
