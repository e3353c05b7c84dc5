#include "app/logview/LogFind.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace zor::test {
namespace {

// Steps through the matches: 'p' goes up (previous, older), 'n' down (next,
// newer), 'a' appends "ab\r\n" to the log, 'h' the low half of a pair,
// 't' takes the log back to 6 characters, 'c' clears it. After each step: the current match's start
// ("-" for none) and the count, counted in steps of 3 characters.
std::string run(Log& log, LogFind& find, std::string_view steps) {
  std::string seen;
  for (const char step : steps) {
    if (step == 'p') {
      find.previous(log);
    } else if (step == 'n') {
      find.next(log);
    } else if (step == 'a') {
      log.append(u"ab\r\n");
    } else if (step == 'h') {
      log.append(u"\xDE00");
    } else if (step == 't') {
      log.truncate(6);
    } else if (step == 'c') {
      log.replace(u"");
    }
    find.follow(log);
    while (!find.countStep(log, 3)) {
    }
    const std::u16string count = find.countText(log);
    if (!seen.empty()) {
      seen += ' ';
    }
    seen += find.current() ? std::to_string(find.current()->start) : "-";
    seen += ':';
    seen.append(count.begin(), count.end());
  }
  return seen;
}

struct FindCase {
  std::u16string_view log;
  std::u16string_view needle;
  bool matchCase;
  std::string_view steps;
  std::string_view seen;
};

class LogFindTest : public testing::TestWithParam<FindCase> {};

TEST_P(LogFindTest, StepsThroughTheMatchesAndCountsThem) {
  const FindCase& c = GetParam();
  Log log;
  log.append(c.log);
  LogFind find;
  find.setNeedle(c.needle, c.matchCase);
  EXPECT_EQ(run(log, find, c.steps), c.seen);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LogFindTest,
    testing::Values(
        // Up from the end, wrapping at the top; down wraps at the bottom.
        FindCase{u"ab\r\nab\r\nab\r\n", u"ab", true, "pppp", "8:3/3 4:2/3 0:1/3 8:3/3"},
        FindCase{u"ab\r\nab\r\nab\r\n", u"ab", true, "pnnn", "8:3/3 0:1/3 4:2/3 8:3/3"},
        // Overlapping occurrences are matches each; a match at a line end.
        FindCase{u"aaaa", u"aa", true, "ppp", "2:3/3 1:2/3 0:1/3"},
        FindCase{u"xb\r\nyb", u"b\r", true, "pp", "1:1/1 1:1/1"},
        // Case: ASCII and full-width Latin letters fold unless case matters;
        // other letters never do.
        FindCase{u"Ab aB ＡＢ ａｂ", u"ab", false, "pp", "3:2/2 0:1/2"},
        FindCase{u"Ab aB ＡＢ ａｂ", u"ａｂ", false, "pp", "9:2/2 6:1/2"},
        FindCase{u"Ab aB ＡＢ ａｂ", u"ab", true, "p", "-:0/0"},
        FindCase{u"ÄÖ äö", u"äö", false, "pp", "3:1/1 3:1/1"},
        // Never half of a surrogate pair.
        FindCase{u"\xD83D\xDE00 \xDE00", u"\xDE00", true, "pp", "3:1/1 3:1/1"},
        FindCase{u"\xD83D\xDE00\xD83D", u"\xD83D", true, "pp", "2:1/1 2:1/1"},
        FindCase{u"a\xD83D\xDE00", u"a\xD83D\xDE00", true, "p", "0:1/1"},
        // Nothing, or an empty needle, finds nothing.
        FindCase{u"abc", u"x", true, "pn", "-:0/0 -:0/0"},
        FindCase{u"abc", u"", true, "p", "-:0/0"},
        // New output keeps the current match and counts on; a load taken
        // back forgets what went with it; `clear` forgets all.
        FindCase{u"ab\r\nab\r\n", u"ab", true, "papn", "4:2/2 4:2/3 0:1/3 4:2/3"},
        FindCase{u"ab\r\nab\r\nab\r\n", u"ab", true, "pt", "8:3/3 -:0/2"},
        FindCase{u"ab\r\nab\r\nab\r\n", u"ab", true, "ppt", "8:3/3 4:2/3 4:2/2"},
        FindCase{u"ab\r\nab\r\n", u"ab", true, "pcap", "4:2/2 -:0/0 -:0/1 0:1/1"},
        // Output that completes the pair the log ended in takes back the
        // match of its lone half.
        FindCase{u"ab\xD83D", u"\xD83D", true, "php", "2:1/1 -:0/0 -:0/0"},
        FindCase{u"\xD83D\xD83D", u"\xD83D", true, "phn", "1:2/2 -:0/1 0:1/1"}));

// Horspool's skips against a plain search, on text of look-alike units
// (the same low byte, a case pair, full-width letters) at every start.
TEST(TextNeedleTest, FindsWhatAPlainSearchFinds) {
  const std::u16string alphabet = u"aAb\u0161\u0162\uFF41\uFF21";
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 300; ++round) {
    std::u16string text(40, u' ');
    for (char16_t& unit : text) {
      unit = alphabet[pick(random)];
    }
    const std::size_t size = 1 + static_cast<std::size_t>(round % 4);
    const std::u16string needle = text.substr(static_cast<std::size_t>(round) % 30, size);
    const TextNeedle exact(needle, true);
    for (std::size_t from = 0; from < text.size(); from += 7) {
      const std::size_t forward = text.find(needle, from);
      EXPECT_EQ(exact.findForward(text, from, text.size()), forward);
      std::size_t backward = text.rfind(needle, text.size() - 1 - from);
      EXPECT_EQ(exact.findBackward(text, 0, text.size() - from), backward);
    }
    std::u16string folded = text;
    std::u16string foldedNeedle = needle;
    for (std::u16string* s : {&folded, &foldedNeedle}) {
      for (char16_t& unit : *s) {
        unit = unit == u'A' ? u'a' : unit == u'\uFF21' ? u'\uFF41' : unit;
      }
    }
    const TextNeedle anyCase(needle, false);
    EXPECT_EQ(anyCase.findForward(text, 0, text.size()), folded.find(foldedNeedle));
    EXPECT_EQ(anyCase.findBackward(text, 0, text.size()), folded.rfind(foldedNeedle));
  }
}

}  // namespace
}  // namespace zor::test
