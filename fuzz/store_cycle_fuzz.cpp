// The settings store's whole cycle on a real file: any bytes as the file, read as a start reads
// them, one of the program's keys set as the dialog sets it, saved, and read back from the disk.
// Every save of a file the store could read succeeds, keeps every byte it does not own, and the
// key reads back as the text given.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "core/platform/ini_document.h"
#include "ini_lines.h"
#include "qt/platform/store_file.h"

namespace {

std::string folder;

void RemoveFolder() {
  ::rmdir(folder.c_str());
}

// A folder of this process's own, in memory where there is one, removed at exit; the copies of
// a save go beside the file.
std::string StorePath() {
  if (folder.empty()) {
    folder = (::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
             std::string("/quorvane-store-fuzz-XXXXXX");
    QUORVANE_FUZZ_CHECK(::mkdtemp(folder.data()) != nullptr);
    std::atexit(RemoveFolder);
  }
  return folder + "/Quorvane.ini";
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The first byte picks the key and the length of the text to set; the rest is the file.
  constexpr std::string_view kKeys[][2] = {{"Config", "CenterId"},
                                           {"Config", "Zoom"},
                                           {"Config", "Orbit"},
                                           {"UpdateInfo", "CurrentVersion"}};
  const std::uint8_t pick = size == 0 ? 0 : data[0];
  const auto& [section, key] = kKeys[pick % 4];
  const std::size_t textSize = size == 0 ? 0 : std::min<std::size_t>(pick / 4 % 24, size - 1);
  const std::string text(input.substr(std::min<std::size_t>(1, size), textSize));
  const std::string before(input.substr(std::min(size, 1 + textSize)));

  const std::string path = StorePath();
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(before.data(), static_cast<std::streamsize>(before.size()));
  }
  const StoreContents loaded = ReadStoreFile(path);
  QUORVANE_FUZZ_CHECK(loaded.state == StoreState::Read && loaded.bytes == before);

  IniDocument saved;
  const SaveResult result =
      MergeIntoStoreFile(path, {{std::string(section), std::string(key), text}}, saved);
  QUORVANE_FUZZ_CHECK(result == SaveResult::Saved);
  const std::string after = Contents(path);
  QUORVANE_FUZZ_CHECK(saved.Bytes() == after);
  fuzz::CheckKeepsEveryUnownedByte(before, after, section,
                                   std::string(key) + "=" + IniDocument::EncodeValue(text));
  QUORVANE_FUZZ_CHECK(IniDocument(ReadStoreFile(path).bytes).Value(section, key) == text);
  std::remove(path.c_str());
  return 0;
}
