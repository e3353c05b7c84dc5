#include "app/qt/Colours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zor {
namespace {

// Relative luminance as the web content accessibility guidelines define it.
double luminance(const QColor& c) {
  const auto channel = [](int value) {
    const double v = value / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

TEST(ColoursTest, PlainColoursAreRedGreenBlueFromTheLowByteUp) {
  EXPECT_EQ(paintedColour(kWhite), QColor(Qt::white));
  EXPECT_EQ(paintedColour(kBlack), QColor(Qt::black));
  EXPECT_EQ(paintedColour(0x00332211), QColor(0x11, 0x22, 0x33));
}

#ifndef _WIN32
// Without a desktop colour to ask for, the dark scheme's background is a
// fixed dark blue that white text stands out on.
TEST(ColoursTest, TheDesktopColourIsDarkEnoughForWhiteText) {
  const double background = luminance(paintedColour(kDesktopColour));
  const double contrast = (luminance(paintedColour(kWhite)) + 0.05) / (background + 0.05);
  EXPECT_GE(contrast, 4.5);
  EXPECT_EQ(paintedColour(kDesktopColour), QColor(0x3A, 0x6E, 0xA5));
}
#endif

}  // namespace
}  // namespace zor
