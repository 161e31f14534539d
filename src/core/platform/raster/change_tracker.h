// What changed on the canvas since the window last took it, as rectangles to send.
//
// The canvas reports each stretch of a row it is about to overwrite, with the bytes it held; a
// take compares those first bytes with the rows as they are now, so a pixel drawn over and back
// within one frame (a disc erased and redrawn in place) counts as unchanged. The rows' runs are
// stacked into rectangles that send little beyond the changed pixels. Buffers are kept between
// takes: once a few frames have sized them, tracking allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/platform/pixel_rect.h"

namespace quorvane {

class ChangeTracker {
 public:
  // For a canvas of width x height pixels; everything counts as changed until the first take.
  ChangeTracker(int width, int height);

  // Columns left..right of `row` are about to change; `before` holds what they show now.
  void WillChange(int row, int left, int right, const std::uint8_t* before);
  // The whole canvas is to be sent; nothing is logged until it is taken.
  void ChangeAll();
  bool ChangesAll() const { return everything_; }

  // The rectangles holding every pixel of `pixels` (width x height, rows top to bottom) that
  // differs from what it showed at the last take; they may overlap. Valid until the next take.
  const std::vector<PixelRect>& Take(const std::uint8_t* pixels);
  // How many pixels differed at the last take: all of them when all were sent.
  long long ChangedPixels() const { return changedPixels_; }

 private:
  // A changed stretch of one row; its earlier bytes sit in before_ from `offset` on. The changes
  // of a row are chained from the latest to the earliest.
  struct Change {
    int left;
    int right;
    std::size_t offset;
    int earlier;  // index in changes_, or -1
  };
  // A row's logged changes: the latest, and the columns they span.
  struct RowLog {
    int latest = -1;
    int low = 0;
    int high = -1;
  };
  struct Growing {
    PixelRect rect;
    long long changed = 0;
  };

  // Appends to runs_ the changed runs of one row, now `line`, and forgets its log.
  void DiffRow(int row, const std::uint8_t* line);
  // Stacks runs_ (sorted by row, then column) into taken_.
  void Gather();

  int width_;
  int height_;
  std::size_t budget_;  // logged bytes beyond which all of the canvas is sent instead
  bool everything_ = true;
  long long changedPixels_ = 0;
  std::vector<Change> changes_;         // since the last take, in drawing order
  std::vector<std::uint8_t> before_;    // the changed pixels' bytes before each change
  std::vector<RowLog> rows_;            // per row of the canvas
  std::vector<int> touched_;            // the rows with a log
  std::vector<std::uint8_t> original_;  // the row being compared as it was at the last take
  std::vector<PixelRect> runs_;
  std::vector<Growing> above_;
  std::vector<Growing> open_;
  std::vector<PixelRect> taken_;
};

}  // namespace quorvane
