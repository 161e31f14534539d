#include "core/platform/raster/change_tracker.h"

#include <algorithm>
#include <bit>
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

// Comparing a word at a time, whole words are handled in a few operations rather than a branch per
// pixel, which cold predictors mostly miss. A one in the lowest bit of each nonzero byte of
// `unequal`, nothing elsewhere: adding 0x7F to each byte's low seven bits carries into its high
// bit unless they are all zero, and no further.
std::uint64_t DifferingBytes(std::uint64_t unequal) {
  constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  return ((((unequal & kLow7) + kLow7) | unequal) & ~kLow7) >> 7;
}

// The ones of DifferingBytes as bit i for byte i in memory, whichever the byte order: the product
// lands each on its own bit of the top byte, with no carries.
unsigned Gathered(std::uint64_t ones) {
  constexpr std::uint64_t kGather = std::endian::native == std::endian::little
                                        ? 0x0102040810204080ULL   // bit 8i to bit 56 + i
                                        : 0x8040201008040201ULL;  // bit 56 - 8i to bit 56 + i
  return static_cast<unsigned>((ones * kGather) >> 56);
}

// How many ones DifferingBytes found: the product sums all bytes into the top one.
int Counted(std::uint64_t ones) {
  return static_cast<int>((ones * 0x0101010101010101ULL) >> 56);
}

// `mask` with each gap of at most kRowGap clear bits between two set ones filled, so that a word
// has few segments to walk: bit i is filled when bits i - a and i + b are set, a + b - 1 <=
// kRowGap.
unsigned JoinGaps(unsigned mask) {
  unsigned joined = mask;
  for (int a = 1; a <= kRowGap; ++a) {
    for (int b = 1; a + b - 1 <= kRowGap; ++b) {
      joined |= (mask << a) & (mask >> b);
    }
  }
  return joined;
}

}  // namespace

ChangeTracker::ChangeTracker(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      budget_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) / 4),
      rows_(static_cast<std::size_t>(height_)),
      original_(static_cast<std::size_t>(width_), 0) {
  changes_.reserve(kStretches);
  before_.reserve(std::min(kLoggedBytes, budget_ + 1));
  touched_.reserve(static_cast<std::size_t>(height_));
  runs_.reserve(kStretches);
  above_.reserve(kStretches / 4);
  open_.reserve(kStretches / 4);
  taken_.reserve(kStretches);
}

void ChangeTracker::WillChange(int row, int left, int right, const std::uint8_t* before) {
  if (everything_) {
    return;
  }
  RowLog& log = rows_[static_cast<std::size_t>(row)];
  if (log.latest < 0) {
    touched_.push_back(row);
    log.low = left;
    log.high = right;
  } else {
    log.low = std::min(log.low, left);
    log.high = std::max(log.high, right);
  }
  changes_.push_back({left, right, before_.size(), log.latest});
  log.latest = static_cast<int>(changes_.size() - 1);
  before_.insert(before_.end(), before, before + (right - left + 1));
  // A log as large as a quarter of the canvas is not worth comparing: all of it is sent.
  if (before_.size() > budget_) {
    ChangeAll();
  }
}

void ChangeTracker::ChangeAll() {
  everything_ = true;
  for (const int row : touched_) {
    rows_[static_cast<std::size_t>(row)].latest = -1;
  }
  touched_.clear();
  changes_.clear();
  before_.clear();
}

const std::vector<PixelRect>& ChangeTracker::Take(const std::uint8_t* pixels) {
  taken_.clear();
  runs_.clear();
  changedPixels_ = 0;
  if (everything_) {
    everything_ = false;
    changedPixels_ = static_cast<long long>(width_) * height_;
    if (width_ > 0 && height_ > 0) {
      taken_.push_back({0, 0, width_, height_});
    }
  } else {
    std::sort(touched_.begin(), touched_.end());
    for (const int row : touched_) {
      DiffRow(row, pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_));
    }
    touched_.clear();
    Gather();
  }
  changes_.clear();
  before_.clear();
  return taken_;
}

