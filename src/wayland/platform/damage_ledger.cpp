#include "wayland/platform/damage_ledger.h"

#include <utility>

#include "core/platform/raster/damage_list.h"

namespace quorvane::wayland {

namespace {

// Rectangles kept per list before they are folded into one: a few frames' worth.
constexpr std::size_t kMaxRects = 256;

long long TotalArea(const std::vector<PixelRect>& rects) {
  long long area = 0;
  for (const PixelRect& rect : rects) {
    area += rect.Area();
  }
  return area;
}

}  // namespace

void DamageLedger::Add(std::vector<PixelRect>& list, const PixelRect& rect) {
  if (rect.IsEmpty()) {
    return;
  }
  AddDamage(list, rect, kMaxRects);
}

void DamageLedger::Changed(const std::vector<PixelRect>& rects) {
  for (const PixelRect& rect : rects) {
    for (Buffer& buffer : buffers_) {
      Add(buffer.stale, rect);
    }
    Add(damage_, rect);
  }
}

std::optional<std::size_t> DamageLedger::FreeBuffer() const {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < buffers_.size(); ++i) {
    if (!buffers_[i].held &&
        (!best || TotalArea(buffers_[i].stale) < TotalArea(buffers_[*best].stale))) {
      best = i;
    }
  }
  return best;
}

std::size_t DamageLedger::AddBuffer(const PixelRect& area) {
  buffers_.push_back({false, {area}});
  return buffers_.size() - 1;
}

std::vector<PixelRect> DamageLedger::TakeStale(std::size_t index) {
  return std::exchange(buffers_[index].stale, {});
}

std::vector<PixelRect> DamageLedger::TakeDamage() {
  return std::exchange(damage_, {});
}

void DamageLedger::SetHeld(std::size_t index, bool held) {
  buffers_[index].held = held;
}

}  // namespace quorvane::wayland
