#include "core/platform/raster/damage_list.h"

namespace quorvane {

void AddDamage(std::vector<PixelRect>& damage, const PixelRect& part, std::size_t most) {
  if (damage.size() < most) {
    damage.push_back(part);
    return;
  }
  PixelRect united = part;
  for (const PixelRect& earlier : damage) {
    united = PixelRect::United(united, earlier);
  }
  damage.assign(1, united);
}

void HandOverDamage(std::vector<PixelRect>& damage, std::vector<PixelRect>& taken,
                    std::size_t most) {
  taken.clear();
  taken.reserve(most);
  taken.swap(damage);
}

void LendDamageBuffer(std::vector<PixelRect>& lent, std::vector<PixelRect>& fresh,
                      std::size_t most) {
  lent.clear();
  lent.reserve(most);
  fresh.swap(lent);
}

}  // namespace quorvane
