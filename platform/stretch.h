#pragma once
// The stretching block copy (SRCCOPY in the default stretch mode), one axis
// at a time. S = source length, D = destination length:
//   D >= S (enlarge or equal): destination i takes source floor(((2i+1)S - 1) / 2D)
//   D <  S (shrink):           source k is ANDed into destination floor(((2k+1)D - 1) / 2S)
//   D == 1 and S > 1:          S is first reduced by 1 (the last source is dropped)
// In two dimensions destination (i, j) is the bitwise AND of every source
// pixel in the x-group of i times the y-group of j.
#include "platform/picture.h"

namespace veldor {

// StretchBlt(dst, dx, dy, dw, dh, src, sx, sy, sw, sh, SRCCOPY). Destination
// pixels outside dst are skipped.
void stretchCopy(Picture& dst, int dx, int dy, int dw, int dh,
                 const Picture& src, int sx, int sy, int sw, int sh);

// The window [cx, cx+cw) x [cy, cy+ch) of the whole of `src` stretched to a
// virtual dw x dh picture, written row by row to `out` (cw * ch pixels),
// without computing anything outside the window. Window pixels outside the
// dw x dh picture are kInvalidColor. Cost is bounded by the window and the
// source, never by dw and dh.
void stretchWindow(const Picture& src, int dw, int dh,
                   int cx, int cy, int cw, int ch, Color* out);

} // namespace veldor
