// The settings dialog: shows the settings read at start in Japanese or English, checks the
// magnification, saves [Config] with OK or Apply and ends the program with OK or Cancel.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <array>
#include <cstdint>
#include <functional>

#include "core/platform/settings_store.h"
#include "core/settings_dialog/dialog_texts.h"
#include "core/startup/mod_public.h"
#include "qt/platform/qt_screen.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvane {

class frmConfig : public QDialog {
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
  void SetTabOrder();
  void Form_Load();
  void SetCopyright();
  void SetCaptions();
  void FitOptionsToCaptions();
  void FillFocusList();
  void LoadControls();
  bool CheckZoom();
  bool SaveConfig();
  // A modal message box over the dialog.
  void ShowMessage(QMessageBox::Icon icon, const MessageText& text);

  void optLanguage_Click();
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdSubmit_Click();
  void labCopyright_Click();

  // True when the event is about to move the focus from txtZoom to another control.
  bool LeavesTxtZoom(QObject* watched, QEvent* event) const;
  // Places a control by twips relative to its container.
  void Place(QWidget* control, int left, int top, int width, int height) const;

  const ModPublic& modPublic_;
  SettingsStore& store_;
  std::function<void()> endProgram_;
  ScreenMetrics metrics_;
  std::int16_t DialogLanguage = 1;

  QLabel* labFocus = nullptr;
  QComboBox* cboFocus = nullptr;
  QLabel* labLanguage = nullptr;
  std::array<QRadioButton*, 2> optLanguage{};
  QLabel* labZoom = nullptr;
  QLineEdit* txtZoom = nullptr;
  QLabel* labX = nullptr;
  QLabel* labOrbit = nullptr;
  std::array<QRadioButton*, 2> optOrbit{};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdSubmit = nullptr;
  QFrame* Frame1 = nullptr;
  QFrame* Frame2 = nullptr;
  QLabel* labCopyright = nullptr;
  QButtonGroup* languageGroup_ = nullptr;
  QButtonGroup* orbitGroup_ = nullptr;
};

}  // namespace quorvane
