#include "core/settings_dialog/control_table.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr ControlFont kDialogFont = kConfigDialogFont;
constexpr ControlFont kButtonFont{kUiGothic, 9, 400, kConfigDialogFont.charset};
constexpr ControlFont kFooterFont{kTimesNewRoman, 12, 700, 0};

using enum ControlId;
using enum ControlKind;
constexpr auto kDialog = Container::Dialog;

// The sizes of the auto-sized labels are those of their Japanese captions.
constexpr std::array<ControlEntry, kControlCount> kControls{{
    {labFocus, "labFocus", -1, Label, kDialog, 0, 210, 240, 1785, 225, kDialogFont, true},
    {cboFocus, "cboFocus", -1, DropDownList, kDialog, 1, 2460, 180, 2745, 345, kDialogFont, false},
    {labLanguage, "labLanguage", -1, Label, kDialog, 2, 210, 705, 840, 225, kDialogFont, true},
    {optLanguage0, "optLanguage", 0, OptionButton, Container::Frame1, 3, 90, 82, 1395, 270,
     kDialogFont, false},
    {optLanguage1, "optLanguage", 1, OptionButton, Container::Frame1, 4, 1620, 75, 990, 285,
     kDialogFont, false},
    {labZoom, "labZoom", -1, Label, kDialog, 5, 210, 1170, 1965, 225, kDialogFont, true},
    {txtZoom, "txtZoom", -1, TextBox, kDialog, 6, 2460, 1125, 930, 330, kDialogFont, false},
    {labX, "labX", -1, Label, kDialog, 7, 3480, 1170, 225, 225, kDialogFont, true},
    {labOrbit, "labOrbit", -1, Label, kDialog, 8, 210, 1635, 1935, 225, kDialogFont, true},
    {optOrbit0, "optOrbit", 0, OptionButton, Container::Frame2, 9, 75, 105, 975, 285, kDialogFont,
     false},
    {optOrbit1, "optOrbit", 1, OptionButton, Container::Frame2, 10, 1230, 120, 1230, 255,
     kDialogFont, false},
    {cmdOK, "cmdOK", -1, PushButton, kDialog, 11, 2280, 2190, 990, 390, kButtonFont, false},
    {cmdCancel, "cmdCancel", -1, PushButton, kDialog, 12, 3315, 2190, 990, 390, kButtonFont, false},
    {cmdSubmit, "cmdSubmit", -1, PushButton, kDialog, 13, 4350, 2190, 990, 390, kButtonFont, false},
    {Frame1, "Frame1", -1, Frame, kDialog, 14, 2460, 615, 2835, 420, kDialogFont, false},
    {Frame2, "Frame2", -1, Frame, kDialog, 15, 2460, 1545, 2685, 465, kDialogFont, false},
    {labCopyright, "labCopyright", -1, Label, kDialog, 16, 15, 2670, 5370, 300, kFooterFont, false},
}};

// A control is found by its id, so the table must list them in the order of the enum.
constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < kControls.size(); ++i) {
    if (static_cast<std::size_t>(kControls[i].id) != i ||
        static_cast<std::size_t>(kControls[i].tabIndex) != i) {
      return false;
    }
  }
  return true;
}
static_assert(InEnumOrder());

}  // namespace

const std::array<ControlEntry, kControlCount>& ConfigControls() {
  return kControls;
}

const ControlEntry& ConfigControl(ControlId id) {
  return kControls[static_cast<std::size_t>(id)];
}

ControlId AccessKeyTarget(ControlId label) {
  const auto next = std::find_if(
      kControls.begin() + static_cast<std::ptrdiff_t>(label) + 1, kControls.end(),
      [](const ControlEntry& entry) { return entry.kind != Label && entry.kind != Frame; });
  return next != kControls.end() ? next->id : label;
}

std::array<ControlId, 2> OptionGroup(ControlId option) {
  const Container frame = ConfigControl(option).container;
  return frame == Container::Frame1 ? std::array{optLanguage0, optLanguage1}
                                    : std::array{optOrbit0, optOrbit1};
}

bool LeavesZoom(ControlId focused, ControlId control, FocusRequest request) {
  if (focused != txtZoom) {
    return false;
  }
  const ControlKind kind = ConfigControl(control).kind;
  if (kind == Label && request == FocusRequest::AccessKey) {
    control = AccessKeyTarget(control);
  } else if (kind == Label || kind == Frame) {
    return false;  // they take no focus
  }
  return control != txtZoom;
}

ControlId EnterButton(ControlId focused) {
  return focused == cmdCancel || focused == cmdSubmit ? focused : cmdOK;
}

}  // namespace quorvane
