#include "app/logview/FindBoxDriver.h"
#include "tests/app/logview/FakeMetrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor::test {
namespace {

constexpr int m = LogViewModel::kMargin;

// Controls that write down what they are told.
class RecordingControls final : public FindBoxControls {
 public:
  FindBoxMeasures measures() const override {
    return FindBoxMeasures{{40, 10}, {60, 12}, {50, 10}, {30, 10}, 20, 2, 1};
  }
  ViewBox textArea() const override { return ViewBox{0, 0, 2 * m + 200, m + 50}; }
  ViewBox scrollBar() const override { return ViewBox{2 * m + 200, 0, 16, m + 50}; }
  void placeBox(const FindBoxPlace& place) override {
    note("place " + std::to_string(place.box.left) + "," + std::to_string(place.box.width) + "x" +
         std::to_string(place.box.height));
  }
  void showBox(bool shown) override { note(shown ? "show" : "hide"); }
  void selectText() override { note("select text"); }
  void showCount(const FindBar::Count& count) override {
    note("count " + std::string(count.text.begin(), count.text.end()) + (count.tinted ? "!" : ""));
  }
  void runPause(bool on) override { note(on ? "pause" : "no pause"); }
  void runCounting(bool on) override {
    counting = on;
    note(on ? "counting" : "counted");
  }
  void refreshView() override {}
  void focusInput() override { note("focus input"); }

  void note(const std::string& what) { seen += (seen.empty() ? "" : " | ") + what; }

  std::string seen;
  bool counting = false;
};

// Eight short lines, "apple" on the first and the last, the view at the
// end.
class FindBoxDriverTest : public ::testing::Test {
 protected:
  FindBoxDriverTest() {
    log.append(u"apple\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\napple\r\n");
    log.caretToEnd();
    model.resize(2 * m + 200, m + 50);
    model.mirror(log);
  }
  void countAll() {
    while (controls.counting) {
      driver.countSlice();
    }
  }

  FakeMetrics metrics;
  Log log;
  LogViewModel model{metrics};
  FindBar bar;
  RecordingControls controls;
  FindBoxDriver driver{bar, model, controls};
};

// The box opens at its place, 18 pixels over two rows of the view; Enter
// right after typing searches, then steps up to the first line's match,
// which shows below the box, blank rows above it; Esc closes the box and
// the blank rows go.
TEST_F(FindBoxDriverTest, OpensSearchesStepsAndCloses) {
  driver.press(FindKey::CtrlF, false);
  driver.edited(u"apple", false);
  countAll();
  driver.press(FindKey::Enter, false);
  countAll();
  EXPECT_EQ(model.selection().start(), 0u);
  EXPECT_EQ(model.caretBoxAt(0).value_or(ViewBox{}).top, m + 20);
  driver.press(FindKey::Escape, false);
  EXPECT_EQ(model.caretBoxAt(0).value_or(ViewBox{}).top, m);
  EXPECT_EQ(controls.seen,
            "place 16,192x18 | show | select text | count 0/0 | pause | counting | count  | "
            "counted | count 0/2 | no pause | counting | count  | counted | count 1/2 | "
            "no pause | hide | focus input");
}

}  // namespace
}  // namespace zor::test
