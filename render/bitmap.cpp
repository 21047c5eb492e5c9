#include "render/bitmap.h"

#include <algorithm>

TBitmap::TBitmap(int width, int height, TColor fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

void TBitmap::Fill(const TRect& rect, TColor colour) {
  const int left = std::clamp(rect.left, 0, width_);
  const int right = std::clamp(rect.right, 0, width_);
  const int top = std::clamp(rect.top, 0, height_);
  const int bottom = std::clamp(rect.bottom, 0, height_);
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    TColor* const row = pixels_.data() + Index(0, y);
    std::fill(row + left, row + right, colour);
  }
}
