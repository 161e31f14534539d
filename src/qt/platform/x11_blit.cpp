#include "qt/platform/x11_blit.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <algorithm>
#include <bit>

#include "core/platform/raster/merged_requests.h"

// Xlib's macros clash with Qt's names: its headers come last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace quorvane {

namespace {

// Pixels converted and sent at a time: a full-screen paint needs no screen-sized copy.
constexpr int kBandPixels = 32 * 1024;
// What one more XPutImage costs the program and the X server, in pixels sent instead: a request
// takes about a thousand instructions in Xlib alone, a pixel a handful.
constexpr long long kRequestPixels = 256;

// An 8-bit colour component placed in a true-colour mask of any width.
unsigned long Component(unsigned value, unsigned long mask) {
  if (mask == 0) {
    return 0;
  }
  const int shift = std::countr_zero(mask);
  const unsigned long top = mask >> shift;
  return ((value * top + 127) / 255) << shift;
}

template <typename Pixel>
void Convert(const std::uint8_t* from, int stride, const PixelRect& part,
             const std::vector<unsigned long>& table, char* to, int bytesPerLine) {
  for (int y = 0; y < part.height; ++y) {
    const std::uint8_t* source = from + static_cast<std::ptrdiff_t>(y) * stride;
    auto* target = reinterpret_cast<Pixel*>(to + static_cast<std::ptrdiff_t>(y) * bytesPerLine);
    for (int x = 0; x < part.width; ++x) {
      target[x] = static_cast<Pixel>(table[source[x]]);
    }
  }
}

}  // namespace

X11Blitter::X11Blitter() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  // Other platforms may answer the interface without a display.
  display_ = x11 != nullptr ? x11->display() : nullptr;
  if (display_ == nullptr) {
    return;
  }
  const int screen = DefaultScreen(display_);
  gc_ = DefaultGC(display_, screen);
  image_.reset(XCreateImage(display_, DefaultVisual(display_, screen),
                            static_cast<unsigned>(DefaultDepth(display_, screen)), ZPixmap, 0,
                            nullptr, 1, 1, 32, 0));
  if (image_ == nullptr) {
    display_ = nullptr;
    return;
  }
  // The common formats are written in this machine's byte order, which Xlib swaps if need be.
  if (image_->bits_per_pixel == 32 || image_->bits_per_pixel == 16) {
    image_->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  }
}

X11Blitter::~X11Blitter() = default;

void X11Blitter::ImageDeleter::operator()(_XImage* image) const {
  // The data is the blitter's buffer, not Xlib's to free.
  image->data = nullptr;
  XDestroyImage(image);
}

void X11Blitter::ExtendTable(const std::vector<Color>& palette) {
  const int screen = DefaultScreen(display_);
  const Visual* visual = DefaultVisual(display_, screen);
  while (table_.size() < palette.size()) {
    const Color colour = palette[table_.size()];
    const unsigned red = colour & 0xFF;
    const unsigned green = (colour >> 8) & 0xFF;
    const unsigned blue = (colour >> 16) & 0xFF;
    if (visual->c_class == TrueColor || visual->c_class == DirectColor) {
      table_.push_back(Component(red, visual->red_mask) | Component(green, visual->green_mask) |
                       Component(blue, visual->blue_mask));
      continue;
    }
    // Colour-mapped screens: a shared cell of the nearest colour the map can give.
    XColor cell{};
    cell.red = static_cast<unsigned short>(red * 257);
    cell.green = static_cast<unsigned short>(green * 257);
    cell.blue = static_cast<unsigned short>(blue * 257);
    cell.flags = DoRed | DoGreen | DoBlue;
    table_.push_back(XAllocColor(display_, DefaultColormap(display_, screen), &cell) != 0
                         ? cell.pixel
                         : BlackPixel(display_, screen));
  }
}

void X11Blitter::PutPart(WId window, const PixelCanvas& canvas, const PixelRect& part) {
  XImage* image = image_.get();
  image->width = part.width;
  image->height = part.height;
  image->bytes_per_line = 0;  // rows packed: Xlib works it out
  if (XInitImage(image) == 0) {
    return;
  }
  const std::size_t bytes = static_cast<std::size_t>(image->bytes_per_line) * part.height;
  if (buffer_.size() < bytes) {
    buffer_.resize(bytes);
  }
  image->data = buffer_.data();
  const std::uint8_t* from =
      canvas.Pixels() + static_cast<std::ptrdiff_t>(part.top) * canvas.Width() + part.left;
  switch (image->bits_per_pixel) {
    case 32:
      Convert<std::uint32_t>(from, canvas.Width(), part, table_, image->data,
                             image->bytes_per_line);
      break;
    case 16:
      Convert<std::uint16_t>(from, canvas.Width(), part, table_, image->data,
                             image->bytes_per_line);
      break;
    case 8:
      Convert<std::uint8_t>(from, canvas.Width(), part, table_, image->data, image->bytes_per_line);
      break;
    default:
      for (int y = 0; y < part.height; ++y) {
        for (int x = 0; x < part.width; ++x) {
          XPutPixel(image, x, y, table_[from[static_cast<std::ptrdiff_t>(y) * canvas.Width() + x]]);
        }
      }
      break;
  }
  XPutImage(display_, window, gc_, image, 0, 0, part.left, part.top,
            static_cast<unsigned>(part.width), static_cast<unsigned>(part.height));
}

void X11Blitter::Blit(WId window, const PixelCanvas& canvas,
                      const std::vector<PixelRect>& changes) {
  requests_.assign(changes.begin(), changes.end());
  MergeRequests(requests_, kRequestPixels, 2 * canvas.ChangedPixels());
  Send(window, canvas, requests_);
}

void X11Blitter::Send(WId window, const PixelCanvas& canvas, const std::vector<PixelRect>& rects) {
  if (display_ == nullptr || rects.empty()) {
    return;
  }
  ExtendTable(canvas.Palette());
  const PixelRect whole{0, 0, canvas.Width(), canvas.Height()};
  for (const PixelRect& dirty : rects) {
    const PixelRect rect = PixelRect::Intersected(dirty, whole);
    if (rect.IsEmpty()) {
      continue;
    }
    const int bandHeight = std::max(1, kBandPixels / rect.width);
    for (int top = rect.top; top <= rect.Bottom(); top += bandHeight) {
      PutPart(window, canvas,
              {rect.left, top, rect.width, std::min(bandHeight, rect.Bottom() + 1 - top)});
    }
  }
  XFlush(display_);
}

void X11Blitter::Restore(WId window) {
  if (display_ == nullptr) {
    return;
  }
  XClearArea(display_, window, 0, 0, 0, 0, True);
  XSync(display_, False);
}

void X11Blitter::Blit(WId window, const PixelCanvas& canvas, const QRegion& region) {
  std::vector<PixelRect> rects;
  for (const QRect& rect : region) {
    rects.push_back({rect.x(), rect.y(), rect.width(), rect.height()});
  }
  Send(window, canvas, rects);
}

}  // namespace quorvane
