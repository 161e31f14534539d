#include "win32/platform/registry_settings_store.h"

#include <windows.h>

#include <utility>

#include "win32/platform/wide_text.h"

namespace quorvane {

namespace {

// A key or value that is not there, or a value of another type than text: the default applies.
bool IsMissing(LSTATUS status) {
  return status == ERROR_FILE_NOT_FOUND || status == ERROR_UNSUPPORTED_TYPE;
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(std::wstring rootPath)
    : rootPath_(std::move(rootPath)) {}

std::wstring RegistrySettingsStore::SectionPath(std::string_view section) const {
  return rootPath_ + L'\\' + Widen(section);
}

std::optional<std::string> RegistrySettingsStore::Value(std::string_view section,
                                                        std::string_view key) const {
  const std::wstring path = SectionPath(section);
  const std::wstring name = Widen(key);
  // The value may grow between asking its size and reading it; ask again then.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD bytes = 0;
    LSTATUS status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ,
                                  nullptr, nullptr, &bytes);
    if (status != ERROR_SUCCESS) {
      readFailed_ = readFailed_ || !IsMissing(status);
      return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                          text.data(), &bytes);
    if (status == ERROR_SUCCESS) {
      text.resize(wcsnlen(text.c_str(), text.size()));
      return Narrow(text);
    }
    if (status != ERROR_MORE_DATA) {
      readFailed_ = readFailed_ || !IsMissing(status);
      return std::nullopt;
    }
  }
  readFailed_ = true;
  return std::nullopt;
}

void RegistrySettingsStore::SetValue(std::string_view section, std::string_view key,
                                     std::string_view text) {
  if (readFailed_) {
    return;
  }
  HKEY sectionKey = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                      nullptr, &sectionKey, nullptr) != ERROR_SUCCESS) {
    writeFailed_ = true;
    return;
  }
  const std::wstring value = Widen(text);
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  if (RegSetValueExW(sectionKey, Widen(key).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.c_str()), bytes) != ERROR_SUCCESS) {
    writeFailed_ = true;
  }
  RegCloseKey(sectionKey);
}

SaveResult RegistrySettingsStore::Sync() {
  if (readFailed_) {
    return SaveResult::Unreadable;
  }
  return std::exchange(writeFailed_, false) ? SaveResult::NotWritable : SaveResult::Saved;
}

}  // namespace quorvane
