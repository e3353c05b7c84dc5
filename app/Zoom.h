#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zor {

// The keys that zoom, pressed with Ctrl.
enum class ZoomKey { In, Out, Reset };

// What each window maps its keys to: the character on the key pressed with
// Ctrl ('=' and '+', on the main keys or the keypad, zoom in, '-' out, '0'
// back to 100%).
struct ZoomKeyCharacter {
  char16_t character;
  ZoomKey key;
};
inline constexpr std::array<ZoomKeyCharacter, 4> kZoomKeys{{
    {u'=', ZoomKey::In},
    {u'+', ZoomKey::In},
    {u'-', ZoomKey::Out},
    {u'0', ZoomKey::Reset},
}};
std::optional<ZoomKey> zoomKeyOf(char16_t character);

// The zoom of the log's, the input box's and the find box's font for the
// session, in the steps browsers use. The frames, their captions' font and
// the window's size do not zoom.
class Zoom {
 public:
  static constexpr std::array<int, 14> kSteps{50,  67,  75,  80,  90,  100, 110,
                                              125, 150, 175, 200, 250, 300, 400};
  static constexpr int kNormal = 100;
  // A wheel notch: finer wheels add up to one.
  static constexpr int kWheelNotch = 120;

  int percent() const { return percent_; }

  // Neither goes past the first or the last step.
  void press(ZoomKey key);
  // Ctrl and the wheel turned by `delta`: a step in (away from the user) or
  // out per notch.
  void wheel(int delta);

  // The log frame's caption: the zoom after its text while it is not 100%.
  std::u16string logCaption() const;

 private:
  void stepBy(int steps);

  int percent_ = kNormal;
  int wheelTurn_ = 0;  // turned and not yet a notch
};

// A font's size at a zoom of `percent`.
constexpr double zoomedSize(double size, int percent) { return size * percent / Zoom::kNormal; }

}  // namespace zor
