#include "win32/platform/win32_system_services.h"

#include <shellapi.h>

#include <cstdlib>
#include <vector>

#include "win32/platform/wide_text.h"

namespace quorvane {

namespace {

// One lock per user: the Local namespace belongs to the user's logon session.
constexpr wchar_t kInstanceMutexName[] = L"Local\\Quorvane.Instance";

}  // namespace

bool Win32SystemServices::TopLevelWindowExists(std::string_view title) {
  return FindWindowW(nullptr, Widen(title).c_str()) != nullptr;
}

std::string Win32SystemServices::ExecutableFolder() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      return {};
    }
    if (length < path.size()) {
      std::wstring_view file(path.data(), length);
      return Narrow(file.substr(0, file.find_last_of(L"\\/")));
    }
    path.resize(path.size() * 2);  // the path was cut short
  }
}

std::string Win32SystemServices::SystemCountryName() {
  // The locale identifiers answer on every Windows and under Wine, where the system's locale name
  // does not; the user's locale stands in when the system's gives no name.
  for (const LCID locale : {LOCALE_SYSTEM_DEFAULT, LOCALE_USER_DEFAULT}) {
    wchar_t country[256] = {};
    if (GetLocaleInfoW(locale, LOCALE_SENGCOUNTRY, country, 256) > 0 && country[0] != L'\0') {
      return Narrow(country);
    }
  }
  return {};
}

std::optional<std::string> Win32SystemServices::EnvironmentVariable(std::string_view name) {
  const std::wstring wideName = Widen(name);
  const DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) {
    return std::nullopt;
  }
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  value.resize(length < size ? length : 0);
  return Narrow(value);
}

bool Win32SystemServices::AcquireInstanceLock(InstanceLock kind) {
  // Ownership, not existence, marks a running instance: a probe opening the mutex for a moment
  // must not look like a holder.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
  if (mutex == nullptr) {
    return true;  // no lock to be had does not keep the program from starting
  }
  const DWORD wait = WaitForSingleObject(mutex, 0);
  const bool acquired = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  if (!acquired || kind == InstanceLock::Probe) {
    if (acquired) {
      ReleaseMutex(mutex);
    }
    CloseHandle(mutex);
  }
  return acquired;  // an exclusive holder keeps its handle until the process ends
}

CursorPoint CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

void OpenWebPage(HWND owner, std::string_view url) {
  ShellExecuteW(owner, L"open", Widen(url).c_str(), L"", L"", SW_SHOWNORMAL);
}

void SetScreenSaverRunning(bool running) {
  SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, nullptr, 0);
}

void EndProgramAtOnce() {
  ExitProcess(0);
}

}  // namespace quorvane
