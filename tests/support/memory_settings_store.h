// A settings store kept in memory, with a switch that makes writing fail.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "core/platform/settings_store.h"

namespace quorvane::testing {

class MemorySettingsStore : public SettingsStore {
 public:
  std::map<std::pair<std::string, std::string>, std::string> values;
  bool writable = true;
  SaveResult failure = SaveResult::NotWritable;  // what Sync says while not writable
  int syncCount = 0;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const override {
    const auto found = values.find({std::string(section), std::string(key)});
    if (found == values.end()) {
      return std::nullopt;
    }
    return found->second;
  }
  void SetValue(std::string_view section, std::string_view key, std::string_view text) override {
    if (writable) {
      values[{std::string(section), std::string(key)}] = std::string(text);
    }
  }
  SaveResult Sync() override {
    ++syncCount;
    return writable ? SaveResult::Saved : failure;
  }
};

}  // namespace quorvane::testing
