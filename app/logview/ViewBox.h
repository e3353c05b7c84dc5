#pragma once

#include <compare>

namespace zor {

// A rectangle in the view, in pixels.
struct ViewBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int right() const { return left + width; }
  int bottom() const { return top + height; }
  auto operator<=>(const ViewBox&) const = default;
};

// A size in pixels.
struct ViewSize {
  int width = 0;
  int height = 0;

  auto operator<=>(const ViewSize&) const = default;
};

}  // namespace zor
