// The text of an INI settings file as lines: values read the way the file has always been
// written (quoted strings, backslash escapes, comma lists, "@" forms), and values set by
// replacing or adding one line, so every byte the program does not own stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class IniDocument {
 public:
  explicit IniDocument(std::string_view bytes = {});

  // The decoded text of the key's last entry in the section, or nothing when there is none.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // Replaces the key's last entry, or adds it to the section's last header (or a new section at
  // the end). Section and key are plain names: letters, digits and "_".
  void SetValue(std::string_view section, std::string_view key, std::string_view text);
  // The file's bytes: those read, with only the lines SetValue wrote changed or added.
  std::string Bytes() const;

  // A value in the quoted and escaped form the file keeps it in.
  static std::string EncodeValue(std::string_view text);

 private:
  struct Line {
    std::string text;        // without its line end
    std::string terminator;  // "\n", "\r\n", "\r", or nothing on the file's last line
  };
  std::vector<Line> lines_;
};

}  // namespace quorvane
