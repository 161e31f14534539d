// Any bytes read as a settings file; setting the program's keys then changes only their own lines
// (or adds them and their section), and every key set reads back as the text given.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/ini_document.h"

namespace {

void Check(bool condition) {
  if (!condition) {
    std::abort();
  }
}

// Line contents without their ends ("\r\n", "\n" or "\r").
std::vector<std::string_view> Lines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(std::min(bytes.size(), end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1)));
  }
  return lines;
}

// Between `before` and `after` only the key's own line was replaced or added, with its section
// header (after a blank line) when the section is new.
void CheckOnlyOwnLineChanged(std::string_view before, std::string_view after,
                             std::string_view section, const std::string& entry) {
  const auto a = Lines(before);
  const auto b = Lines(after);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
    ++suffix;
  }
  const std::vector<std::string_view> removed(a.begin() + prefix, a.end() - suffix);
  const std::vector<std::string_view> added(b.begin() + prefix, b.end() - suffix);
  const std::string header = "[" + std::string(section) + "]";
  Check(removed.size() <= 1);
  Check(added.empty() || added.back() == entry);
  Check(added.size() <= 1 || (removed.empty() && suffix == 0 && added[added.size() - 2] == header &&
                              (added.size() == 2 || (added.size() == 3 && added[0].empty()))));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first byte says how many of the following bytes make the text to set; the rest is the file.
  const std::size_t textSize = size == 0 ? 0 : std::min<std::size_t>(data[0] % 24, size - 1);
  const std::string text(input.substr(std::min<std::size_t>(1, size), textSize));
  const std::string_view file = input.substr(std::min(size, 1 + textSize));

  quorvane::IniDocument document(file);
  Check(document.Bytes() == file);
  constexpr std::string_view kKeys[][2] = {
      {"Config", "CenterId"}, {"Config", "Zoom"}, {"UpdateInfo", "CurrentVersion"}};
  for (const auto& [section, key] : kKeys) {
    const std::string before = document.Bytes();
    document.SetValue(section, key, text);
    CheckOnlyOwnLineChanged(before, document.Bytes(), section,
                            std::string(key) + "=" + quorvane::IniDocument::EncodeValue(text));
  }
  const quorvane::IniDocument reread(document.Bytes());
  for (const auto& [section, key] : kKeys) {
    Check(reread.Value(section, key) == text);
  }
  return 0;
}
