// Reading and replacing the settings file with POSIX calls. A read gives the whole file or says it
// could not; a replacement puts nothing less than the whole new file in place, and removes the
// copies that saves killed before their rename left behind.
// Limits: only a regular file is read; a file larger than kMaxStoreReadBytes is not read at all.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/platform/ini_document.h"
#include "core/platform/settings_store.h"

namespace quorvane {

// Far above any file the program writes; a larger one is read but not ours to rewrite.
inline constexpr std::int64_t kMaxStoreBytes = 1 << 20;
// Beyond this even reading the program's own keys costs more than they are worth.
inline constexpr std::int64_t kMaxStoreReadBytes = std::int64_t{64} << 20;

enum class StoreState {
  Missing,
  Read,
  // Read whole, but larger than kMaxStoreBytes (the bytes are empty past kMaxStoreReadBytes).
  TooLarge,
  // Not a regular file, or not read to its end.
  Unusable,
};

struct StoreContents {
  StoreState state = StoreState::Unusable;
  std::string bytes;
};

// Never blocks on a FIFO or device in the file's place.
StoreContents ReadStoreFile(const std::string& path);

// Writes a copy beside the file, forces it to disk, renames it over the file and forces the
// folder too. The file's permissions are kept; a symbolic link is followed, not replaced. False,
// with the old file untouched, when any step before the rename fails. Call with the store's lock
// held: copies of earlier saves are then known to be dead, and are removed by their name.
bool ReplaceStoreFile(const std::string& path, const std::string& bytes);

// Section, key and text of one value set.
using StoreChange = std::tuple<std::string, std::string, std::string>;

// A save's work under the lock: sets the changes in the file as it is now (another process may
// have saved since this one read it, and its values stay) and replaces the file when its bytes
// change. On success `saved` holds the document now on disk.
SaveResult MergeIntoStoreFile(const std::string& path, const std::vector<StoreChange>& changes,
                              IniDocument& saved);

}  // namespace quorvane
