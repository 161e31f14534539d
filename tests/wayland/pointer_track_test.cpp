// The pointer position the saver's mouse check sees on Wayland, from motion on its surfaces.
#include "wayland/platform/pointer_track.h"

#include <gtest/gtest.h>

namespace quorvane::wayland {
namespace {

TEST(PointerTrackTest, AddsUpMotionOnEachSurfaceButNotTheStepOntoOne) {
  PointerTrack track;
  track.Motion(500, 500);  // before any enter: not the pointer's
  EXPECT_EQ(track.Position().x, 0);
  track.Enter(100, 100);
  track.Motion(106, 108);
  EXPECT_EQ(track.Position().x, 6);
  EXPECT_EQ(track.Position().y, 8);
  // Onto another output's surface, whose coordinates start anew: no jump.
  track.Leave();
  track.Motion(900, 900);
  track.Enter(0, 108);
  EXPECT_EQ(track.Position().x, 6);
  track.Motion(2.5, 108);
  EXPECT_EQ(track.Position().x, 9);  // 8.5, rounded away from zero
  EXPECT_EQ(track.Position().y, 8);
}

}  // namespace
}  // namespace quorvane::wayland
