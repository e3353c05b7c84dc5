#include "app/qt/Colours.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

namespace {

constexpr ColourRef kSystemColourBit = 0x80000000;

QColor fromColourRef(ColourRef value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

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

QColor paintedColour(ColourRef reference) {
  if (reference & kSystemColourBit) {
    return fromColourRef(systemColour(reference & 0xFF));
  }
  return fromColourRef(reference);
}

}  // namespace zor
