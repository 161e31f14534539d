// The damage a thing that stands on the canvas (a ring, the Sun, an overlay line) collects
// between two of its draws: a few rectangles, beyond which their bounding one. Its buffers change
// hands rather than being made anew, so no frame allocates.
#pragma once

#include <cstddef>
#include <vector>

#include "core/platform/pixel_rect.h"

namespace quorvane {

// Adds `part` to `damage`, which holds at most `most` rectangles.
void AddDamage(std::vector<PixelRect>& damage, const PixelRect& part, std::size_t most);

// Moves `damage` into `taken` by trading their buffers; `damage` is then empty.
void HandOverDamage(std::vector<PixelRect>& damage, std::vector<PixelRect>& taken,
                    std::size_t most);

// Gives `fresh`, a new entry's empty list, the buffer of `lent`, a forgotten entry's.
void LendDamageBuffer(std::vector<PixelRect>& lent, std::vector<PixelRect>& fresh,
                      std::size_t most);

}  // namespace quorvane
