// The per-user store of named texts that keeps the settings between runs. The backing (an INI
// file on Linux) lives in the platform layer; tests use an in-memory one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr std::string_view kApplicationName = "Quorvane";
inline constexpr std::string_view kConfigSection = "Config";
inline constexpr std::string_view kUpdateInfoSection = "UpdateInfo";

// How a save ended; each failure is told to the user in its own words.
enum class SaveResult {
  Saved,
  // The file or its folder could not be written.
  NotWritable,
  // The store could not be read whole, so it is left as it is.
  Unreadable,
  // The store is larger than any the program writes, so it is left as it is.
  TooLarge,
  // Another copy of the program kept saving for longer than a save waits.
  Busy,
  // There is no home folder to keep the store in.
  NoHome,
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The text stored under section/key, or nothing when the key does not exist.
  virtual std::optional<std::string> Value(std::string_view section,
                                           std::string_view key) const = 0;
  // Stores the text, creating section and key as needed.
  virtual void SetValue(std::string_view section, std::string_view key, std::string_view text) = 0;
  // Puts what was written on permanent storage, or says why it could not.
  virtual SaveResult Sync() = 0;

  // The stored text, or the default when the key is missing. Never creates anything.
  std::string ReadSetting(std::string_view section, std::string_view key,
                          std::string_view defaultText) const {
    return Value(section, key).value_or(std::string(defaultText));
  }
  void WriteSetting(std::string_view section, std::string_view key, std::string_view text) {
    SetValue(section, key, text);
  }
};

}  // namespace quorvane
