#include "app/Colours.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

namespace {

constexpr ColourRef kSystemColourBit = 0x80000000;

ColourRef systemColour(ColourRef number) {
#ifdef _WIN32
  return static_cast<ColourRef>(GetSysColor(static_cast<int>(number)));
#else
  // No desktop colour to ask for here: a fixed dark blue, on which white text
  // has a contrast ratio of about 5.3:1.
  (void)number;
  return 0x00A56E3A;
#endif
}

}  // namespace

ColourRef paintedColour(ColourRef reference) {
  if (reference & kSystemColourBit) {
    return systemColour(reference & 0xFF);
  }
  return reference;
}

}  // namespace zor
