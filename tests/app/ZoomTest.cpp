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
    std::u16string caption;
  } cases[] = {
      {"nothing", {}, 100, u"日志Log"},
      {"in", {in}, 110, u"日志Log 110%"},
      {"in twice", {in, in}, 125, u"日志Log 125%"},
      {"out", {out}, 90, u"日志Log 90%"},
      {"out to the first step", {out, out, out, out, out, out}, 50, u"日志Log 50%"},
      {"in to the last step", std::vector<Step>(9, in), 400, u"日志Log 400%"},
      {"back", {in, in, reset}, 100, u"日志Log"},
      {"back at 100%", {reset}, 100, u"日志Log"},
      {"a notch away from the user", {turn(120)}, 110, u"日志Log 110%"},
      {"two notches towards", {turn(-240)}, 80, u"日志Log 80%"},
      {"fine steps add up", {turn(40), turn(40), turn(40)}, 110, u"日志Log 110%"},
      {"short of a notch", {turn(40), turn(40)}, 100, u"日志Log"},
      {"a turn back starts again", {turn(100), turn(-20), turn(100)}, 100, u"日志Log"},
      {"a notch and a part", {turn(180), turn(60)}, 125, u"日志Log 125%"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Zoom zoom;
    for (const Step& step : c.steps) {
      step.key ? zoom.press(*step.key) : zoom.wheel(step.wheel);
    }
    EXPECT_EQ(zoom.percent(), c.percent);
    EXPECT_EQ(zoom.logCaption(), c.caption);
  }
}

TEST(ZoomTest, EveryStepInAndOutAndTheFontSizes) {
  Zoom zoom;
  for (std::size_t i = 0; i < Zoom::kSteps.size(); ++i) {
    zoom.press(ZoomKey::Out);
  }
  std::vector<int> steps{zoom.percent()};
  for (zoom.press(ZoomKey::In); zoom.percent() != steps.back(); zoom.press(ZoomKey::In)) {
    steps.push_back(zoom.percent());
  }
  EXPECT_EQ(steps,
            (std::vector<int>{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300, 400}));
  EXPECT_DOUBLE_EQ(zoomedSize(9, 400), 36);
  EXPECT_DOUBLE_EQ(zoomedSize(9, 100), 9);
  EXPECT_DOUBLE_EQ(zoomedSize(-12, 90), -10.8);
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
