// The settings store on Windows: one registry key per section under
// HKEY_CURRENT_USER\Software\Quorvane, every value a REG_SZ text exactly as the Linux INI file
// holds it.
//
// Implements reading and writing texts. Values of any other registry type read as missing, so
// the defaults apply. Each write goes to the registry at once; Sync() reports whether every write
// since the last Sync() succeeded. Once a read has failed for any reason but a missing key or
// value, what the program shows may not be what is stored: from then on nothing is written and
// every Sync() says the store could not be read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/platform/settings_store.h"

namespace quorvane {

class RegistrySettingsStore final : public SettingsStore {
 public:
  // `rootPath` is relative to HKEY_CURRENT_USER; tests give a scratch key of their own.
  explicit RegistrySettingsStore(std::wstring rootPath = L"Software\\Quorvane");

  std::optional<std::string> Value(std::string_view section, std::string_view key) const override;
  void SetValue(std::string_view section, std::string_view key, std::string_view text) override;
  SaveResult Sync() override;

 private:
  std::wstring SectionPath(std::string_view section) const;

  std::wstring rootPath_;
  bool writeFailed_ = false;
  mutable bool readFailed_ = false;
};

}  // namespace quorvane
