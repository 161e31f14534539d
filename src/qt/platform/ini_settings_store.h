// The settings store on Linux: an INI file per user, $XDG_CONFIG_HOME/Quorvane/Quorvane.ini,
// through QSettings. Every value is kept as the text it was given.
#pragma once

#include <QSettings>
#include <QString>

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
  bool Sync() override;

  QString FilePath() const { return settings_.fileName(); }

 private:
  QSettings settings_;
};

}  // namespace quorvane
