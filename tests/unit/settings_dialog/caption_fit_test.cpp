#include "core/settings_dialog/caption_fit.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(FitToCaptionTest, LabelsFitOptionsGrowOtherControlsKeepTheirBox) {
  const PixelRect box{164, 5, 66, 19};
  const struct {
    ControlId control;
    int width;
    int height;
    PixelRect expected;
  } cases[] = {
      // An auto-sized label is its caption, whether wider or narrower than the table says.
      {ControlId::labOrbit, 150, 21, {164, 5, 150, 21}},
      {ControlId::labOrbit, 40, 15, {164, 5, 40, 15}},
      // An option keeps its box for a caption that fits, and grows for one that does not:
      // rightwards, and around its middle.
      {ControlId::optLanguage1, 50, 15, box},
      {ControlId::optLanguage1, 75, 15, {164, 5, 75, 19}},
      {ControlId::optOrbit1, 120, 29, {164, 0, 120, 29}},
      // Buttons and the footer keep the table's box.
      {ControlId::cmdCancel, 90, 30, box},
      {ControlId::labCopyright, 400, 30, box},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ConfigControl(c.control).name);
    EXPECT_EQ(FitToCaption(ConfigControl(c.control), box, c.width, c.height), c.expected);
  }
}

}  // namespace
}  // namespace quorvane
