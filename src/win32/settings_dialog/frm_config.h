// The settings dialog on Win32: real controls laid out from the core's control table at the
// screen's resolution, every event forwarded to the core's ConfigController, which decides.
//
// Implements the view the controller needs, access keys, the default (OK) and cancel buttons,
// the focus order, the check before the focus leaves txtZoom (a click on another control, Tab or
// an access key), and the footer as a link with a hand cursor. Known limits: the hand is the
// system's own pointer; frames are not made as windows, since they show nothing.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/pixel_rect.h"
#include "core/platform/screen_metrics.h"
#include "core/platform/settings_store.h"
#include "core/settings_dialog/config_controller.h"
#include "core/settings_dialog/config_view.h"
#include "core/startup/mod_public.h"

namespace quorvane {

class frmConfig final : private ConfigView {
 public:
  // Creates the dialog, owned by `owner` and centred on it (on the screen when it is null) but
  // wholly inside the work area of its monitor, and runs the load sequence.
  frmConfig(const ModPublic& modPublic, SettingsStore& store, HWND owner);
  ~frmConfig() override;
  frmConfig(const frmConfig&) = delete;
  frmConfig& operator=(const frmConfig&) = delete;

  HWND Handle() const { return window_; }
  // Every message of the window, from the program's window procedure.
  LRESULT Receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Show();
  // Gives the dialog the messages meant for it before they are dispatched; true when handled.
  bool PreTranslate(MSG& message);

 private:
  void CreateControls();
  HWND Control(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
  HFONT FontFor(const ControlFont& font);
  // The control's box in the table, in pixels of the dialog's client area.
  PixelRect ControlRect(const ControlEntry& entry) const;
  // The label, option or button whose caption marks the key; nothing when none does.
  std::optional<ControlId> ControlWithAccessKey(wchar_t key) const;
  // The control the window is, or is a part of; nothing for the dialog itself and other windows.
  std::optional<ControlId> ControlOf(HWND window) const;
  // True when the message would move the focus out of txtZoom to another control.
  bool MessageLeavesZoom(const MSG& message) const;
  void OnCommand(int id, int code);

  void SetCaption(ControlId control, std::string_view caption) override;
  void SetFocusEntries(const std::vector<std::string>& entries) override;
  int FocusSelection() const override;
  void SelectFocusEntry(int position) override;
  bool IsChecked(ControlId option) const override;
  void Check(ControlId option) override;
  std::string ZoomText() const override;
  void SetZoomText(std::string_view text) override;
  void ShowMessage(MessageIcon icon, const MessageText& text) override;
  void MoveFocus(ControlId control) override;
  void EndProgram() override;
  void OpenWebPage(std::string_view url) override;

  const ScreenMetrics screen_;
  HWND window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  std::map<std::pair<std::string, std::pair<double, int>>, HFONT> fonts_;
  HBRUSH footerBrush_;
  ConfigController controller_;
};

}  // namespace quorvane
