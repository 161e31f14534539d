#include "core/settings_dialog/config_controller.h"

#include <utility>

#include "core/settings_dialog/config_rules.h"
#include "core/startup/version.h"

namespace quorvane {

ConfigController::ConfigController(ConfigView& view, const ModPublic& modPublic,
                                   SettingsStore& store, NumericLocale locale)
    : view_(view), modPublic_(modPublic), store_(store), locale_(std::move(locale)) {}

void ConfigController::Load() {
  SetCreationState();
  SetCopyright();
  DialogLanguage = modPublic_.settings.Language;
  SetCaptions();
  FillFocusList();
  LoadControls();
  view_.MoveFocus(ControlId::cboFocus);
}

// The captions that never change and the selections the dialog is created with, which
// LoadControls relies on: Japanese, and orbits off.
void ConfigController::SetCreationState() {
  view_.SetCaption(ControlId::optLanguage1, kOptLanguage1Caption);
  view_.SetCaption(ControlId::cmdOK, kOkCaption);
  view_.Check(ControlId::optLanguage0);
  view_.Check(ControlId::optOrbit1);
}

void ConfigController::SetCopyright() {
  view_.SetCaption(ControlId::labCopyright,
                   CopyrightCaption(kVersionMajor, kVersionMinor, kVersionRevision));
}

void ConfigController::SetCaptions() {
  const auto captions = CaptionsFor(DialogLanguage);
  if (!captions) {
    return;
  }
  const std::pair<ControlId, std::string_view> inOrder[] = {
      {ControlId::labFocus, captions->labFocus},
      {ControlId::labLanguage, captions->labLanguage},
      {ControlId::optLanguage0, captions->optLanguage0},
      {ControlId::labZoom, captions->labZoom},
      {ControlId::labX, captions->labX},
      {ControlId::labOrbit, captions->labOrbit},
      {ControlId::optOrbit0, captions->optOrbit0},
      {ControlId::optOrbit1, captions->optOrbit1},
      {ControlId::cmdCancel, captions->cmdCancel},
      {ControlId::cmdSubmit, captions->cmdSubmit},
  };
  for (const auto& [control, caption] : inOrder) {
    view_.SetCaption(control, caption);
  }
}

void ConfigController::FillFocusList() {
  const int position = view_.FocusSelection();
  view_.SetFocusEntries(FocusListEntries(modPublic_.Bodies, DialogLanguage));
  view_.SelectFocusEntry(position);
}

void ConfigController::LoadControls() {
  const int position = FocusPosition(modPublic_.settings);
  // A hand-edited store may name a body the list does not hold: then nothing is selected.
  view_.SelectFocusEntry(position >= 0 && position <= kAutoInwardsPosition ? position : -1);
  const int language = modPublic_.settings.Language;
  if (language == kJapanese || language == kEnglish) {
    view_.Check(language == kJapanese ? ControlId::optLanguage0 : ControlId::optLanguage1);
    SwitchLanguage();
  }
  view_.SetZoomText(FormatNumber(modPublic_.settings.Zoom, "0.0#", locale_.decimalPoint));
  if (modPublic_.settings.Orbit != 0) {
    view_.Check(ControlId::optOrbit0);
  }
}

void ConfigController::SwitchLanguage() {
  DialogLanguage = view_.IsChecked(ControlId::optLanguage0) ? kJapanese : kEnglish;
  SetCaptions();
  FillFocusList();
}

void ConfigController::EnterRowOfLabel(ControlId label) {
  ControlId target = AccessKeyTarget(label);
  if (ConfigControl(target).kind == ControlKind::OptionButton) {
    const auto group = OptionGroup(target);
    target = view_.IsChecked(group[1]) ? group[1] : group[0];
  }
  view_.MoveFocus(target);
}

bool ConfigController::CheckZoom() {
  if (ZoomTextAcceptable(view_.ZoomText(), locale_)) {
    return true;
  }
  view_.ShowMessage(MessageIcon::Warning, ZoomErrorText(DialogLanguage));
  view_.MoveFocus(ControlId::txtZoom);
  return false;
}

bool ConfigController::SaveConfig() {
  const DialogChoice choice{view_.FocusSelection(), view_.IsChecked(ControlId::optLanguage0),
                            view_.ZoomText(), view_.IsChecked(ControlId::optOrbit0)};
  for (const auto& [key, text] : ConfigEntries(choice)) {
    store_.WriteSetting(kConfigSection, key, text);
  }
  // OK ends the process at once, so what it wrote must already be on permanent storage; a
  // store that cannot be written must not look saved.
  const SaveResult result = store_.Sync();
  if (result == SaveResult::Saved) {
    return true;
  }
  view_.ShowMessage(MessageIcon::Critical, SaveErrorText(result, DialogLanguage));
  return false;
}

void ConfigController::SaveAndClose() {
  if (CheckZoom() && SaveConfig()) {
    view_.EndProgram();
  }
}

void ConfigController::Close() {
  view_.EndProgram();
}

void ConfigController::Save() {
  SaveConfig();
}

void ConfigController::OpenHomePage() {
  view_.OpenWebPage(kHomePage);
}

}  // namespace quorvane
