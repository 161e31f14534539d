#include "core/platform/raster/change_tracker.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

// Unchanged pixels between two changed ones on a row that are sent rather than split around.
constexpr int kRowGap = 2;
// Each rectangle costs the window about as much as a few dozen pixels: a rectangle is extended
// downwards while it sends at most a quarter more than what changed, plus this many pixels.
constexpr long long kSlack = 4;
// Room reserved up front for a busy frame's log, so that frames rarely grow the buffers: changed
// stretches (and runs and rectangles) and the bytes they held. About 350 KB.
constexpr std::size_t kStretches = 4096;
constexpr std::size_t kLoggedBytes = 64 * 1024;

}  // namespace

ChangeTracker::ChangeTracker(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      budget_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) / 4),
      original_(static_cast<std::size_t>(width_), 0) {
  changes_.reserve(kStretches);
  before_.reserve(std::min(kLoggedBytes, budget_ + 1));
  order_.reserve(kStretches);
  runs_.reserve(kStretches);
  open_.reserve(kStretches / 4);
  taken_.reserve(kStretches);
}

void ChangeTracker::WillChange(int row, int left, int right, const std::uint8_t* before) {
  if (everything_) {
    return;
  }
  changes_.push_back({row, left, right, before_.size()});
  before_.insert(before_.end(), before, before + (right - left + 1));
  // A log as large as a quarter of the canvas is not worth comparing: all of it is sent.
  if (before_.size() > budget_) {
    ChangeAll();
  }
}

void ChangeTracker::ChangeAll() {
  everything_ = true;
  changes_.clear();
  before_.clear();
}

const std::vector<PixelRect>& ChangeTracker::Take(const std::uint8_t* pixels) {
  taken_.clear();
  runs_.clear();
  if (everything_) {
    everything_ = false;
    if (width_ > 0 && height_ > 0) {
      taken_.push_back({0, 0, width_, height_});
    }
  } else {
    // Row by row, each row's changes in drawing order: the first change of a pixel holds what it
    // showed when last taken.
    order_.clear();
    for (std::size_t i = 0; i < changes_.size(); ++i) {
      order_.push_back(static_cast<std::uint64_t>(changes_[i].row) << 32 | i);
    }
    std::sort(order_.begin(), order_.end());
    for (std::size_t first = 0; first < order_.size();) {
      const int row = changes_[order_[first] & 0xFFFFFFFFu].row;
      std::size_t last = first + 1;
      while (last < order_.size() && changes_[order_[last] & 0xFFFFFFFFu].row == row) {
        ++last;
      }
      DiffRow(pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_), first,
              last);
      first = last;
    }
    Gather();
  }
  changes_.clear();
  before_.clear();
  return taken_;
}

void ChangeTracker::DiffRow(const std::uint8_t* line, std::size_t first, std::size_t last) {
  int low = width_;
  int high = -1;
  for (std::size_t i = first; i < last; ++i) {
    const Change& change = changes_[order_[i] & 0xFFFFFFFFu];
    low = std::min(low, change.left);
    high = std::max(high, change.right);
  }
  const int row = changes_[order_[first] & 0xFFFFFFFFu].row;
  // The row as last taken: as it is now where nothing was logged, and each logged pixel as its
  // earliest change found it, so the changes are laid in reverse drawing order.
  std::uint8_t* original = original_.data();
  std::memcpy(original + low, line + low, static_cast<std::size_t>(high - low + 1));
  for (std::size_t i = last; i-- > first;) {
    const Change& change = changes_[order_[i] & 0xFFFFFFFFu];
    std::memcpy(original + change.left, before_.data() + change.offset,
                static_cast<std::size_t>(change.right - change.left + 1));
  }
  int runLeft = 0;
  int runRight = -1;
  for (int x = low; x <= high; ++x) {
    // Equal stretches are passed eight bytes at a time.
    for (std::uint64_t was = 0, now = 0; x + 7 <= high; x += 8) {
      std::memcpy(&was, original + x, sizeof was);
      std::memcpy(&now, line + x, sizeof now);
      if (was != now) {
        break;
      }
    }
    if (x > high || original[x] == line[x]) {
      continue;
    }
    if (runRight >= runLeft && x - runRight - 1 > kRowGap) {
      runs_.push_back({runLeft, row, runRight - runLeft + 1, 1});
      runLeft = x;
    } else if (runRight < runLeft) {
      runLeft = x;
    }
    runRight = x;
  }
  if (runRight >= runLeft) {
    runs_.push_back({runLeft, row, runRight - runLeft + 1, 1});
  }
}

void ChangeTracker::Gather() {
  open_.clear();
  for (const PixelRect& run : runs_) {
    for (std::size_t i = 0; i < open_.size();) {
      if (open_[i].rect.Bottom() < run.top - 1) {
        taken_.push_back(open_[i].rect);
        open_[i] = open_.back();
        open_.pop_back();
      } else {
        ++i;
      }
    }
    const auto fits = [&run](const Growing& growing) {
      if (growing.rect.Bottom() != run.top - 1) {
        return false;
      }
      const long long area = PixelRect::United(growing.rect, run).Area();
      return 4 * area <= 5 * (growing.changed + run.Area()) + 4 * kSlack;
    };
    const auto found = std::find_if(open_.begin(), open_.end(), fits);
    if (found == open_.end()) {
      open_.push_back({run, run.Area()});
    } else {
      found->rect = PixelRect::United(found->rect, run);
      found->changed += run.Area();
    }
  }
  for (const Growing& growing : open_) {
    taken_.push_back(growing.rect);
  }
}

}  // namespace quorvane
