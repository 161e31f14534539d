// Saves [Config] Zoom in the given settings file, as the settings dialog does; exits 0 only when
// the store reports the save done, else with the number of the failure it reports (1 not
// writable, 2 unreadable, 3 too large, 4 busy, 5 no home). With --loop, saves 1, 2, 3 ... until
// killed. The file "-" is the user's own.
#include <cstdio>
#include <string>

#include "qt/platform/ini_settings_store.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: save_driver <file> <zoom> [--loop]\n");
    return 2;
  }
  const std::string file = argv[1];
  auto store = file == "-" ? quorvane::IniSettingsStore()
                           : quorvane::IniSettingsStore(QString::fromLocal8Bit(argv[1]));
  if (argc > 3 && std::string(argv[3]) == "--loop") {
    for (long i = 1;; ++i) {
      store.WriteSetting("Config", "Zoom", std::to_string(i));
      store.Sync();
    }
  }
  store.WriteSetting("Config", "Zoom", argv[2]);
  return static_cast<int>(store.Sync());
}
