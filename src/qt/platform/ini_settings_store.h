// The settings store on Linux: an INI file per user, $XDG_CONFIG_HOME/Quorvane/Quorvane.ini.
// Implements: one read at construction that never blocks (only a regular file of bounded size is
// read; anything else reads as empty), and saving that takes a kernel lock (released when its
// holder dies, waited for briefly), merges this process's changes into the file as it is then and
// replaces it only with a complete copy on disk. Lines the program does not write keep their bytes.
// Limits: a store that is not a regular file, or is too large, is never replaced (saving fails);
// the lock binds only copies of this program.
#pragma once

#include <QString>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/ini_document.h"
#include "core/platform/settings_store.h"

namespace quorvane {

class IniSettingsStore final : public SettingsStore {
 public:
  // The user's own file.
  IniSettingsStore();
  // A given file (tests).
  explicit IniSettingsStore(const QString& filePath);

  std::optional<std::string> Value(std::string_view section, std::string_view key) const override;
  void SetValue(std::string_view section, std::string_view key, std::string_view text) override;
  // Writes the values set since the last successful save; true only when they are on disk.
  bool Sync() override;

  QString FilePath() const { return filePath_; }

 private:
  QString filePath_;
  IniDocument document_;
  std::vector<std::tuple<std::string, std::string, std::string>> unsaved_;
};

}  // namespace quorvane
