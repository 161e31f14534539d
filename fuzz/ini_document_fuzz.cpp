// Any bytes read as a settings file; setting the program's keys then changes only their own lines
// (or adds them and their section), and every key set reads back as the text given.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/platform/ini_document.h"
#include "ini_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first byte says how many of the following bytes make the text to set; the rest is the file.
  const std::size_t textSize = size == 0 ? 0 : std::min<std::size_t>(data[0] % 24, size - 1);
  const std::string text(input.substr(std::min<std::size_t>(1, size), textSize));
  const std::string_view file = input.substr(std::min(size, 1 + textSize));

  quorvane::IniDocument document(file);
  QUORVANE_FUZZ_CHECK(document.Bytes() == file);
  constexpr std::string_view kKeys[][2] = {
      {"Config", "CenterId"}, {"Config", "Zoom"}, {"UpdateInfo", "CurrentVersion"}};
  for (const auto& [section, key] : kKeys) {
    const std::string before = document.Bytes();
    document.SetValue(section, key, text);
    quorvane::fuzz::CheckOnlyOwnLineChanged(
        before, document.Bytes(), section,
        std::string(key) + "=" + quorvane::IniDocument::EncodeValue(text));
  }
  const quorvane::IniDocument reread(document.Bytes());
  for (const auto& [section, key] : kKeys) {
    QUORVANE_FUZZ_CHECK(reread.Value(section, key) == text);
  }
  return 0;
}
