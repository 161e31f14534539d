// The canvas's pixel memory: zeroed and whole at every size, huge pages asked for only where the
// canvas nearly fills one, and then on the huge-page boundary the kernel needs.
#include "core/platform/raster/pixel_memory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace quorvane {
namespace {

TEST(PixelMemory, IsZeroedAndWholeAtEverySizeWithHugePagesOnlyWhereTheCanvasFillsThem) {
  constexpr std::size_t kHuge = std::size_t{2} << 20;
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, std::size_t{1024} * 768, std::size_t{1920} * 1080,
        kHuge - 1, kHuge, kHuge + 1, std::size_t{3840} * 2160 + 7}) {
    PixelMemory memory(size);
    ASSERT_NE(memory.Data(), nullptr);
    EXPECT_EQ(memory.Size(), size);
    EXPECT_TRUE(std::all_of(memory.Data(), memory.Data() + size, [](std::uint8_t byte) {
      return byte == 0;
    })) << size;
    if (size > 0) {
      memory.Data()[size - 1] = 9;  // the last byte is the canvas's, not past it
    }
    if (size < kHuge / 8 * 7) {
      EXPECT_FALSE(memory.AdvisedHuge()) << size;
    }
    if (memory.AdvisedHuge()) {
      EXPECT_EQ(reinterpret_cast<std::uintptr_t>(memory.Data()) % kHuge, 0u) << size;
    }
  }
}

}  // namespace
}  // namespace quorvane
