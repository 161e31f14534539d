// What the settings dialog does, apart from the window that shows it: the load sequence, the
// language switch, the magnification check and saving [Config]. The window forwards its events
// here and shows what the controller sets through ConfigView.
#pragma once

#include <cstdint>

#include "core/platform/settings_store.h"
#include "core/settings_dialog/config_view.h"
#include "core/startup/language.h"
#include "core/startup/mod_public.h"
#include "core/startup/number_text.h"

namespace quorvane {

class ConfigController {
 public:
  // `locale` holds the user's separators: the magnification is shown and checked with them.
  ConfigController(ConfigView& view, const ModPublic& modPublic, SettingsStore& store,
                   NumericLocale locale);

  // Fills the controls from the settings; runs once, before the dialog shows.
  void Load();
  // Either language option was chosen: the captions change to it.
  void SwitchLanguage();
  // A label's access key: the focus moves into the row the label names, in a row of options to
  // the selected one, as Tab enters it.
  void EnterRowOfLabel(ControlId label);
  // Asked whenever the focus is about to leave txtZoom: false keeps it there, after the user
  // has seen why.
  bool CheckZoom();
  // OK: saves and ends the program, unless the magnification or the save fails.
  void SaveAndClose();
  // Cancel; Esc and the close box end here too.
  void Close();
  // Apply: saves and stays open.
  void Save();
  // The copyright line is a link to the home page.
  void OpenHomePage();

 private:
  void SetCreationState();
  void SetCopyright();
  void SetCaptions();
  void FillFocusList();
  void LoadControls();
  bool SaveConfig();

  ConfigView& view_;
  const ModPublic& modPublic_;
  SettingsStore& store_;
  NumericLocale locale_;
  std::int16_t DialogLanguage = kJapanese;
};

}  // namespace quorvane
