// Turning the command line into the mode to start and, for the preview, the host window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum class StartMode { None, FullScreen, Settings, Preview };

struct StartDecision {
  StartMode mode = StartMode::None;
  std::int32_t parentHandle = 0;  // the preview's host window
  bool handleOverflow = false;    // the handle did not fit a signed 32-bit integer
};

// The arguments after the program's path, joined by single blanks.
std::string ArgumentText(const std::vector<std::string>& arguments);

// The first two characters of the argument text ("/c" when it is empty), in lower case.
std::string ModeSelector(std::string_view argumentText);

// The preview's pane: the number after "/p:" as the Windows host writes it, else after the first
// blank, else at the start of the whole text; decimal, or hexadecimal after "0x" as X shows window
// ids. No handle at all, or 0, leaves the preview without a pane; a negative handle or text that
// is no number names no window, and the start ends at once (mode None).
StartDecision ReadPreviewHandle(std::string_view argumentText);

// A window id given on its own, as hosts pass it: the whole text is a decimal number or "0x" and
// hexadecimal digits, neither 0 nor beyond 32 bits; nothing otherwise.
std::optional<std::uint32_t> ReadWindowId(std::string_view text);

// Which window to show for the argument text.
StartDecision DecideStart(std::string_view argumentText);

// The window the Windows host names in "/c:1234" as the settings dialog's owner; 0 when the text
// names none.
std::int32_t DialogOwnerHandle(std::string_view argumentText);

}  // namespace quorvane
