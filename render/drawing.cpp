#include "render/drawing.h"

#include "render/drawing_area.h"
#include "render/pixel.h"

void ClearSurface() {
  const TRect rect = Image1().GetClientRect();
  Image1().GetCanvas().FillRect(rect);
}

void DrawSegment(double x1, double y1, double x2, double y2) {
  {
    TCanvas& canvas = Image1().GetCanvas();
    const std::int32_t py1 = PixelCoordinate(y1);
    const std::int32_t px1 = PixelCoordinate(x1);
    canvas.MoveTo(px1, py1);
  }
  TCanvas& canvas = Image1().GetCanvas();
  const std::int32_t py2 = PixelCoordinate(y2);
  const std::int32_t px2 = PixelCoordinate(x2);
  canvas.LineTo(px2, py2);
}
