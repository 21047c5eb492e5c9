#include "render/canvas.h"

#include <utility>

#include "render/line_raster.h"

void TBitmapCanvas::FillRect(const TRect& rect) {
  bitmap_.Fill(rect, clWhite);
  Changed();
}

void TBitmapCanvas::MoveTo(std::int32_t x, std::int32_t y) {
  x_ = x;
  y_ = y;
}

void TBitmapCanvas::LineTo(std::int32_t x, std::int32_t y) {
  DrawLine(bitmap_, x_, y_, x, y, pen_);
  x_ = x;
  y_ = y;
  Changed();
}

TCanvas& TImageSurface::GetCanvas() {
  if (!bitmap_) {
    bitmap_ = std::make_unique<Surface>(width_, height_);
    bitmap_->canvas.SetChangeListener(changed_);
  }
  return bitmap_->canvas;
}

void TImageSurface::SetChangeListener(std::function<void()> listener) {
  changed_ = std::move(listener);
  if (bitmap_) bitmap_->canvas.SetChangeListener(changed_);
}

void TImageSurface::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
}
