#pragma once
// What the drawing needs of a drawing area and its canvas.

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

#include "render/bitmap.h"

// A canvas keeps a pen colour and a current position between calls.
class TCanvas {
 public:
  virtual ~TCanvas() = default;
  // Fills with the default solid white brush; pen and current position stay.
  virtual void FillRect(const TRect& rect) = 0;
  virtual void SetPenColor(TColor colour) = 0;
  virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
  // A line with the pen from the current position to (x, y), which becomes the current one.
  virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
};

// The drawing area: its client rectangle, and the canvas of its persistent surface.
class TDrawingArea {
 public:
  virtual ~TDrawingArea() = default;
  // Left 0, top 0, right = width, bottom = height of the area as it is now.
  virtual TRect GetClientRect() const = 0;
  virtual TCanvas& GetCanvas() = 0;
};

// A canvas on a bitmap: one-pixel aliased lines in exactly the pen colour.
class TBitmapCanvas final : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  void FillRect(const TRect& rect) override;
  void SetPenColor(TColor colour) override { pen_ = colour; }
  void MoveTo(std::int32_t x, std::int32_t y) override;
  void LineTo(std::int32_t x, std::int32_t y) override;

  // Called after every change of the pixels, so that a window showing them can repaint.
  void SetChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }

 private:
  void Changed() const {
    if (changed_) changed_();
  }

  TBitmap& bitmap_;
  std::function<void()> changed_;
  TColor pen_ = 0x000000;  // black, as a fresh pen is
  std::int32_t x_ = 0;
  std::int32_t y_ = 0;
};

// The drawing area of the main window, without the window: the bitmap comes into being at the
// first GetCanvas with the area's size at that moment and keeps that size for good, as a
// persistent picture does; the client rectangle follows the area.
class TImageSurface final : public TDrawingArea {
 public:
  TImageSurface(int width, int height) : width_(width), height_(height) {}

  TRect GetClientRect() const override { return {0, 0, width_, height_}; }
  TCanvas& GetCanvas() override;

  // The area was resized; the bitmap, once made, is not.
  void SetSize(int width, int height);
  // Called after every change of the picture, including its creation.
  void SetChangeListener(std::function<void()> listener);
  // nullptr until the first GetCanvas: the area shows no picture until then.
  const TBitmap* Picture() const { return bitmap_ ? &bitmap_->bitmap : nullptr; }

 private:
  struct Surface {
    Surface(int width, int height) : bitmap(width, height), canvas(bitmap) {}
    TBitmap bitmap;
    TBitmapCanvas canvas;
  };

  int width_;
  int height_;
  std::function<void()> changed_;
  std::unique_ptr<Surface> bitmap_;
};
