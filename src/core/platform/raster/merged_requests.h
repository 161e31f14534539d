// Joins the rectangles a window is about to send into fewer, larger ones. Each request to a
// display server costs about as much as some hundreds of pixels, while the change tracker cuts
// its rectangles close around the changed pixels; near rectangles (a moving label's old and new
// ink, the two edges of a disc moved a little) are cheaper sent as one.
#pragma once

#include <vector>

#include "core/platform/pixel_rect.h"

namespace quorvane {

// Replaces pairs of `rects` by their bounding rectangle where that adds fewer than `requestPixels`
// pixels to the two, the cheapest joins first, and only while the area of all of them stays
// within `mostPixels` (a join of overlapping rectangles that sends no more is always made). Works
// in place and allocates nothing; every pixel of the rectangles stays covered. Rectangles are
// joined only with those a few places before them in the list, which keeps the cost linear. None
// may be empty.
void MergeRequests(std::vector<PixelRect>& rects, long long requestPixels, long long mostPixels);

}  // namespace quorvane
