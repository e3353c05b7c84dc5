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

// The boxes show the scheme, or, while a contrast theme is on, the system's
// colours whatever the scheme; the scheme shows again when the theme goes.
TEST(ColoursTest, AContrastThemePaintsInTheSystemsColours) {
  WindowState light;
  WindowState dark;
  dark.text1 = dark.text2 = BoxColours{kDesktopColour, kWhite};
  constexpr BoxColours window{0x80000005, 0x80000008};
  constexpr BoxColours selection{0x8000000D, 0x8000000E};
  constexpr BoxColours amber{0x0040C0FF, kBlack};
  const struct {
    const WindowState& scheme;
    bool contrast;
    ViewColours colours;
  } cases[] = {
      {light, false, {{kWhite, kBlack}, {kWhite, kBlack}, {selection, amber, true}}},
      {dark, false, {dark.text1, dark.text2, {selection, amber, true}}},
      {light, true, {window, window, {selection, {0x80000008, 0x80000005}, false}}},
      {dark, true, {window, window, {selection, {0x80000008, 0x80000005}, false}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << (&c.scheme == &dark ? "dark" : "light") << " " << c.contrast);
    EXPECT_EQ(viewColours(c.scheme, c.contrast), c.colours);
  }
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
