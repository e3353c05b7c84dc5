#include "app/Colours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zor {
namespace {

TEST(ColoursTest, PlainColoursArePaintedAsStored) {
  EXPECT_EQ(paintedColour(kWhite), kWhite);
  EXPECT_EQ(paintedColour(kBlack), kBlack);
  EXPECT_EQ(paintedColour(0x00332211), 0x00332211u);
}

#ifndef _WIN32
// Relative luminance as the web content accessibility guidelines define it.
double luminance(ColourRef c) {
  const auto channel = [](ColourRef value) {
    const double v = static_cast<double>(value & 0xFF) / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c) + 0.7152 * channel(c >> 8) + 0.0722 * channel(c >> 16);
}

// Without a desktop colour to ask for, the dark scheme's background is a
// fixed dark blue that white text stands out on.
TEST(ColoursTest, TheDesktopColourIsDarkEnoughForWhiteText) {
  const double background = luminance(paintedColour(kDesktopColour));
  const double contrast = (luminance(paintedColour(kWhite)) + 0.05) / (background + 0.05);
  EXPECT_GE(contrast, 4.5);
  EXPECT_EQ(paintedColour(kDesktopColour), 0x00A56E3Au);
}
#endif

}  // namespace
}  // namespace zor
