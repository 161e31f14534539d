// Placeholder until the full-screen window is built: says so and fails.
#include "orrery/show_frm_main.h"

#include <cstdio>
#include <cstdlib>

namespace quorvane {

void ShowFrmMain(ModPublic&) {
  std::fputs("quorvane: the full-screen window is not part of this build yet\n", stderr);
  std::exit(1);
}

}  // namespace quorvane
