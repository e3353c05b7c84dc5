#include "app/Colours.h"

#include "platform/SystemColour.h"

namespace zor {

namespace {

constexpr ColourRef kSystemColourBit = 0x80000000;

}  // namespace

ColourRef paintedColour(ColourRef reference) {
  if (reference & kSystemColourBit) {
    return systemColour(reference & 0xFF);
  }
  return reference;
}

}  // namespace zor
