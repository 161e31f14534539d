#include "core/platform/raster/standing_texts.h"

#include "core/platform/raster/damage_list.h"

#include <algorithm>

namespace quorvane {

namespace {

// Texts remembered: a frame draws four that stand, and ten planet names that stand only while
// their planets move less than a pixel a frame.
constexpr std::size_t kMaxTexts = 16;
// Beyond this many rectangles a text's damage is kept as their bounding rectangle.
constexpr std::size_t kMaxDamageRects = 8;

}  // namespace

StandingText* StandingTexts::Find(const StandingText& drawn) {
  const auto found = std::find_if(texts_.begin(), texts_.end(), [&drawn](const StandingText& text) {
    return text.SameDraw(drawn);
  });
  if (found == texts_.end()) {
    return nullptr;
  }
  std::rotate(found, found + 1, texts_.end());
  return &texts_.back();
}

bool StandingTexts::DrawnRecently(const StandingText& drawn) {
  if (std::any_of(recent_.begin(), recent_.end(),
                  [&drawn](const StandingText& text) { return text.SameDraw(drawn); })) {
    return true;
  }
  recent_[nextRecent_] = drawn;
  nextRecent_ = (nextRecent_ + 1) % recent_.size();
  return false;
}

StandingText& StandingTexts::Remember(const StandingText& drawn) {
  // The text forgotten lends its damage buffer, so moving names allocate nothing.
  std::vector<PixelRect> damage;
  if (texts_.size() >= kMaxTexts) {
    damage = std::move(texts_.front().damage);
    texts_.erase(texts_.begin());
  }
  texts_.push_back(drawn);
  LendDamageBuffer(damage, texts_.back().damage, kMaxDamageRects);
  return texts_.back();
}

const std::vector<PixelRect>& StandingTexts::TakeDamage(StandingText& text) {
  HandOverDamage(text.damage, taken_, kMaxDamageRects);
  return taken_;
}

void StandingTexts::MarkDamaged(const PixelRect& rect, const StandingText* source) {
  if (rect.IsEmpty()) {
    return;
  }
  for (StandingText& text : texts_) {
    if (&text == source || !text.bounds.Intersects(rect)) {
      continue;
    }
    const PixelRect part = PixelRect::Intersected(rect, text.bounds);
    AddDamage(text.damage, part, kMaxDamageRects);
  }
}

}  // namespace quorvane
