#include "app/logview/FindBar.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace zor::test {
namespace {

// Matches of "apple" start at 0, 9 and 18.
constexpr std::u16string_view kLog = u"apple 1\r\napple 2\r\napple 3\r\n";

// Runs the events against a find bar over kLog, with the view's bottom at
// the log's end, and writes what each one brought about: "open", "all"
// (the typed text selected), "close", "@n" (select the match at n), "+"/"-"
// (start/stop the typing pause), then the count once counted ("..." while
// the box is closed and it is not), "!" when the text field is tinted.
// Events: "^F", "Enter", "S-Enter", "F3", "S-F3", "Esc", "type:TEXT",
// "case:TEXT" (Match case ticked), "pause" (the pause has passed), "clear"
// (the log emptied, unseen by the bar).
std::string run(const std::vector<std::string>& events) {
  Log log;
  log.append(kLog);
  FindBar bar;
  const std::size_t bottom = log.text().size();
  std::string seen;
  for (const std::string& event : events) {
    FindBar::Outcome outcome;
    const bool shift = event.starts_with("S-");
    const std::string key = shift ? event.substr(2) : event;
    if (key == "^F" || key == "Enter" || key == "F3" || key == "Esc") {
      const FindKey findKey = key == "^F"      ? FindKey::CtrlF
                              : key == "Enter" ? FindKey::Enter
                              : key == "F3"    ? FindKey::F3
                                               : FindKey::Escape;
      outcome = bar.press(findKey, shift, log, bottom);
    } else if (key == "pause") {
      outcome = bar.search(log, bottom);
    } else if (key == "clear") {
      log.replace(u"");
    } else {
      const auto colon = key.find(':');
      const std::string text = key.substr(colon + 1);
      outcome = bar.edit(std::u16string(text.begin(), text.end()), key.starts_with("case"));
    }
    while (bar.count(log).counting) {
      bar.countStep(log);
    }
    std::ostringstream out;
    out << (outcome.openBox ? "open " : "") << (outcome.selectTyped ? "all " : "")
        << (outcome.closeBox ? "close " : "");
    if (outcome.select) {
      out << '@' << outcome.select->start << ' ';
    }
    out << (outcome.pause == FindBar::Pause::Start  ? "+ "
            : outcome.pause == FindBar::Pause::Stop ? "- "
                                                    : "");
    const FindBar::Count count = bar.count(log);
    out << (count.text.empty() ? "..." : std::string(count.text.begin(), count.text.end()))
        << (count.tinted ? "!" : "");
    seen += (seen.empty() ? "" : " | ") + out.str();
  }
  return seen;
}

struct KeyCase {
  const char* name;
  std::vector<std::string> events;
  std::string seen;
};

class FindBarKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(FindBarKeys, TurnEventsIntoOutcomes) { EXPECT_EQ(run(GetParam().events), GetParam().seen); }

INSTANTIATE_TEST_SUITE_P(
    FindBar, FindBarKeys,
    testing::Values(
        KeyCase{"PauseThenSteps",
                {"^F", "type:apple", "pause", "Enter", "F3", "Enter", "S-Enter", "S-F3"},
                "open 0/0 | + 0/3 | @18 - 3/3 | @9 2/3 | @0 1/3 | @18 3/3 | @0 1/3 | @9 2/3"},
        // A key right after typing goes where it goes after the pause.
        KeyCase{
            "EnterRightAfterTyping", {"^F", "type:apple", "Enter"}, "open 0/0 | + 0/3 | @9 - 2/3"},
        KeyCase{"ShiftEnterRightAfterTyping",
                {"^F", "type:apple", "S-Enter"},
                "open 0/0 | + 0/3 | @0 - 1/3"},
        KeyCase{"F3RightAfterTyping", {"^F", "type:APPLE", "F3"}, "open 0/0 | + 0/3 | @9 - 2/3"},
        KeyCase{
            "ShiftF3RightAfterTyping", {"^F", "type:app", "S-F3"}, "open 0/0 | + 0/3 | @0 - 1/3"},
        KeyCase{"EscRightAfterTypingKeepsTheMatch",
                {"^F", "type:apple 2", "Esc", "^F"},
                "open 0/0 | + 0/1 | close @9 - ... | open 1/1"},
        KeyCase{"CtrlFRightAfterTypingSelectsTheText",
                {"^F", "type:apple", "^F"},
                "open 0/0 | + 0/3 | all @18 - 3/3"},
        // A second pause after the typed text landed does not move it.
        KeyCase{"PauseAfterAKeyFindsNothingNew",
                {"^F", "type:apple", "Enter", "pause"},
                "open 0/0 | + 0/3 | @9 - 2/3 | - 2/3"},
        KeyCase{"NothingFoundTints",
                {"^F", "type:pear", "pause", "Enter", "type:", "pause"},
                "open 0/0 | + 0/0! | - 0/0! | 0/0! | + 0/0 | - 0/0"},
        KeyCase{"MatchCase",
                {"^F", "case:Apple", "pause", "case:apple", "Enter"},
                "open 0/0 | + 0/0! | - 0/0! | + 0/3 | @9 - 2/3"},
        KeyCase{"TheSameTextAgainWaitsForNothing",
                {"^F", "type:apple", "pause", "type:apple"},
                "open 0/0 | + 0/3 | @18 - 3/3 | 3/3"},
        KeyCase{"ClosedBoxDoesNothing", {"Enter", "type:apple", "Esc"}, "0/0 | ... | - ..."},
        // What the log lost while the box was closed is neither counted
        // nor selected when it opens again.
        KeyCase{"ClearWhileClosed",
                {"^F", "type:apple", "pause", "Esc", "clear", "^F", "Enter"},
                "open 0/0 | + 0/3 | @18 - 3/3 | close @18 - 3/3 | 3/3 | open 0/0! | 0/0!"}),
    [](const auto& test) { return std::string(test.param.name); });

struct PlaceCase {
  const char* name;
  ViewBox textArea;
  ViewBox scrollBar;
  int scale;
  FindBoxPlace expected;
};

class FindBarPlace : public testing::TestWithParam<PlaceCase> {};

// Controls of 60, 120 (at least 40), 150 and 100 pixels, 4 apart, in a
// frame of 2: 454 pixels wide at their natural size, 34 high; times
// `scale`.
TEST_P(FindBarPlace, TopRightClearOfTheScrollBarNeverSmallerThanItsControls) {
  const PlaceCase& c = GetParam();
  const int s = c.scale;
  const FindBoxMeasures measures{{60 * s, 16 * s},
                                 {120 * s, 22 * s},
                                 {150 * s, 20 * s},
                                 {100 * s, 16 * s},
                                 40 * s,
                                 4 * s,
                                 2 * s};
  EXPECT_EQ(FindBar::place(c.textArea, c.scrollBar, measures), c.expected);
}

INSTANTIATE_TEST_SUITE_P(FindBar, FindBarPlace,
                         testing::Values(PlaceCase{"Natural",
                                                   {10, 20, 600, 300},
                                                   {610, 20, 17, 300},
                                                   1,
                                                   {{156, 20, 454, 34},
                                                    {4, 7, 60, 16},
                                                    {68, 4, 120, 22},
                                                    {192, 5, 150, 20},
                                                    {346, 7, 100, 16},
                                                    34}},
                                         // A scroll bar inside the text area's rectangle.
                                         PlaceCase{"LeftOfTheScrollBar",
                                                   {10, 20, 617, 300},
                                                   {610, 20, 17, 300},
                                                   1,
                                                   {{156, 20, 454, 34},
                                                    {4, 7, 60, 16},
                                                    {68, 4, 120, 22},
                                                    {192, 5, 150, 20},
                                                    {346, 7, 100, 16},
                                                    34}},
                                         PlaceCase{"TwiceTheScale",
                                                   {20, 40, 1200, 600},
                                                   {1220, 40, 34, 600},
                                                   2,
                                                   {{312, 40, 908, 68},
                                                    {8, 14, 120, 32},
                                                    {136, 8, 240, 44},
                                                    {384, 10, 300, 40},
                                                    {692, 14, 200, 32},
                                                    68}},
                                         // Narrower: the box as wide as the text area, the text
                                         // field narrower.
                                         PlaceCase{"NarrowShrinksTheTextField",
                                                   {0, 0, 400, 300},
                                                   {},
                                                   1,
                                                   {{0, 0, 400, 34},
                                                    {4, 7, 60, 16},
                                                    {68, 4, 66, 22},
                                                    {138, 5, 150, 20},
                                                    {292, 7, 100, 16},
                                                    34}},
                                         // Too narrow even for the narrowest text field: the box
                                         // keeps its controls' size from the text area's left.
                                         PlaceCase{"TooNarrowKeepsTheControls",
                                                   {5, 0, 300, 20},
                                                   {},
                                                   1,
                                                   {{5, 0, 374, 34},
                                                    {4, 7, 60, 16},
                                                    {68, 4, 40, 22},
                                                    {112, 5, 150, 20},
                                                    {266, 7, 100, 16},
                                                    20}}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zor::test
