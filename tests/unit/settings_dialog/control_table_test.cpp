#include "core/settings_dialog/control_table.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using enum ControlId;

TEST(ControlTableTest, LabelsLeadIntoTheirRowAndOptionsPairByFrame) {
  EXPECT_EQ(AccessKeyTarget(labFocus), cboFocus);
  EXPECT_EQ(AccessKeyTarget(labLanguage), optLanguage0);
  EXPECT_EQ(AccessKeyTarget(labZoom), txtZoom);
  EXPECT_EQ(AccessKeyTarget(labOrbit), optOrbit0);
  EXPECT_EQ(OptionGroup(optLanguage1), (std::array{optLanguage0, optLanguage1}));
  EXPECT_EQ(OptionGroup(optOrbit0), (std::array{optOrbit0, optOrbit1}));
}

TEST(ControlTableTest, OnlyAControlThatTakesTheFocusLeavesZoom) {
  // A click on anything that takes the focus leaves; labels and frames take none.
  for (const ControlId control : {cboFocus, optLanguage1, optOrbit0, cmdOK, cmdCancel, cmdSubmit}) {
    EXPECT_TRUE(LeavesZoom(txtZoom, control, FocusRequest::Click)) << ConfigControl(control).name;
  }
  for (const ControlId control : {labFocus, labZoom, labX, labCopyright, Frame1, txtZoom}) {
    EXPECT_FALSE(LeavesZoom(txtZoom, control, FocusRequest::Click)) << ConfigControl(control).name;
  }
  // A label's access key leads into its row: out of txtZoom, except labZoom's own.
  EXPECT_TRUE(LeavesZoom(txtZoom, labFocus, FocusRequest::AccessKey));
  EXPECT_TRUE(LeavesZoom(txtZoom, labOrbit, FocusRequest::AccessKey));
  EXPECT_TRUE(LeavesZoom(txtZoom, cmdSubmit, FocusRequest::AccessKey));
  EXPECT_FALSE(LeavesZoom(txtZoom, labZoom, FocusRequest::AccessKey));
  // With the focus elsewhere there is nothing to check.
  EXPECT_FALSE(LeavesZoom(cboFocus, cmdOK, FocusRequest::Click));
  EXPECT_FALSE(LeavesZoom(labZoom, labFocus, FocusRequest::AccessKey));
}

TEST(ControlTableTest, EnterClicksTheFocusedButtonOrOk) {
  EXPECT_EQ(EnterButton(cmdCancel), cmdCancel);
  EXPECT_EQ(EnterButton(cmdSubmit), cmdSubmit);
  EXPECT_EQ(EnterButton(cmdOK), cmdOK);
  EXPECT_EQ(EnterButton(txtZoom), cmdOK);
  EXPECT_EQ(EnterButton(cboFocus), cmdOK);
  EXPECT_EQ(EnterButton(optOrbit1), cmdOK);
}

}  // namespace
}  // namespace quorvane
