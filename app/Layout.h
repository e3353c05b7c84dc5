#pragma once

namespace zor {

// Positions and sizes in twips (1/1440 inch). Frames are placed in the
// window's client area, text boxes inside their frames.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Rect&) const = default;
};

struct FormLayout {
  Rect frame1;
  Rect text1;
  Rect frame2;
  Rect text2;

  bool operator==(const FormLayout&) const = default;
};

// The controls as designed, for a client area of 7695 x 4695 twips.
inline constexpr FormLayout kDesignLayout{
    {120, 120, 7455, 3735},
    {120, 240, 7215, 3375},
    {120, 3960, 7455, 615},
    {120, 240, 7215, 270},
};
inline constexpr int kDesignClientWidth = 7695;
inline constexpr int kDesignClientHeight = 4695;

// Form_Resize: the layout for the window's outer size (title bar and borders
// included). It depends on the outer size alone; sizes that would be
// negative in a very small window are clamped at zero.
FormLayout layoutForOuterSize(int outerWidth, int outerHeight);

}  // namespace zor
