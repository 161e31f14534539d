// Text across the Win32 boundary: the core speaks UTF-8, the W calls UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace quorvane
