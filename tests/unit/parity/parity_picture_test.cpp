#include "parity/parity_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace quorvane::parity {
namespace {

// Every byte a solid box `advance` pixels wide, thin in a taller line, so a label's erased box
// reaches past its glyphs: two such sources stand for two systems' fonts.
class BoxGlyphs : public GlyphSource {
 public:
  explicit BoxGlyphs(int advance) : advance_(advance) {}
  GlyphMask Render(std::string_view text) override {
    const int width = advance_ * static_cast<int>(text.size());
    return {0,    6, width, 4, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * 4, 255),
            width};
  }
  int LineHeight() const override { return 14; }

 private:
  int advance_;
};

GlyphFactory Boxes(int advance) {
  return [advance](const ScreenMetrics&) { return std::make_unique<BoxGlyphs>(advance); };
}

// The boxes noted while drawing hold every pixel that other glyphs change: narrower and wider
// text moves nothing else, although labels are erased with boxes of the text's width.
TEST(ParityPicture, OtherGlyphsChangeNothingOutsideTheNotedTextBoxes) {
  for (const ParityCase& parityCase : Cases()) {
    const Picture narrow = Draw(parityCase, Boxes(5));
    const Picture wide = Draw(parityCase, Boxes(11));
    ASSERT_EQ(narrow.width, wide.width);
    ASSERT_EQ(narrow.height, wide.height);
    const Difference difference = Compare(narrow, wide);
    EXPECT_EQ(difference.outsideText, 0)
        << parityCase.name << " at " << difference.firstX << "," << difference.firstY;
    if (!parityCase.preview) {
      EXPECT_GT(difference.insideText, 0) << parityCase.name;
      // The boxes stay near the text: well under a fifth of the picture.
      EXPECT_LT(difference.textArea * 5, static_cast<long long>(narrow.pixels.size()));
    }
  }
}

TEST(ParityPicture, CompareCountsInsideAndOutsideBothPicturesBoxes) {
  Picture a;
  a.width = 8;
  a.height = 6;
  a.pixels.assign(48, kBlack);
  Picture b = a;
  a.textBoxes = {{1, 1, 2, 2}};
  b.textBoxes = {{5, 3, 3, 5}};  // reaches past the bottom: only 3 x 3 inside
  b.pixels[1 * 8 + 2] = kWhite;  // in a's box
  b.pixels[4 * 8 + 6] = kWhite;  // in b's box
  b.pixels[5 * 8 + 0] = kWhite;  // in none
  b.pixels[5 * 8 + 1] = kWhite;
  const Difference difference = Compare(a, b);
  EXPECT_EQ(difference.insideText, 2);
  EXPECT_EQ(difference.outsideText, 2);
  EXPECT_EQ(difference.textArea, 4 + 9);
  EXPECT_EQ(difference.firstX, 0);
  EXPECT_EQ(difference.firstY, 5);
}

TEST(ParityPicture, WrittenPicturesReadBackWholeAndCutOnesNot) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "parity_test";
  std::filesystem::create_directories(folder);
  Picture picture;
  picture.width = 3;
  picture.height = 2;
  picture.pixels = {0x000070FF, 0x00C06000, 0x404040, 0x00400000, kWhite, kBlack};
  picture.textBoxes = {{-2, 1, 4, 3}, {0, 0, 1, 1}};
  const std::string stem = (folder / "picture").string();
  ASSERT_TRUE(Write(picture, stem));
  const std::optional<Picture> read = Read(stem);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->width, 3);
  EXPECT_EQ(read->height, 2);
  EXPECT_EQ(read->pixels, picture.pixels);
  ASSERT_EQ(read->textBoxes.size(), 2U);
  EXPECT_EQ(read->textBoxes[0].left, -2);
  EXPECT_EQ(read->textBoxes[0].height, 3);

  std::filesystem::resize_file(stem + ".ppm", std::filesystem::file_size(stem + ".ppm") - 1);
  EXPECT_FALSE(Read(stem));
  std::ofstream(stem + ".ppm") << "P6\n3 2\n255\n" << std::string(18, 'x');
  std::ofstream(stem + ".boxes") << "1 2 three 4\n";
  EXPECT_FALSE(Read(stem));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quorvane::parity
