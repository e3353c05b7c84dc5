#include "app/WindowController.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"
#include "tests/support/Fakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace zor::test {
namespace {

// What the window is told to show, one word a part, in a fixed order.
std::string described(const WindowUpdate& u) {
  std::string out;
  const auto add = [&out](const std::string& part) { out += (out.empty() ? "" : " ") + part; };
  const auto colours = [](const BoxColours& c) {
    char text[24];
    std::snprintf(text, sizeof text, "%08X/%08X", c.background, c.text);
    return std::string(text);
  };
  if (u.log != nullptr) {
    add("log");
  }
  if (u.input) {
    const char* kinds[] = {"keep", "insert", "replace"};
    add(std::string("input=") + kinds[static_cast<int>(u.input->text)] + "(" +
        toUtf8(u.input->put) + ")" + toUtf8(u.input->box.text) + "[" +
        std::to_string(u.input->box.start) + "," + std::to_string(u.input->box.end) + "]");
  }
  if (u.inputCaption) {
    add("frame=" + toUtf8(*u.inputCaption));
  }
  if (u.caption) {
    add("caption=" + toUtf8(*u.caption));
  }
  if (u.logColours) {
    add("log=" + colours(*u.logColours));
  }
  if (u.inputColours) {
    add("box=" + colours(*u.inputColours));
  }
  if (u.marks) {
    add("marks=" + colours(u.marks->selection) + "," + colours(u.marks->found) +
        (u.marks->tintNothingFound ? ",tint" : ""));
  }
  if (u.darkTitleBar) {
    add(*u.darkTitleBar ? "dark" : "light");
  }
  if (u.visible) {
    add(*u.visible ? "shown" : "hidden");
  }
  if (u.focus) {
    add("focus");
  }
  if (u.layout) {
    const Rect& log = u.layout->frame1;
    add("layout=" + std::to_string(log.width) + "x" + std::to_string(log.height) + "/" +
        std::to_string(u.layout->frame2.top));
  }
  if (u.zoom) {
    add("zoom=" + std::to_string(*u.zoom));
  }
  if (u.logCaption) {
    add("logframe=" + toUtf8(*u.logCaption));
  }
  for (const auto& [set, word] :
       {std::pair{u.keyTaken, "taken"}, std::pair{u.quit, "quit"}, std::pair{u.stop, "stop"}}) {
    if (set) {
      add(word);
    }
  }
  return out;
}

LineBox at(std::u16string text, std::size_t caret) {
  return LineBox{std::move(text), caret, caret};
}
LineBox at(std::u16string text) {
  const std::size_t end = text.size();
  return at(std::move(text), end);
}

// One event of the window, as a window hands it over.
struct Event {
  enum Kind {
    Key,
    Edited,
    Typed,
    Left,
    Colours,
    Contrast,
    Zoom,
    Wheel,
    Close,
    Resized,
    Minimised
  } kind;
  LineBox now;
  std::optional<LineKey> key;
  std::u16string chars;
  bool typing = false;
  int width = 0;  // the outer size, in twips; the wheel's turn
  int height = 0;
  ZoomKey zoomKey = ZoomKey::Reset;
};

Event press(LineBox now, LineKey key, std::u16string chars = {}) {
  return Event{Event::Key, std::move(now), key, std::move(chars)};
}
Event chars(LineBox now, std::u16string c, bool typing = true) {
  return Event{Event::Key, std::move(now), std::nullopt, std::move(c), typing};
}
Event enter(std::u16string line) { return press(at(std::move(line)), LineKey::Enter, u"\r"); }
Event after(Event::Kind kind, LineBox now = {}) {
  return Event{kind, std::move(now), std::nullopt, {}, false};
}
Event sized(Event::Kind kind, int width, int height) {
  Event e = after(kind);
  e.width = width;
  e.height = height;
  return e;
}

Event zoom(ZoomKey key) {
  Event e = after(Event::Zoom);
  e.zoomKey = key;
  return e;
}
Event wheel(int delta) { return sized(Event::Wheel, delta, 0); }

struct Step {
  Event event;
  std::string update;
};

struct Scenario {
  const char* name;
  std::vector<Step> steps;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

const Scenario kScenarios[] = {
    {"the window opens on the banner, the focus in the input box", {}},
    {"Enter runs the line, keeps it, empties the box; blanks stay",
     {{enter(u"say a"), "log input=replace()[0,0] taken"},
      {enter(u"   "), "log taken"},
      {press(at(u""), LineKey::Up), "input=insert(say a)say a[5,5] taken"}}},
    {"a character goes to the key handler, then to the box; typing completes",
     {{chars(at(u"he"), u"l"), "log"},
      {after(Event::Typed, at(u"hel")), "input=insert(p)help[3,4]"},
      {press(LineBox{u"help", 3, 4}, LineKey::Right), "input=keep()help[4,4] taken"}}},
    {"Enter after a completion runs what was typed",
     {{after(Event::Typed, at(u"he")), "input=insert(lp)help[2,4]"},
      {press(LineBox{u"help", 2, 4}, LineKey::Enter, u"\r"), "log input=replace()[0,0] taken"}}},
    {"leaving the box takes the completion back",
     {{after(Event::Typed, at(u"he")), "input=insert(lp)help[2,4]"},
      {after(Event::Left, LineBox{u"help", 2, 4}), "input=replace(he)he[2,2]"}}},
    {"the search shows in the frame's caption until Esc",
     {{enter(u"say abc"), "log input=replace()[0,0] taken"},
      {press(at(u""), LineKey::Search, u"\x12"), "log frame=输入Input (搜索历史 search: ) taken"},
      {chars(at(u""), u"b"),
       "log input=insert(say abc)say abc[5,6] frame=输入Input (搜索历史 "
       "search: b) taken"},
      {press(LineBox{u"say abc", 5, 6}, LineKey::Escape, u"\x1b"),
       "log input=replace()[0,0] frame=输入Input taken"}}},
    {"a key the line leaves alone is the box's: Left, a control character",
     {{press(at(u"ab"), LineKey::Left), ""},
      {chars(at(u"ab"), u"\x03", false), "log"},
      {after(Event::Edited, at(u"ab", 1)), ""}}},
    {"commands that change the window say so, once",
     {{enter(u"title 新 标题"), "log input=replace()[0,0] caption=新 标题 taken"},
      {enter(u"title 新 标题"), "log input=replace()[0,0] taken"},
      {enter(u"bm"),
       "log input=replace()[0,0] log=80000001/00FFFFFF box=80000001/00FFFFFF dark "
       "taken"},
      {enter(u"bm"),
       "log input=replace()[0,0] log=00FFFFFF/00000000 box=00FFFFFF/00000000 light "
       "taken"},
      {after(Event::Colours), "log=00FFFFFF/00000000 box=00FFFFFF/00000000"},
      {enter(u"hide"), "log input=replace()[0,0] hidden taken"}}},
    {"the zoom keys and the wheel step the zoom, shown after the log frame's caption",
     {{zoom(ZoomKey::In), "zoom=110 logframe=日志Log 110%"},
      {wheel(60), ""},
      {wheel(60), "zoom=125 logframe=日志Log 125%"},
      {zoom(ZoomKey::Reset), "zoom=100 logframe=日志Log"},
      {zoom(ZoomKey::Reset), ""}}},
    {"a contrast theme paints in the system's colours, the scheme changing beneath it",
     {{after(Event::Contrast),
       "log=80000005/80000008 box=80000005/80000008 marks=8000000D/8000000E,80000008/80000005"},
      {enter(u"bm"), "log input=replace()[0,0] dark taken"},
      {after(Event::Colours),
       "log=80000001/00FFFFFF box=80000001/00FFFFFF "
       "marks=8000000D/8000000E,0040C0FF/00000000,tint"}}},
    {"the layout follows the outer size, except while minimised",
     {{sized(Event::Resized, 7935, 5415), "layout=7470x3920/4145"},
      {sized(Event::Minimised, 2400, 600), ""},
      {sized(Event::Resized, 400, 1000), "layout=0x0/0"}}},
    {"stop ends at once; only the close button unloads, once",
     {{enter(u"stop"), "log input=replace()[0,0] taken stop"},
      {after(Event::Close), "quit"},
      {after(Event::Close), "quit"}}},
};

class WindowControllerRun : public ::testing::Test {
 protected:
  WindowUpdate handle(const Event& e) {
    switch (e.kind) {
      case Event::Key:
        return controller.inputKey(e.now, InputKey{e.key, e.chars, e.typing});
      case Event::Edited:
        return controller.inputEdited(e.now, false);
      case Event::Typed:
        return controller.inputEdited(e.now, true);
      case Event::Left:
        return controller.inputLeft(e.now);
      case Event::Colours:
      case Event::Contrast:
        return controller.coloursChanged(e.kind == Event::Contrast);
      case Event::Zoom:
        return controller.zoomKey(e.zoomKey);
      case Event::Wheel:
        return controller.zoomWheel(e.width);
      case Event::Close:
        return controller.close();
      case Event::Resized:
      case Event::Minimised:
        return controller.resized(e.width, e.height, e.kind == Event::Minimised);
    }
    return {};
  }

