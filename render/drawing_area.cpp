#include "render/drawing_area.h"

namespace {
TDrawingArea* boundArea = nullptr;
}

TImage& HeadlessImage1() {
  static TImage image(kDrawingAreaWidth, kDrawingAreaHeight);
  return image;
}

TDrawingArea& Image1() { return boundArea != nullptr ? *boundArea : HeadlessImage1(); }

void BindImage1(TDrawingArea* area) { boundArea = area; }
