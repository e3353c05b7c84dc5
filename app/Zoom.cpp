#include "app/Zoom.h"

#include "app/WindowTexts.h"

#include <algorithm>
#include <iterator>

namespace zor {

std::optional<ZoomKey> zoomKeyOf(char16_t character) {
  for (const ZoomKeyCharacter& key : kZoomKeys) {
    if (key.character == character) {
      return key.key;
    }
  }
  return std::nullopt;
}

void Zoom::press(ZoomKey key) {
  switch (key) {
    case ZoomKey::In:
      stepBy(1);
      break;
    case ZoomKey::Out:
      stepBy(-1);
      break;
    case ZoomKey::Reset:
      percent_ = kNormal;
      break;
  }
}

void Zoom::wheel(int delta) {
  // A turn the other way starts from nothing.
  if ((wheelTurn_ > 0 && delta < 0) || (wheelTurn_ < 0 && delta > 0)) {
    wheelTurn_ = 0;
  }
  wheelTurn_ += delta;
  const int notches = wheelTurn_ / kWheelNotch;
  wheelTurn_ -= notches * kWheelNotch;
  stepBy(notches);
}

void Zoom::stepBy(int steps) {
  const auto at = std::find(kSteps.begin(), kSteps.end(), percent_);
  const auto index = static_cast<int>(std::distance(kSteps.begin(), at));
  const int last = static_cast<int>(kSteps.size()) - 1;
  const int next = std::clamp(index + steps, 0, last);
  percent_ = kSteps[static_cast<std::size_t>(next)];
}

std::u16string Zoom::logCaption() const {
  std::u16string caption(kLogCaption);
  if (percent_ != kNormal) {
    caption += u' ';
    for (const char c : std::to_string(percent_)) {
      caption += static_cast<char16_t>(c);
    }
    caption += u'%';
  }
  return caption;
}

}  // namespace zor