  FixedClock clock;
  RecordingMediaDevice media;
  const std::unique_ptr<CodePage> codePage = systemCodePage();
  WindowController controller{Services{clock, media, *codePage, std::filesystem::path("/opt/zor")}};
};

class WindowControllerTest : public WindowControllerRun,
                             public ::testing::WithParamInterface<Scenario> {};

TEST_P(WindowControllerTest, EventsInUpdatesOut) {
  EXPECT_EQ(described(controller.load()),
            "log frame=输入Input caption=ZOR命令符-DEZEZA log=00FFFFFF/00000000 "
            "box=00FFFFFF/00000000 focus layout=7455x3735/3960");
  for (const Step& step : GetParam().steps) {
    EXPECT_EQ(described(handle(step.event)), step.update) << GetParam().name;
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, WindowControllerTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& row) {
                           return "Scenario" + std::to_string(row.index);
                         });

// What the rows above leave to the console itself: the log and the media.
TEST_F(WindowControllerRun, TheLineRunIsTheLineTypedAndStopDoesNotUnload) {
  controller.load();
  controller.inputEdited(at(u"he"), true);
  controller.inputKey(LineBox{u"help", 2, 4}, InputKey{LineKey::Enter, u"\r"});
  EXPECT_TRUE(controller.console().log.text().ends_with(
      u"[09:05:07]>>>he\r\n[09:05:07]无法识别的命令！请仔细检查你的命令！\r\n"));
  EXPECT_EQ(controller.history().lines(), std::deque<std::u16string>{u"he"});

  controller.inputKey(at(u"stop"), InputKey{LineKey::Enter, u"\r"});
  EXPECT_TRUE(media.commands.empty());
  controller.close();
  controller.close();
  EXPECT_EQ(media.commands, std::vector<std::u16string>{u"close "});
}

}  // namespace
}  // namespace zor::test
