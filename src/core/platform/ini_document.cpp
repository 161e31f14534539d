#include "core/platform/ini_document.h"

#include <cstdint>
#include <iterator>

namespace quorvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section name or key
  std::string_view value;  // an entry's text as stored
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// One line as the settings reader has always seen it: ";" outside quotes starts a comment, a
// backslash hides the next character, and the first "=" outside quotes ends the key.
ParsedLine Parse(std::string_view text) {
  text = Trimmed(text);
  if (text.empty() || text.front() == ';') {
    return {};
  }
  bool inQuotes = false;
  std::size_t equals = std::string_view::npos;
  std::size_t end = 0;
  for (; end < text.size(); ++end) {
    const char c = text[end];
    if (c == '\\') {
      ++end;
    } else if (c == '"') {
      inQuotes = !inQuotes;
    } else if (c == '=' && !inQuotes && equals == std::string_view::npos) {
      equals = end;
    } else if (c == ';' && !inQuotes) {
      break;
    }
  }
  text = text.substr(0, end);
  if (text.front() == '[') {
    const std::size_t close = text.find(']');
    const std::size_t length = close == std::string_view::npos ? std::string_view::npos : close - 1;
    return {LineKind::Section, Trimmed(text.substr(1, length)), {}};
  }
  if (equals == std::string_view::npos || equals >= text.size()) {
    return {};
  }
  return {LineKind::Entry, Trimmed(text.substr(0, equals)), text.substr(equals + 1)};
}

// A UTF-16 code unit from a "\x" or octal escape, as UTF-8.
void AppendUnit(std::string& out, std::uint16_t unit) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit >= 0xD800 && unit <= 0xDFFF) {
    out += "\xEF\xBF\xBD";  // half a surrogate pair has no UTF-8 form
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | (unit >> 6));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (unit >> 12));
    out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

char NamedEscape(char c) {
  switch (c) {
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'f':
      return '\f';
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'v':
      return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
      return c;
    default:
      return 0;
  }
}

// The stored text with quotes and escapes resolved; an unquoted comma splits it into a list,
// which is joined again with ",". Blanks around unquoted parts are dropped.
std::string Unescape(std::string_view raw) {
  std::string current;
  std::string joined;
  bool isList = false;
  bool inQuotes = false;
  bool quoted = false;
  bool chopAtEnd = true;
  std::size_t i = 0;
  std::size_t keep = 0;  // blanks before this length are the text's own
  const auto skipBlanks = [&] {
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) {
      ++i;
    }
    keep = current.size();
  };
  const auto chop = [&] {
    while (current.size() > keep && (current.back() == ' ' || current.back() == '\t')) {
      current.pop_back();
    }
  };
  skipBlanks();
  while (i < raw.size()) {
    const char c = raw[i];
    if (c == '\\') {
      if (++i == raw.size()) {
        chopAtEnd = false;
        break;
      }
      const char escaped = raw[i++];
      if (const char named = NamedEscape(escaped)) {
        current += named;
      } else if (escaped == 'x' || (escaped >= '0' && escaped <= '7')) {
        const bool hex = escaped == 'x';
        if (hex && i == raw.size()) {
          chopAtEnd = false;
          break;
        }
        if (hex && HexDigit(raw[i]) < 0) {
          keep = current.size();  // "\x" without digits stands for nothing
          continue;
        }
        std::uint16_t unit = hex ? 0 : static_cast<std::uint16_t>(escaped - '0');
        for (; i < raw.size(); ++i) {
          const int digit = HexDigit(raw[i]);
          if (hex ? digit < 0 : (digit < 0 || digit > 7)) {
            break;
          }
          unit = static_cast<std::uint16_t>((unit << (hex ? 4 : 3)) + digit);
        }
        AppendUnit(current, unit);
      }
      keep = current.size();
    } else if (c == '"') {
      ++i;
      quoted = true;
      inQuotes = !inQuotes;
      if (!inQuotes) {
        skipBlanks();
      }
    } else if (c == ',' && !inQuotes) {
      if (!quoted) {
        chop();
      }
      joined += isList ? "," : "";
      joined += current;
      isList = true;
      current.clear();
      quoted = false;
      ++i;
      skipBlanks();
    } else {
      std::size_t j = i + 1;
      while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') {
        ++j;
      }
      current.append(raw.substr(i, j - i));
      i = j;
    }
  }
  if (!quoted && chopAtEnd) {
    chop();
  }
  return isList ? joined + "," + current : current;
}

bool Wraps(std::string_view text, std::string_view prefix) {
  return text.size() > prefix.size() && text.starts_with(prefix) && text.ends_with(')');
}

