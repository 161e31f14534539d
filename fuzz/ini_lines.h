// What the settings-file fuzz targets share: the file as lines, and the check that setting one key
// changed nothing but that key's own line.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"

namespace quorvane::fuzz {

// Line contents without their ends ("\r\n", "\n" or "\r").
inline std::vector<std::string_view> Lines(std::string_view bytes) {
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
inline void CheckOnlyOwnLineChanged(std::string_view before, std::string_view after,
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
  QUORVANE_FUZZ_CHECK(removed.size() <= 1);
  QUORVANE_FUZZ_CHECK(added.empty() || added.back() == entry);
  QUORVANE_FUZZ_CHECK(added.size() <= 1 ||
                      (removed.empty() && suffix == 0 && added[added.size() - 2] == header &&
                       (added.size() == 2 || (added.size() == 3 && added[0].empty()))));
}

// The file as lines with their ends, so that every byte belongs to one line.
inline std::vector<std::string_view> LinesWithEnds(std::string_view bytes) {
  std::vector<std::string_view> lines;
  while (!bytes.empty()) {
    std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    end = std::min(bytes.size(), end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1));
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end);
  }
  return lines;
}

inline std::string_view WithoutEnd(std::string_view line) {
  return line.substr(0, std::min(line.find_first_of("\r\n"), line.size()));
}

// The byte model of a save that set one key: the bytes before and after are the same lines, ends
// included, but for at most one line replaced and the lines added, which are all the program's
// own (the key's entry, its section's header, a blank line). The only other change allowed is a
// line end after a last line that had none.
inline void CheckKeepsEveryUnownedByte(std::string_view before, std::string_view after,
                                       std::string_view section, const std::string& entry) {
  const auto a = LinesWithEnds(before);
  const auto b = LinesWithEnds(after);
  std::size_t prefix = 0;
  while (prefix < a.size() && prefix < b.size() &&
         (a[prefix] == b[prefix] || (prefix + 1 == a.size() && WithoutEnd(a[prefix]) == a[prefix] &&
                                     WithoutEnd(b[prefix]) == a[prefix]))) {
    ++prefix;
  }
  std::size_t suffix = 0;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix]) {
    ++suffix;
  }
  QUORVANE_FUZZ_CHECK(a.size() - prefix - suffix <= 1);
  const std::string header = "[" + std::string(section) + "]";
  bool entryAdded = false;
  for (std::size_t i = prefix; i < b.size() - suffix; ++i) {
    const std::string_view line = WithoutEnd(b[i]);
    QUORVANE_FUZZ_CHECK(line == entry || line == header || line.empty());
    entryAdded = entryAdded || line == entry;
  }
  QUORVANE_FUZZ_CHECK(entryAdded || after == before);
}

}  // namespace quorvane::fuzz
