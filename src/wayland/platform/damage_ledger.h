// Which of a surface's buffers the next picture goes into, and which of its pixels each buffer
// still lacks. The compositor reads a buffer from the commit that hands it over until it
// releases it, so a buffer it holds is never written; the others are brought up to date with
// only the rectangles that changed since they were last written, and the commit reports as
// damage only what changed since the previous commit.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/platform/pixel_rect.h"

namespace quorvane::wayland {

class DamageLedger {
 public:
  // Records pixels changed on the canvas: every buffer lacks them, and the next commit reports
  // them.
  void Changed(const std::vector<PixelRect>& rects);

  // A buffer the compositor does not hold, the one that lacks least; nothing when it holds all.
  std::optional<std::size_t> FreeBuffer() const;
  // A new buffer, which lacks the whole `area`; returns its index.
  std::size_t AddBuffer(const PixelRect& area);
  std::size_t BufferCount() const { return buffers_.size(); }

  // What buffer `index` lacks; it is taken to hold all of it from now on.
  std::vector<PixelRect> TakeStale(std::size_t index);
  // The damage of the next commit, since the previous one; cleared.
  std::vector<PixelRect> TakeDamage();

  // The compositor took the buffer with a commit, or gave it back.
  void SetHeld(std::size_t index, bool held);
  bool IsHeld(std::size_t index) const { return buffers_[index].held; }

 private:
  struct Buffer {
    bool held = false;
    std::vector<PixelRect> stale;
  };

  // Appends, and past a bound folds the list into its bounding rectangle: a buffer left unused
  // for long is then brought up to date in one copy rather than frame by frame.
  static void Add(std::vector<PixelRect>& list, const PixelRect& rect);

  std::vector<Buffer> buffers_;
  std::vector<PixelRect> damage_;
};

}  // namespace quorvane::wayland
