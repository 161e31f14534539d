#include "parity/parity_picture.h"

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string_view>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/still_host.h"
#include "core/platform/canvas.h"
#include "core/platform/pixel_canvas.h"
#include "core/preview/preview_scene.h"
#include "core/startup/language.h"
#include "core/startup/start_up.h"

namespace quorvane::parity {

namespace {

Settings WithOrbits(std::int16_t language) {
  Settings settings;
  settings.Language = language;
  settings.Orbit = -1;
  return settings;
}

Settings LargeJupiter() {
  Settings settings;
  settings.CenterId = 5;
  settings.Zoom = 50;
  return settings;
}

// The mask bounds of every text the canvas laid out, by text: where its glyphs go relative to the
// text's corner.
using MaskBounds = std::map<std::string, PixelRect, std::less<>>;

// The front end's glyphs, noting the bounds of each mask they give the canvas.
class NotingGlyphs final : public GlyphSource {
 public:
  NotingGlyphs(std::unique_ptr<GlyphSource> glyphs, MaskBounds& bounds)
      : glyphs_(std::move(glyphs)), bounds_(bounds) {}

  GlyphMask Render(std::string_view text) override {
    GlyphMask mask = glyphs_->Render(text);
    bounds_[std::string(text)] = {mask.left, mask.top, mask.width, mask.height};
    return mask;
  }
  int LineHeight() const override { return glyphs_->LineHeight(); }

 private:
  std::unique_ptr<GlyphSource> glyphs_;
  MaskBounds& bounds_;
};

// The canvas, noting the pixel boxes text may touch: each text's glyph mask where it is drawn and
// each box drawn with Line, which the scene uses only to erase a label.
class TextBoxCanvas final : public Canvas {
 public:
  TextBoxCanvas(PixelCanvas& canvas, float twipsPerPixel, const MaskBounds& bounds,
                std::vector<PixelRect>& boxes)
      : canvas_(canvas), twipsPerPixel_(twipsPerPixel), bounds_(bounds), boxes_(boxes) {}

  void Circle(float x, float y, float radius, Color color) override {
    canvas_.Circle(x, y, radius, color);
  }
  void Line(float x1, float y1, float x2, float y2, Color color) override {
    canvas_.Line(x1, y1, x2, y2, color);
    const int left = Pixel(std::min(x1, x2));
    const int top = Pixel(std::min(y1, y2));
    boxes_.push_back(
        PixelRect::FromCorners(left, top, Pixel(std::max(x1, x2)), Pixel(std::max(y1, y2))));
  }
  float TextWidth(std::string_view text) override { return canvas_.TextWidth(text); }
  float TextHeight(std::string_view text) override { return canvas_.TextHeight(text); }
  void Clear() override { canvas_.Clear(); }

  void SetForeColor(Color color) override {
    Canvas::SetForeColor(color);
    canvas_.SetForeColor(color);
  }
  void SetFillColor(Color color) override {
    Canvas::SetFillColor(color);
    canvas_.SetFillColor(color);
  }
  void SetFillStyle(std::int16_t style) override {
    Canvas::SetFillStyle(style);
    canvas_.SetFillStyle(style);
  }
  void SetDrawStyle(std::int16_t style) override {
    Canvas::SetDrawStyle(style);
    canvas_.SetDrawStyle(style);
  }

 protected:
  void DrawText(float x, float y, std::string_view text) override {
    canvas_.SetCurrentX(x);
    canvas_.SetCurrentY(y);
    canvas_.Print(text);
    const auto mask = bounds_.find(text);
    if (mask != bounds_.end()) {
      boxes_.push_back(mask->second.Translated(Pixel(x), Pixel(y)));
    }
  }

 private:
  // The pixel a twip position falls in, as the canvas rounds it.
  int Pixel(float twips) const {
    return static_cast<int>(std::floor(static_cast<double>(twips) / twipsPerPixel_ + 0.5));
  }

