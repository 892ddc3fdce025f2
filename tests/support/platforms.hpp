#pragma once
// Tests that need what one build's platform lacks say so in their first line, and are
// skipped there with the reason, whatever they are named.

#include <gtest/gtest.h>

// The WebAssembly build has no converters of the system's own, and reads input a few bytes
// a call through its host, so a test of a mebibyte's read takes seconds there.
#if defined(__EMSCRIPTEN__)
#define GEEKPATH_NOT_IN_WEBASSEMBLY(why) GTEST_SKIP() << (why)
#else
#define GEEKPATH_NOT_IN_WEBASSEMBLY(why) static_cast<void>(0)
#endif