// A text beginning with "@" carries a type: "@String(...)" and "@ByteArray(...)" hold text,
// "@Invalid()" means no value, and "@@" stands for a text that begins with "@". Other typed
// values are binary and are returned as stored.
std::optional<std::string> Untyped(std::string text) {
  if (Wraps(text, "@String(")) {
    return text.substr(8, text.size() - 9);
  }
  if (Wraps(text, "@ByteArray(")) {
    return text.substr(11, text.size() - 12);
  }
  if (text == "@Invalid()") {
    return std::nullopt;
  }
  if (text.starts_with("@@")) {
    text.erase(0, 1);
  }
  return text;
}

}  // namespace

IniDocument::IniDocument(std::string_view bytes) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      lines_.push_back({std::string(bytes), {}});
      break;
    }
    const std::size_t length = bytes.substr(end, 2) == "\r\n" ? 2 : 1;
    lines_.push_back({std::string(bytes.substr(0, end)), std::string(bytes.substr(end, length))});
    bytes.remove_prefix(end + length);
  }
}

namespace {

// A line's meaning; a byte-order mark at the start of the file is not part of the first line.
template <typename Lines>
ParsedLine ParseAt(const Lines& lines, std::size_t index) {
  std::string_view text = lines[index].text;
  if (index == 0 && text.starts_with(kByteOrderMark)) {
    text.remove_prefix(kByteOrderMark.size());
  }
  return Parse(text);
}

}  // namespace

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
  std::string_view current;
  std::optional<std::string_view> found;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine line = ParseAt(lines_, i);
    if (line.kind == LineKind::Section) {
      current = line.name;
    } else if (line.kind == LineKind::Entry && current == section && line.name == key) {
      found = line.value;
    }
  }
  if (!found) {
    return std::nullopt;
  }
  return Untyped(Unescape(*found));
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view text) {
  std::string entry = std::string(key) + '=' + EncodeValue(text);
  std::string_view current;
  std::optional<std::size_t> lastEntry;
  std::optional<std::size_t> afterSection;  // where a new entry of the section goes
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const ParsedLine line = ParseAt(lines_, i);
    if (line.kind == LineKind::Section) {
      current = line.name;
      if (current == section) {
        afterSection = i + 1;
      }
    } else if (current == section) {
      if (line.kind == LineKind::Entry && line.name == key) {
        lastEntry = i;
      }
      if (!Trimmed(lines_[i].text).empty()) {
        afterSection = i + 1;
      }
    }
  }
  if (lastEntry) {
    lines_[*lastEntry].text = std::move(entry);
    return;
  }
  std::string newline = "\n";
  for (const Line& line : lines_) {
    if (!line.terminator.empty()) {
      newline = line.terminator;
      break;
    }
  }
  const std::size_t at = afterSection.value_or(lines_.size());
  // New lines end as the line before them does: a different end could join with a neighbour's
  // ("\r" then "\n") and swallow a line.
  if (at > 0 && lines_[at - 1].terminator.empty()) {
    lines_[at - 1].terminator = newline;
  }
  const std::string end = at > 0 ? lines_[at - 1].terminator : newline;
  std::vector<Line> added;
  if (!afterSection) {
    if (!lines_.empty() && !Trimmed(lines_.back().text).empty()) {
      added.push_back({{}, end});  // a blank line between sections
    }
    added.push_back({'[' + std::string(section) + ']', end});
  }
  added.push_back({std::move(entry), end});
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

std::string IniDocument::Bytes() const {
  std::string bytes;
  for (const Line& line : lines_) {
    bytes += line.text;
    bytes += line.terminator;
  }
  return bytes;
}

std::string IniDocument::EncodeValue(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const std::string typed = text.starts_with('@') ? '@' + std::string(text) : std::string(text);
  std::string out;
  bool needsQuotes = false;
  bool hexFollows = false;  // a hex digit after a numeric escape would extend it
  const auto appendHex = [&out](unsigned char c) {
    out += "\\x";
    if (c >= 16) {
      out += kHex[c >> 4];
    }
    out += kHex[c & 15];
  };
  for (const char c : typed) {
    const auto byte = static_cast<unsigned char>(c);
    needsQuotes = needsQuotes || c == ';' || c == ',' || c == '=';
    if (hexFollows && HexDigit(c) >= 0) {
      appendHex(byte);
      continue;
    }
    hexFollows = false;
    switch (c) {
      case '\0':
        out += "\\0";
        hexFollows = true;
        break;
      case '\a':
        out += "\\a";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\v':
        out += "\\v";
        break;
      case '"':
      case '\\':
        out += '\\';
        out += c;
        break;
      default:
        if (byte <= 0x1F) {
          appendHex(byte);
          hexFollows = true;
        } else {
          out += c;
        }
    }
  }
  if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) {
    out = '"' + out + '"';
  }
  return out;
}

}  // namespace quorvane
