// The settings dialog's controls as data: name, kind, container, focus order, place in twips and
// font. Every front end builds and lays out the dialog from this one table.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/platform/font_names.h"

namespace quorvane {

// The controls in focus order: a control's value is its TabIndex.
enum class ControlId {
  labFocus,
  cboFocus,
  labLanguage,
  optLanguage0,
  optLanguage1,
  labZoom,
  txtZoom,
  labX,
  labOrbit,
  optOrbit0,
  optOrbit1,
  cmdOK,
  cmdCancel,
  cmdSubmit,
  Frame1,
  Frame2,
  labCopyright,
};
inline constexpr std::size_t kControlCount = 17;

enum class ControlKind { Label, DropDownList, OptionButton, TextBox, PushButton, Frame };

// What a control's coordinates are relative to.
enum class Container { Dialog, Frame1, Frame2 };

struct ControlFont {
  std::string_view family;
  double points;
  int weight;   // 400 regular, 700 bold
  int charset;  // 128 Shift-JIS, 0 ANSI

  bool operator==(const ControlFont&) const = default;
};

struct ControlEntry {
  ControlId id;
  std::string_view name;  // "optLanguage" for both of optLanguage(0) and optLanguage(1)
  int index;              // the position in a control array; -1 for a single control
  ControlKind kind;
  Container container;
  int tabIndex;
  int left;  // twips
  int top;
  int width;
  int height;
  ControlFont font;
  bool autoSize;  // the control sizes itself to its caption, keeping its left and top edges
};

// The dialog's client area in twips.
inline constexpr int kConfigClientWidth = 5430;
inline constexpr int kConfigClientHeight = 3000;

// The font of the dialog and of every control that does not name its own.
inline constexpr ControlFont kConfigDialogFont{kUiGothic, 11.25, 400, 128};

// The footer's colours, 0x00BBGGRR: white text on dark navy.
inline constexpr std::uint32_t kCopyrightForeColor = 0x00FFFFFF;
inline constexpr std::uint32_t kCopyrightBackColor = 0x00400000;

// All controls, in focus order.
const std::array<ControlEntry, kControlCount>& ConfigControls();

const ControlEntry& ConfigControl(ControlId id);

// The control a label's access key leads into: the next control in the focus order that takes
// the focus.
ControlId AccessKeyTarget(ControlId label);

// The two option buttons of the option's frame, in focus order.
std::array<ControlId, 2> OptionGroup(ControlId option);

// How the user points the focus at a control.
enum class FocusRequest { Click, AccessKey };

// True when a click on `control`, or its access key, takes the focus away from `focused` while
// that is txtZoom, so the magnification must be checked first. A click on a label, a frame or
// txtZoom itself leaves the focus where it is; labZoom's access key leads into txtZoom.
bool LeavesZoom(ControlId focused, ControlId control, FocusRequest request);

// The push button Enter clicks: the one that has the focus, OK otherwise.
ControlId EnterButton(ControlId focused);

}  // namespace quorvane
