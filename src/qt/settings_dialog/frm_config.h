// The settings dialog's Qt window: builds its controls from the control table, shows what the
// controller sets and forwards clicks and the moments the focus is about to leave txtZoom to it.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "core/platform/screen_metrics.h"
#include "core/platform/settings_store.h"
#include "core/settings_dialog/config_controller.h"
#include "core/settings_dialog/config_view.h"
#include "core/settings_dialog/control_table.h"
#include "core/startup/mod_public.h"

class QRadioButton;

namespace quorvane {

class frmConfig : public QDialog, private ConfigView {
  Q_OBJECT

 public:
  // `endProgram` ends the process at once (EndProgramAtOnce); tests pass one that records.
  frmConfig(const ModPublic& modPublic, SettingsStore& store, std::function<void()> endProgram);

  // Esc, the close box and Cancel all end here.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void CreateControls();
  QWidget* CreateControl(const ControlEntry& entry);
  void SetBuddies();
  void SetTabOrder();
  void ConnectEvents();
  void FitOptionToCaption(ControlId option);
  // Puts each row label's text on the line of the control beside it.
  void AlignRowLabels();
  // Moves the window so that an outer size of `outer` (frame included) is centred on its screen.
  void Centre(QSize outer);

  // ConfigView
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

  // The control the widget is, or is a part of; nothing for the dialog itself.
  std::optional<ControlId> ControlOf(const QWidget* widget) const;
  // True when the event is about to move the focus from txtZoom to another control.
  bool LeavesTxtZoom(QObject* watched, QEvent* event) const;

  QWidget* Control(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
  template <typename T>
  T* Control(ControlId id) const {
    return static_cast<T*>(Control(id));
  }

  std::function<void()> endProgram_;
  ScreenMetrics metrics_;
  std::array<QWidget*, kControlCount> controls_{};
  ConfigController controller_;
  bool framed_ = false;  // centred again with the window manager's frame
};

}  // namespace quorvane