  PixelCanvas& canvas_;
  float twipsPerPixel_;
  const MaskBounds& bounds_;
  std::vector<PixelRect>& boxes_;
};

Picture Colours(const PixelCanvas& canvas) {
  Picture picture;
  picture.width = canvas.Width();
  picture.height = canvas.Height();
  picture.pixels.reserve(static_cast<std::size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      picture.pixels.push_back(canvas.PixelColor(x, y));
    }
  }
  return picture;
}

Picture DrawOrrery(const ParityCase& parityCase, const GlyphFactory& glyphs) {
  ModPublic modPublic = DefaultSharedValues(parityCase.seed);
  modPublic.settings = parityCase.settings;
  const ScreenMetrics screen = LogicalScreen(parityCase.width, parityCase.height, 1);
  MaskBounds bounds;
  std::vector<PixelRect> boxes;
  PixelCanvas canvas(parityCase.width, parityCase.height, screen.TwipsPerPixelX,
                     screen.TwipsPerPixelY, kBlack,
                     std::make_unique<NotingGlyphs>(glyphs(screen), bounds));
  TextBoxCanvas noting(canvas, screen.TwipsPerPixelX, bounds, boxes);
  StillHost host;
  OrreryScene scene(modPublic, noting, screen, host);
  scene.Load();
  scene.DrawFirstFrames();
  for (int tick = 0; tick < parityCase.ticks; ++tick) {
    scene.Tick();
  }
  Picture picture = Colours(canvas);
  picture.textBoxes = std::move(boxes);
  return picture;
}

Picture DrawPreview(const ParityCase& parityCase, const GlyphFactory& glyphs) {
  const ScreenMetrics screen = LogicalScreen(kPreviewWidthPixels, kPreviewHeightPixels, 1);
  PreviewScene scene(DefaultSharedValues(parityCase.seed).Pi, screen.TwipsPerPixelX,
                     screen.TwipsPerPixelY);
  PixelCanvas canvas(kPreviewWidthPixels, kPreviewHeightPixels, screen.TwipsPerPixelX,
                     screen.TwipsPerPixelY, kPreviewBackColor, glyphs(screen));
  scene.SizeWindow();
  scene.Load(canvas);
  for (int tick = 0; tick < parityCase.ticks; ++tick) {
    scene.Tick();
  }
  return Colours(canvas);
}

}  // namespace

const std::vector<ParityCase>& Cases() {
  static const std::vector<ParityCase> cases = {
      {"english", false, 1280, 720, 30, 1, WithOrbits(kEnglish),
       "--size 1280x720 --ticks 30 --seed 1 --language en --orbits"},
      {"japanese", false, 1280, 720, 30, 1, WithOrbits(kJapanese),
       "--size 1280x720 --ticks 30 --seed 1 --language ja --orbits"},
      {"jupiter", false, 1024, 768, 12, 3, LargeJupiter(),
       "--size 1024x768 --ticks 12 --seed 3 --focus 5 --zoom 50"},
      {"preview", true, kPreviewWidthPixels, kPreviewHeightPixels, 7, 1, {}, "--preview --ticks 7"},
  };
  return cases;
}

Picture Draw(const ParityCase& parityCase, const GlyphFactory& glyphs) {
  return parityCase.preview ? DrawPreview(parityCase, glyphs) : DrawOrrery(parityCase, glyphs);
}

bool Write(const Picture& picture, const std::string& stem) {
  std::ofstream image(stem + ".ppm", std::ios::binary);
  image << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
  for (const Color colour : picture.pixels) {
    const char rgb[] = {static_cast<char>(colour & 0xFF), static_cast<char>((colour >> 8) & 0xFF),
                        static_cast<char>((colour >> 16) & 0xFF)};
    image.write(rgb, sizeof(rgb));
  }
  std::ofstream boxes(stem + ".boxes");
  for (const PixelRect& box : picture.textBoxes) {
    boxes << box.left << ' ' << box.top << ' ' << box.width << ' ' << box.height << '\n';
  }
  image.close();
  boxes.close();
  return !image.fail() && !boxes.fail();
}

std::optional<Picture> Read(const std::string& stem) {
  std::ifstream image(stem + ".ppm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  Picture picture;
  image >> magic >> picture.width >> picture.height >> maximum;
  if (!image || magic != "P6" || maximum != 255 || picture.width <= 0 || picture.height <= 0 ||
      picture.width > 16384 || picture.height > 16384) {
    return std::nullopt;
  }
  image.get();  // the one whitespace before the pixels
  const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
  std::vector<unsigned char> rgb(count * 3);
  if (!image.read(reinterpret_cast<char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()))) {
    return std::nullopt;
  }
  picture.pixels.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    picture.pixels.push_back(
        static_cast<Color>(rgb[3 * i] | rgb[3 * i + 1] << 8 | rgb[3 * i + 2] << 16));
  }
  std::ifstream boxes(stem + ".boxes");
  PixelRect box;
  while (boxes >> box.left >> box.top >> box.width >> box.height) {
    picture.textBoxes.push_back(box);
  }
  if (!boxes.eof()) {
    return std::nullopt;
  }
  return picture;
}

Difference Compare(const Picture& a, const Picture& b) {
  std::vector<bool> text(a.pixels.size(), false);
  const PixelRect whole{0, 0, a.width, a.height};
  for (const Picture* picture : {&a, &b}) {
    for (const PixelRect& box : picture->textBoxes) {
      const PixelRect inside = PixelRect::Intersected(box, whole);
      for (int y = inside.top; y <= inside.Bottom(); ++y) {
        for (int x = inside.left; x <= inside.Right(); ++x) {
          text[static_cast<std::size_t>(y) * a.width + x] = true;
        }
      }
    }
  }
  Difference difference;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const bool inText = text[static_cast<std::size_t>(y) * a.width + x];
      difference.textArea += inText ? 1 : 0;
      if (a.At(x, y) == b.At(x, y)) {
        continue;
      }
      if (inText) {
        ++difference.insideText;
      } else if (difference.outsideText++ == 0) {
        difference.firstX = x;
        difference.firstY = y;
      }
    }
  }
  return difference;
}

}  // namespace quorvane::parity
