// The interface languages and the one rule that picks a text by language: Japanese for 1, English
// for every other value.
#pragma once

#include <cstdint>

namespace quorvane {

inline constexpr std::int16_t kJapanese = 1;
inline constexpr std::int16_t kEnglish = 2;

template <typename Text>
constexpr const Text& ByLanguage(int language, const Text& japanese, const Text& english) {
  return language == kJapanese ? japanese : english;
}

}  // namespace quorvane
