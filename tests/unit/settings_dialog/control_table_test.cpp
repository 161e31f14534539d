#include "core/settings_dialog/control_table.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

// Both front ends place the controls as listed, so a slip in the numbers would cut a control
// off: each must lie inside its frame, and every frame inside the client area.
TEST(ControlTableTest, EveryControlLiesInsideItsContainer) {
  for (const ControlSpec& control : ConfigControls()) {
    int width = kConfigClientWidth;
    int height = kConfigClientHeight;
    if (control.container != Container::Dialog) {
      const ControlSpec& frame = ConfigControl(
          control.container == Container::Frame1 ? ControlId::Frame1 : ControlId::Frame2);
      width = frame.width;
      height = frame.height;
    }
    EXPECT_GE(control.left, 0) << control.name;
    EXPECT_GE(control.top, 0) << control.name;
    EXPECT_LE(control.left + control.width, width) << control.name << control.index;
    EXPECT_LE(control.top + control.height, height) << control.name << control.index;
  }
}

}  // namespace
}  // namespace quorvane
