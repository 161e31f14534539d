// Every text the settings dialog shows, in Japanese (1) and English (2): the captions, the focus
// list entries, the footer and the messages of its checks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/settings_store.h"
#include "core/startup/body_catalogue.h"

namespace quorvane {

// The captions that follow the dialog's language, in the order SetCaptions applies them.
struct DialogCaptions {
  std::string_view labFocus;
  std::string_view labLanguage;
  std::string_view optLanguage0;
  std::string_view labZoom;
  std::string_view labX;
  std::string_view labOrbit;
  std::string_view optOrbit0;
  std::string_view optOrbit1;
  std::string_view cmdCancel;
  std::string_view cmdSubmit;
};

// Captions that are the same in both languages.
inline constexpr std::string_view kOptLanguage1Caption = "&English";
inline constexpr std::string_view kOkCaption = "&OK";

// The captions of language 1 or 2; nothing for any other value.
std::optional<DialogCaptions> CaptionsFor(int dialogLanguage);

// The 11 entries of cboFocus: Mercury to Pluto, then the two automatic changes. Japanese for
// language 1, English otherwise.
std::vector<std::string> FocusListEntries(const BodyTable& bodies, int dialogLanguage);

// "1.01" for major 1, minor 1; a revision from 1000 on appends a letter ("a" for 1000 to 1999).
std::string CopyrightVersionText(int major, int minor, int revision);

// The footer: product name, version and the maker's notice, the same in both languages.
std::string CopyrightCaption(int major, int minor, int revision);

// Text and title of a message box.
struct MessageText {
  std::string_view message;
  std::string_view title;
};

// Shown when the magnification text is not a number from 1.0 to 50.0.
MessageText ZoomErrorText(int dialogLanguage);

// Shown when the settings could not be written to permanent storage, saying why.
MessageText SaveErrorText(SaveResult result, int dialogLanguage);

}  // namespace quorvane
