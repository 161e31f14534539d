#include "core/settings_dialog/dialog_placement.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(PlaceDialogTest, CentresOnTheOwnerAndStaysInsideTheWorkArea) {
  const PixelRect workArea{0, 0, 1024, 768};
  const struct {
    PixelRect owner;
    PixelRect expected;
  } cases[] = {
      // Room all round: exactly centred.
      {{300, 250, 400, 300}, {316, 287, 368, 225}},
      // Near the bottom-right corner: pushed back until the whole dialog shows.
      {{900, 650, 200, 100}, {656, 543, 368, 225}},
      // Partly off the top-left: the title bar comes back on screen.
      {{-300, -200, 200, 100}, {0, 0, 368, 225}},
      // No owner: centred on the work area itself.
      {workArea, {328, 271, 368, 225}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.owner.left);
    EXPECT_EQ(PlaceDialog(368, 225, c.owner, workArea), c.expected);
  }
  // A work area that does not start at 0,0, as on a second monitor or beside a taskbar.
  EXPECT_EQ(PlaceDialog(368, 225, {-2000, 1000, 100, 100}, {-1920, 40, 1920, 1040}),
            (PixelRect{-1920, 855, 368, 225}));
  // Larger than the work area: the top-left corner, and so the title bar, stays inside.
  EXPECT_EQ(PlaceDialog(800, 700, {0, 0, 640, 480}, {0, 0, 640, 480}), (PixelRect{0, 0, 800, 700}));
}

}  // namespace
}  // namespace quorvane
