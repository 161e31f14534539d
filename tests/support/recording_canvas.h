// A canvas that draws nothing and logs every operation with its arguments, for checking what the
// drawing procedures do and in which order. Text is measured as 100 twips per character (UTF-8
// code point) wide and 225 twips high.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/canvas.h"

namespace quorvane::testing {

class RecordingCanvas : public Canvas {
 public:
  static constexpr float kCharWidth = 100;
  static constexpr float kLineHeight = 225;

  std::vector<std::string> log;

  void Circle(float x, float y, float radius, Color color) override {
    Record("Circle(%.9g,%.9g,%.9g,%06X) fill=%d/%06X", x, y, radius, color, FillStyle(),
           FillColor());
  }
  void Line(float x1, float y1, float x2, float y2, Color color) override {
    Record("Line(%.9g,%.9g,%.9g,%.9g,%06X)", x1, y1, x2, y2, color);
  }
  float TextWidth(std::string_view text) override {
    return kCharWidth * static_cast<float>(CodePoints(text));
  }
  float TextHeight(std::string_view) override { return kLineHeight; }
  void Clear() override { log.emplace_back("Clear"); }

  void SetForeColor(Color color) override {
    Canvas::SetForeColor(color);
    Record("ForeColor=%06X", color);
  }
  void SetFillColor(Color color) override {
    Canvas::SetFillColor(color);
    Record("FillColor=%06X", color);
  }
  void SetFillStyle(std::int16_t style) override {
    Canvas::SetFillStyle(style);
    Record("FillStyle=%d", style);
  }
  void SetDrawStyle(std::int16_t style) override {
    Canvas::SetDrawStyle(style);
    Record("DrawStyle=%d", style);
  }
  void SetCurrentX(float x) override {
    Canvas::SetCurrentX(x);
    Record("CurrentX=%.9g", x);
  }
  void SetCurrentY(float y) override {
    Canvas::SetCurrentY(y);
    Record("CurrentY=%.9g", y);
  }

 protected:
  void DrawText(float x, float y, std::string_view text) override {
    Record("Print(%.9g,%.9g,%06X,", x, y, ForeColor());
    log.back() += std::string(text) + ")";
  }

 private:
  static std::size_t CodePoints(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
      count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
  }

  template <typename... Args>
  void Record(const char* format, Args... args) {
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    log.emplace_back(line);
  }
};

}  // namespace quorvane::testing
