// The settings store on Linux: an INI file per user, $XDG_CONFIG_HOME/Quorvane/Quorvane.ini.
// Implements: one read at construction that never blocks (only a regular file is read, and only
// whole), and saving that takes a kernel lock (released when its holder dies, waited for
// briefly), merges this process's changes into the file as it is then and replaces it only with a
// complete copy on disk. Lines the program does not write keep their bytes.
// Limits: a store that is not a regular file, could not be read whole, or is too large, is never
// replaced (saving fails and says why); without a home folder nothing is read or written; the
// lock binds only copies of this program.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/ini_document.h"
#include "core/platform/settings_store.h"
#include "qt/platform/store_file.h"

namespace quorvane {

class IniSettingsStore final : public SettingsStore {
 public:
  // The user's own file, or none when there is no home folder to keep it in.
  IniSettingsStore();
  // A given file (tests).
  explicit IniSettingsStore(const QString& filePath);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const override;
  void SetValue(std::string_view section, std::string_view key, std::string_view text) override;
  // Writes the values set since the last successful save.
  SaveResult Sync() override;

  // Empty when there is no home folder.
  QString FilePath() const { return filePath_; }

  // The folder the store lives in: $XDG_CONFIG_HOME, or ~/.config, each only when absolute (a
  // relative one would put the settings wherever the program happens to start). Nothing when
  // neither is known.
  static std::optional<QString> ConfigFolder();

 private:
  // Quorvane/Quorvane.ini in ConfigFolder(); empty without one.
  static QString DefaultFilePath();

  QString filePath_;
  StoreState loaded_ = StoreState::Missing;
  IniDocument document_;
  std::vector<StoreChange> unsaved_;
};

}  // namespace quorvane
