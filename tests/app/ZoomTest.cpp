#include "app/Zoom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor {
namespace {

// A step of the user: a zoom key, or a wheel turn with Ctrl held.
struct Step {
  std::optional<ZoomKey> key;
  int wheel = 0;
};

constexpr Step in{ZoomKey::In};
constexpr Step out{ZoomKey::Out};
constexpr Step reset{ZoomKey::Reset};
constexpr Step turn(int delta) { return Step{std::nullopt, delta}; }

TEST(ZoomTest, KeysAndTheWheelStepThroughTheZooms) {
  const struct {
    const char* name;
    std::vector<Step> steps;
    int percent;
    bool lastChanged;
    std::u16string caption;
  } cases[] = {
      {"nothing", {}, 100, false, u"日志Log"},
      {"in", {in}, 110, true, u"日志Log 110%"},
      {"in twice", {in, in}, 125, true, u"日志Log 125%"},
      {"out", {out}, 90, true, u"日志Log 90%"},
      {"out to the first step", {out, out, out, out, out, out}, 50, false, u"日志Log 50%"},
      {"in to the last step", std::vector<Step>(9, in), 400, false, u"日志Log 400%"},
      {"back", {in, in, reset}, 100, true, u"日志Log"},
      {"back at 100%", {reset}, 100, false, u"日志Log"},
      {"a notch away from the user", {turn(120)}, 110, true, u"日志Log 110%"},
      {"two notches towards", {turn(-240)}, 80, true, u"日志Log 80%"},
      {"fine steps add up", {turn(40), turn(40), turn(40)}, 110, true, u"日志Log 110%"},
      {"short of a notch", {turn(40), turn(40)}, 100, false, u"日志Log"},
      {"a turn back starts again", {turn(100), turn(-20), turn(100)}, 100, false, u"日志Log"},
      {"a notch and a part", {turn(180), turn(60)}, 125, true, u"日志Log 125%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Zoom zoom;
    bool changed = false;
    for (const Step& step : c.steps) {
      changed = step.key ? zoom.press(*step.key) : zoom.wheel(step.wheel);
    }
    EXPECT_EQ(zoom.percent(), c.percent);
    EXPECT_EQ(changed, c.lastChanged);
    EXPECT_EQ(zoom.logCaption(), c.caption);
  }
}

TEST(ZoomTest, EveryStepInAndOutAndTheFontSizes) {
  Zoom zoom;
  while (zoom.press(ZoomKey::Out)) {
  }
  std::vector<int> steps{zoom.percent()};
  while (zoom.press(ZoomKey::In)) {
    steps.push_back(zoom.percent());
  }
  EXPECT_EQ(steps,
            (std::vector<int>{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400}));
  EXPECT_DOUBLE_EQ(zoom.scaled(9), 36);
  zoom.press(ZoomKey::Reset);
  EXPECT_DOUBLE_EQ(zoom.scaled(9), 9);
  zoom.press(ZoomKey::Out);
  EXPECT_DOUBLE_EQ(zoom.scaled(-12), -10.8);
}

TEST(ZoomTest, KeysByTheirCharacter) {
  EXPECT_EQ(zoomKeyOf(u'='), ZoomKey::In);
  EXPECT_EQ(zoomKeyOf(u'+'), ZoomKey::In);
  EXPECT_EQ(zoomKeyOf(u'-'), ZoomKey::Out);
  EXPECT_EQ(zoomKeyOf(u'0'), ZoomKey::Reset);
  EXPECT_EQ(zoomKeyOf(u'1'), std::nullopt);
  EXPECT_EQ(zoomKeyOf(u'_'), std::nullopt);
}

}  // namespace
}  // namespace zor
