#pragma once
// VELDOR_ASAN is defined when AddressSanitizer is on, whichever compiler:
// gcc says so with __SANITIZE_ADDRESS__, clang only through __has_feature.
// Tests that limit or measure memory step aside then, since the sanitizer
// reserves terabytes of address space and keeps freed memory resident.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELDOR_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELDOR_ASAN 1
#endif
