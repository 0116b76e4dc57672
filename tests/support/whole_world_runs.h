#pragma once
// Learning the whole demo world, or playing or capturing each of its 128 screens, takes a minute
// or more under the address sanitizer. A test that repeats such a run with other inputs, where
// one sanitized run already covers the code, is left to the plain build there, so that CI's
// sanitized stage stays within its time.

#include <gtest/gtest.h>

#ifdef __SANITIZE_ADDRESS__
#define QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN() \
  GTEST_SKIP() << "the whole world again; one sanitized run of it covers the code"
#else
#define QUELBROOK_SKIP_REPEATED_WHOLE_WORLD_RUN() static_cast<void>(0)
#endif
