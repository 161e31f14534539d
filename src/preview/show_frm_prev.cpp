// Placeholder until :int32_t):the preview is built: says so and fails.
#include "preview/show_frm_prev.h"

#include <cstdio>
#include <cstdlib>

namespace quorvane {

void ShowFrmPrev(ModPublic&, std::int32_t) {
  std::fputs("quorvane: :int32_t):the preview is not part of this build yet\n", stderr);
  std::exit(1);
}

}  // namespace quorvane