void ChangeTracker::DiffRow(int row, const std::uint8_t* line) {
  RowLog& log = rows_[static_cast<std::size_t>(row)];
  const int low = log.low;
  const int high = log.high;
  // The row as last taken: as it is now where nothing was logged, and each logged pixel as its
  // earliest change found it, so the changes are laid from the latest to the earliest.
  std::uint8_t* original = original_.data();
  std::memcpy(original + low, line + low, static_cast<std::size_t>(high - low + 1));
  for (int i = log.latest; i >= 0;) {
    const Change& change = changes_[static_cast<std::size_t>(i)];
    std::memcpy(original + change.left, before_.data() + change.offset,
                static_cast<std::size_t>(change.right - change.left + 1));
    i = change.earlier;
  }
  log.latest = -1;
  int runLeft = 0;
  int runRight = -1;
  // Adds the `count` differing pixels x + i, for each bit i of `mask`, walking its segments rather
  // than its pixels: a segment joins the open run across at most kRowGap unchanged pixels.
  const auto differs = [&](int x, unsigned mask, int count) {
    changedPixels_ += count;
    for (unsigned rest = JoinGaps(mask); rest != 0;) {
      const int first = std::countr_zero(rest);
      const int length = std::countr_one(rest >> first);
      if (runRight < runLeft) {
        runLeft = x + first;
      } else if (x + first - runRight - 1 > kRowGap) {
        runs_.push_back({runLeft, row, runRight - runLeft + 1, 1});
        runLeft = x + first;
      }
      runRight = x + first + length - 1;
      rest &= ~0u << (first + length);
    }
  };
  int x = low;
  // Eight pixels at a time: equal ones are passed over at once.
  for (; x + 7 <= high; x += 8) {
    std::uint64_t was = 0;
    std::uint64_t now = 0;
    std::memcpy(&was, original + x, sizeof was);
    std::memcpy(&now, line + x, sizeof now);
    if (was != now) {
      const std::uint64_t ones = DifferingBytes(was ^ now);
      differs(x, Gathered(ones), Counted(ones));
    }
  }
  // The last few, without a branch per pixel.
  if (x <= high) {
    unsigned mask = 0;
    int count = 0;
    for (int i = 0; x + i <= high; ++i) {
      const bool differ = original[x + i] != line[x + i];
      mask |= static_cast<unsigned>(differ) << i;
      count += differ;
    }
    differs(x, mask, count);
  }
  if (runRight >= runLeft) {
    runs_.push_back({runLeft, row, runRight - runLeft + 1, 1});
  }
}

void ChangeTracker::Gather() {
  // Rectangles that ended on the row above the runs being placed, which the runs may extend
  // (those extended are marked with no changed pixels and passed over), and those ending on the
  // runs' row. Rectangles that end further up can grow no more.
  above_.clear();
  open_.clear();
  int row = -2;
  std::size_t first = 0;  // above_ before it is all extended
  for (const PixelRect& run : runs_) {
    if (run.top != row) {
      for (const Growing& growing : above_) {
        if (growing.changed > 0) {
          taken_.push_back(growing.rect);
        }
      }
      above_.clear();
      if (run.top == row + 1) {
        above_.swap(open_);
      } else {
        for (const Growing& growing : open_) {
          taken_.push_back(growing.rect);
        }
        open_.clear();
      }
      row = run.top;
      first = 0;
    }
    while (first < above_.size() && above_[first].changed == 0) {
      ++first;
    }
    // Plain arithmetic, none of these being empty: this test is most of the gathering's cost.
    const int runEnd = run.left + run.width;
    const long long runArea = run.Area();
    const auto fits = [&run, runEnd, runArea](const Growing& growing) {
      if (growing.changed == 0) {
        return false;
      }
      const PixelRect& rect = growing.rect;
      const long long width =
          std::max(runEnd, rect.left + rect.width) - std::min(run.left, rect.left);
      const long long height = run.top + run.height - rect.top;
      return 4 * width * height <= 5 * (growing.changed + runArea) + 4 * kSlack;
    };
    const auto found =
        std::find_if(above_.begin() + static_cast<std::ptrdiff_t>(first), above_.end(), fits);
    if (found == above_.end()) {
      open_.push_back({run, run.Area()});
    } else {
      open_.push_back({PixelRect::United(found->rect, run), found->changed + run.Area()});
      found->changed = 0;
    }
  }
  for (const std::vector<Growing>* rects : {&above_, &open_}) {
    for (const Growing& growing : *rects) {
      if (growing.changed > 0) {
        taken_.push_back(growing.rect);
      }
    }
  }
}

}  // namespace quorvane
