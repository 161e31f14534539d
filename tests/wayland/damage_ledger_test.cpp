// Which buffer a picture goes into while the compositor holds others, and what each lacks.
#include "wayland/platform/damage_ledger.h"

#include <gtest/gtest.h>

namespace quorvane::wayland {
namespace {

const PixelRect kWhole{0, 0, 100, 50};
const PixelRect kFirst{10, 10, 5, 5};
const PixelRect kSecond{40, 20, 3, 3};

TEST(DamageLedgerTest, HeldBuffersAreNeverChosenAndCatchUpOnEveryChangeTheyMissed) {
  DamageLedger ledger;
  EXPECT_FALSE(ledger.FreeBuffer());
  const std::size_t a = ledger.AddBuffer(kWhole);
  ledger.Changed({kWhole});
  ASSERT_EQ(ledger.FreeBuffer(), a);
  EXPECT_EQ(ledger.TakeStale(a), (std::vector<PixelRect>{kWhole, kWhole}));
  ledger.TakeDamage();
  ledger.SetHeld(a, true);

  // The compositor still reads A: the next picture needs another buffer, which lacks all.
  ledger.Changed({kFirst});
  EXPECT_FALSE(ledger.FreeBuffer());
  const std::size_t b = ledger.AddBuffer(kWhole);
  ASSERT_EQ(ledger.FreeBuffer(), b);
  EXPECT_EQ(ledger.TakeStale(b), (std::vector<PixelRect>{kWhole}));
  EXPECT_EQ(ledger.TakeDamage(), (std::vector<PixelRect>{kFirst}));
  ledger.SetHeld(b, true);

  // Both held: the change waits, and is reported with the next commit's damage.
  ledger.Changed({kSecond});
  EXPECT_FALSE(ledger.FreeBuffer());
  ledger.SetHeld(a, false);
  ASSERT_EQ(ledger.FreeBuffer(), a);
  EXPECT_EQ(ledger.TakeStale(a), (std::vector<PixelRect>{kFirst, kSecond}));
  EXPECT_EQ(ledger.TakeDamage(), (std::vector<PixelRect>{kSecond}));
  ledger.SetHeld(a, true);

  // Released together, the buffer that lacks least is chosen.
  ledger.SetHeld(b, false);
  ledger.SetHeld(a, false);
  ledger.Changed({kFirst});
  ASSERT_EQ(ledger.FreeBuffer(), a);
  EXPECT_EQ(ledger.TakeStale(b), (std::vector<PixelRect>{kSecond, kFirst}));
}

TEST(DamageLedgerTest, ALongBacklogFoldsIntoItsBoundingRectangle) {
  DamageLedger ledger;
  const std::size_t a = ledger.AddBuffer(kWhole);
  ledger.TakeStale(a);
  ledger.SetHeld(a, true);
  for (int i = 0; i < 1000; ++i) {
    ledger.Changed({{i % 100, i % 50, 1, 1}, {}});
  }
  const std::vector<PixelRect> stale = ledger.TakeStale(a);
  ASSERT_LE(stale.size(), 256u);
  PixelRect bounds;
  for (const PixelRect& rect : stale) {
    bounds = PixelRect::United(bounds, rect);
  }
  EXPECT_EQ(bounds, kWhole);
  EXPECT_LE(ledger.TakeDamage().size(), 256u);
}

}  // namespace
}  // namespace quorvane::wayland
