#include "render/drawing_area.h"

namespace {
TDrawingArea* boundArea = nullptr;
}

TImageSurface& HeadlessImage1() {
  static TImageSurface image(kDrawingAreaWidth, kDrawingAreaHeight);
  return image;
}

TDrawingArea& Image1() { return boundArea != nullptr ? *boundArea : HeadlessImage1(); }

void BindImage1(TDrawingArea* area) { boundArea = area; }
