// Copies parts of the pixel canvas straight onto an X window with XPutImage, so a full-screen
// window needs no backing store of its own size beside the canvas it already keeps.
//
// Each part goes from palette indices to the server's pixel format through a lookup table, into
// a buffer and an image description kept between calls, so a frame allocates nothing: true colour
// and direct colour at any depth (8, 16, 24 and 32 bits per pixel), and colour-mapped visuals
// (pseudo colour, grey scale, static) with colours allocated in the default colour map. Windows
// must use the display's default visual.
// A frame's changes go in few requests: each costs the X server about a microsecond whatever its
// size, so near rectangles are joined while the pixels sent stay within twice those that changed.
#pragma once

#include <QRegion>
#include <QWindow>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/platform/pixel_canvas.h"

struct _XDisplay;
struct _XGC;
struct _XImage;

namespace quorvane {

class X11Blitter {
 public:
  // Does nothing without the xcb platform.
  X11Blitter();
  ~X11Blitter();
  X11Blitter(const X11Blitter&) = delete;
  X11Blitter& operator=(const X11Blitter&) = delete;

  // Puts the changes just taken from the canvas at the same place in the window and flushes the
  // requests. Near rectangles go as one, sending at most twice the pixels that changed.
  void Blit(WId window, const PixelCanvas& canvas, const std::vector<PixelRect>& changes);
  // Puts the region's pixels of the canvas at the same place in the window and flushes.
  void Blit(WId window, const PixelCanvas& canvas, const QRegion& region);

  // Paints the whole window with its own background again, as it was before anything was put
  // there, and asks its owner to redraw it; returns once the server has done so.
  void Restore(WId window);

 private:
  // Adds server pixel values for palette entries added since the last call.
  void ExtendTable(const std::vector<Color>& palette);
  void Send(WId window, const PixelCanvas& canvas, const std::vector<PixelRect>& rects);
  void PutPart(WId window, const PixelCanvas& canvas, const PixelRect& part);

  struct ImageDeleter {
    void operator()(_XImage* image) const;
  };

  _XDisplay* display_ = nullptr;
  _XGC* gc_ = nullptr;
  // The screen's image format; each part sets its size and data.
  std::unique_ptr<_XImage, ImageDeleter> image_;
  std::vector<unsigned long> table_;  // server pixel per palette index
  std::vector<char> buffer_;
  std::vector<PixelRect> requests_;
};

}  // namespace quorvane
