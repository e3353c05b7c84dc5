#pragma once

#include "app/Layout.h"

#include <cmath>

namespace zor {

// Twips (1/1440 inch) and pixels at a given number of dots per inch,
// rounded to the nearest.
inline int toPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}
inline int toTwips(int pixels, double dpi) {
  return static_cast<int>(std::lround(pixels * 1440.0 / dpi));
}

inline Rect toPixels(const Rect& r, double dpiX, double dpiY) {
  return {toPixels(r.left, dpiX), toPixels(r.top, dpiY), toPixels(r.width, dpiX),
          toPixels(r.height, dpiY)};
}

}  // namespace zor
