// What the stand-in hosts of the Wine tests share: starting Quorvane.scr from beside the host
// program, and handling the messages of their own windows while they wait.
#pragma once

#include <windows.h>

#include <string>

namespace quorvane::testing {

// Starts Quorvane.scr, which lies beside this program, with the arguments; false when it cannot.
inline bool StartQuorvane(const std::wstring& arguments, PROCESS_INFORMATION& process) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  std::wstring commandLine = L"\"" + folder + L"Quorvane.scr\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  return CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process) != FALSE;
}

// Dispatches the messages waiting for this thread's windows.
inline void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageW(&message);
  }
}

}  // namespace quorvane::testing
