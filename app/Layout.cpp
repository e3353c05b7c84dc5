#include "app/Layout.h"

#include <algorithm>
#include <cmath>

namespace zor {

namespace {

// The subtractions run in single precision on twips, as the window stores
// them; whole-number sizes give whole-number results.
int difference(float value, float minus) {
  return static_cast<int>(std::lround(std::max(0.0f, value - minus)));
}

}  // namespace

FormLayout layoutForOuterSize(int outerWidth, int outerHeight) {
  FormLayout layout = kDesignLayout;
  const auto width = static_cast<float>(outerWidth);
  const auto height = static_cast<float>(outerHeight);
  layout.frame1.height = difference(height, 1495);
  layout.frame1.width = difference(width, 465);
  layout.frame2.top = std::max(0, static_cast<int>(std::lround(height - 1270.0f)));
  layout.frame2.width = difference(width, 465);
  layout.text1.height = difference(static_cast<float>(layout.frame1.height), 385);
  layout.text1.width = difference(static_cast<float>(layout.frame1.width), 265);
  layout.text2.width = difference(static_cast<float>(layout.frame2.width), 265);
  return layout;
}

}  // namespace zor
