// The canvas's pixel bytes, zero-filled. On Linux the 2 MiB pages they (nearly) fill are asked of
// the kernel as huge pages: a frame touches a few hundred rows spread over the canvas, and after
// the saver has slept between frames each row on a page of its own costs a page-table walk with
// cold caches. Measured on frames 100 ms apart at 1920x1080, huge pages took a fifth off a frame.
// Elsewhere, and for canvases that fill no such page, it is plain memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace quorvane {

class PixelMemory {
 public:
  explicit PixelMemory(std::size_t size);

  std::uint8_t* Data() { return bytes_.get(); }
  const std::uint8_t* Data() const { return bytes_.get(); }
  std::size_t Size() const { return size_; }
  // Whether the kernel was asked for huge pages for some of the bytes.
  bool AdvisedHuge() const { return advisedHuge_; }

 private:
  struct Free {
    void operator()(std::uint8_t* bytes) const;
  };

  std::size_t size_;
  bool advisedHuge_ = false;
  std::unique_ptr<std::uint8_t[], Free> bytes_;
};

}  // namespace quorvane
