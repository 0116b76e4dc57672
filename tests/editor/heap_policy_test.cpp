#include "heap_policy.h"

#include <gtest/gtest.h>
#include <malloc.h>

#include <memory>
#include <vector>

namespace quelbrook {
namespace {

// What the program's heap keeps after a window's worth of small blocks is freed, and that it
// keeps no more than it means to after many large ones.
TEST(HeapPolicy, KeepsAWindowsFreedBlocksAndNoMore) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "the address sanitizer's allocator stands in for glibc's";
#endif
  KeepFreedMemoryForReuse();
  std::size_t arenaInUse = 0;
  {
    std::vector<std::unique_ptr<char[]>> pictures;
    for (int i = 0; i < 512; ++i) pictures.push_back(std::make_unique<char[]>(4096));  // 32 x 32 pixmaps
    arenaInUse = mallinfo2().arena;
  }
  EXPECT_EQ(mallinfo2().arena, arenaInUse) << "the freed pictures were handed back";

  {  // learning's 256 frames
    std::vector<std::unique_ptr<char[]>> frames;
    for (int i = 0; i < 256; ++i) frames.push_back(std::make_unique<char[]>(256 * 240 * 4));
  }
  EXPECT_LE(mallinfo2().fordblks, std::size_t(kKeptFreeBytes + (1 << 20)))
      << "more freed memory kept than meant";
}

}  // namespace
}  // namespace quelbrook
