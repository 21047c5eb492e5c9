#pragma once
// The two drawing operations of the cycle. Both reach the surface through Image1().

// Blanks the whole client rectangle; pen colour and current position stay.
void ClearSurface();

// A segment in screen coordinates, in the pen colour as last set. Converts y1, x1, moves, then
// converts y2, x2 and draws; EInvalidOp from a conversion leaves the segment undrawn.
void DrawSegment(double x1, double y1, double x2, double y2);
