#pragma once
// Our own drawing surface: a fixed-size bitmap of TColor pixels.

#include <cstdint>
#include <vector>

// The platform's colour value, laid out 0x00BBGGRR (red in the low byte). In memory on a
// little-endian machine a pixel reads R, G, B, 0: the byte order of Qt's Format_RGBX8888.
using TColor = std::uint32_t;

inline constexpr TColor clWhite = 0xFFFFFF;

// A rectangle of pixels, right and bottom exclusive.
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

class TBitmap {
 public:
  TBitmap(int width, int height, TColor fill = clWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }

  // Coordinates must lie on the bitmap.
  TColor Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, TColor colour) { pixels_[Index(x, y)] = colour; }

  // Fills the part of the rectangle that lies on the bitmap.
  void Fill(const TRect& rect, TColor colour);

  const TColor* Data() const { return pixels_.data(); }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<TColor> pixels_;
};
