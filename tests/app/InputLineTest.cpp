#include "app/ConsoleCommands.h"
#include "app/InputLine.h"
#include "app/PastedLine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace zor::test {
namespace {

// Keys as a line of text: characters are typed, <...> names a key.
const std::map<std::u16string, LineKey, std::less<>> kKeys = {
    {u"Up", LineKey::Up},        {u"Down", LineKey::Down},     {u"Left", LineKey::Left},
    {u"Right", LineKey::Right},  {u"Home", LineKey::Home},     {u"End", LineKey::End},
    {u"BS", LineKey::Backspace}, {u"Del", LineKey::Delete},    {u"Esc", LineKey::Escape},
    {u"Enter", LineKey::Enter},  {u"Ctrl+R", LineKey::Search}, {u"Ctrl+G", LineKey::Cancel}};

// The plain editing of a one-line box, for the keys the line leaves to it.
LineBox edit(LineBox box, LineKey key) {
  const std::size_t caret = box.end;
  const bool selected = box.start != box.end;
  switch (key) {
    case LineKey::Left:
      box.end = selected ? box.start : (caret > 0 ? caret - 1 : 0);
      break;
    case LineKey::Right:
      box.end = selected ? box.end : std::min(caret + 1, box.text.size());
      break;
    case LineKey::Home:
      box.end = 0;
      break;
    case LineKey::End:
      box.end = box.text.size();
      break;
    case LineKey::Backspace:
    case LineKey::Delete:
      if (selected) {
        box.text.erase(box.start, box.end - box.start);
        box.end = box.start;
      } else if (key == LineKey::Backspace && caret > 0) {
        box.text.erase(--box.end, 1);
      } else if (key == LineKey::Delete && caret < box.text.size()) {
        box.text.erase(caret, 1);
      }
      break;
    default:
      break;
  }
  box.start = box.end;
  return box;
}

// The box with its selection in brackets, or a bar at the caret.
std::u16string shown(const LineBox& box) {
  std::u16string text = box.text;
  if (box.start == box.end) {
    return text.insert(box.end, u"|");
  }
  return text.insert(box.end, u"]").insert(box.start, u"[");
}

struct Row {
  bool ai;
  std::u16string_view keys;
  std::u16string_view box;
  std::u16string_view caption;    // empty for the frame's own caption
  std::u16string_view ran = u"";  // what the last Enter ran
};

constexpr std::u16string_view kSearch = u"输入Input (搜索历史 search: ";

// clang-format off
const Row kRows[] = {
    // Completion from the history, newest first, then from the keywords in table order.
    {false, u"s", u"s[ay hi there]", u""},
    {false, u"say h", u"say h[i there]", u""},
    {false, u"say he", u"say he[llo]", u""},
    {false, u"he", u"he[lp]", u""},
    {false, u"help", u"help|", u""},
    {false, u"cl", u"cl[ear]", u""},
    {false, u"m", u"m[inecraft]", u""},
    {false, u"M", u"M[C]", u""},
    {false, u"t", u"t[itle]", u""},
    {false, u"to", u"to[p]", u""},
    {false, u"A", u"A[I on]", u""},
    {false, u"AI o", u"AI o[n]", u""},
    {false, u"loada", u"loada[ddsave]", u""},
    {false, u"x", u"x|", u""},
    {true, u"s", u"s|", u""},
    {true, u"cl", u"cl|", u""},
    // Accepted with Right or End; taken back by the other keys.
    {false, u"say h<Right>", u"say hi there|", u""},
    {false, u"say h<End>!", u"say hi there!|", u""},
    {false, u"sa<BS>", u"sa|", u""},
    {false, u"sa<Del>", u"sa|", u""},
    {false, u"sa<Esc>", u"sa|", u""},
    {false, u"sa<Esc><Esc>", u"|", u""},
    {false, u"sa<Left>x", u"sx|a", u""},
    {false, u"sa<Home>", u"|sa", u""},
    {false, u"say h<Enter>", u"|", u"", u"say h"},
    {false, u"say h<Right><Enter>", u"|", u"", u"say hi there"},
    {false, u"sa<Up>", u"say hi there|", u""},
    {false, u"sa<Up><Up><Down><Down>", u"sa|", u""},
    // Ctrl+R searches back for lines holding the text, the match selected.
    {false, u"<Ctrl+R>", u"|", u")"},
    {false, u"dra<Ctrl+R>", u"dra|", u")"},
    {false, u"<Ctrl+R>h", u"say [h]i there", u"h)"},
    {false, u"<Ctrl+R>h<Ctrl+R>", u"[h]elp", u"h)"},
    {false, u"<Ctrl+R>h<Ctrl+R><Ctrl+R>", u"say [h]ello", u"h)"},
    {false, u"<Ctrl+R>h<Ctrl+R><Ctrl+R><Ctrl+R>", u"say [h]ello", u"h: 无匹配 no match)"},
    {false, u"<Ctrl+R>hel", u"[hel]p", u"hel)"},
    {false, u"<Ctrl+R>hel<Ctrl+R>", u"say [hel]lo", u"hel)"},
    {false, u"<Ctrl+R>hel<Ctrl+R><BS>", u"say hi t[he]re", u"he)"},
    {false, u"<Ctrl+R>helx", u"[hel]p", u"helx: 无匹配 no match)"},
    {false, u"<Ctrl+R>helx<BS>", u"[hel]p", u"hel)"},
    {false, u"dra<Ctrl+R>h<BS>", u"dra|", u")"},
    {false, u"<Ctrl+R>zz", u"|", u"zz: 无匹配 no match)"},
    {true, u"<Ctrl+R>hel", u"[hel]p", u"hel)"},
    // Enter runs the line shown; Esc and Ctrl+G give back the draft; the
    // arrows, Home and End keep the line for editing.
    {false, u"<Ctrl+R>hel<Ctrl+R><Enter>", u"|", u"", u"say hello"},
    {false, u"dra<Ctrl+R>hel<Esc>", u"dra|", u""},
    {false, u"dra<Ctrl+R>hel<Ctrl+G>", u"dra|", u""},
    {false, u"dra<Ctrl+R>hel<Esc><Esc>", u"|", u""},
    {false, u"sa<Ctrl+R>hel<Esc>", u"sa|", u""},
    {false, u"<Ctrl+R>lp<Left>", u"he|lp", u""},
    {false, u"<Ctrl+R>lp<Home>", u"|help", u""},
    {false, u"<Ctrl+R>he<End>", u"say hi there|", u""},
    {false, u"<Ctrl+R>he<Right>!", u"say hi there!|", u""},
    {false, u"<Ctrl+R>hel<Up>", u"help|", u""},
    {false, u"<Ctrl+R>hel<Down><Up>", u"say hi there|", u""},
    {false, u"<Ctrl+R>hel<Del>", u"|p", u""},
};
// clang-format on

TEST(InputLineTest, CompletesAndSearchesAsTheKeysSay) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(std::string(row.keys.begin(), row.keys.end()));
    InputHistory history;
    for (const std::u16string_view line : {u"say hello", u"help", u"say hi there"}) {
      history.add(line);
    }
    FormVariables vars;
    vars.aii = row.ai ? u"1" : u"0";
    InputLine line(history, vars, consoleCommands().table);
    LineBox box;
    std::u16string ran;
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      if (row.keys[i] != u'<') {
        if (!line.type(box, row.keys[i])) {
          box.text.replace(box.start, box.end - box.start, 1, row.keys[i]);
          box.start = box.end = box.start + 1;
          line.typed(box);
        }
        box = line.box();
        continue;
      }
      const std::size_t close = row.keys.find(u'>', i);
      const LineKey key = kKeys.find(row.keys.substr(i + 1, close - i - 1))->second;
      i = close;
      const bool taken = line.press(box, key);
      box = line.box();
      if (key == LineKey::Enter) {
        ran = box.text;
        box = LineBox{};
      } else if (!taken) {
        box = edit(box, key);
        line.edited(box);
      }
    }
    EXPECT_EQ(shown(box), row.box);
    EXPECT_EQ(line.caption(), row.caption.empty()
                                  ? std::u16string(kInputCaption)
                                  : std::u16string(kSearch) + std::u16string(row.caption));
    EXPECT_EQ(ran, row.ran);
  }
}

TEST(InputLineTest, APasteKeepsWhatComesBeforeItsFirstLineBreak) {
  struct Paste {
    std::u16string_view after;
    std::size_t caret;
    std::u16string_view kept;  // with the caret as a bar
  };
  for (const Paste& paste :
       {Paste{u"abx\nycd", 5, u"abx|cd"}, Paste{u"first\r\nsay second\r\n", 20, u"first|"},
        Paste{u"\nb", 1, u"|b"}, Paste{u"a\rb\nc", 5, u"a|"}}) {
    const std::optional<LineBox> cut = cutAtLineBreak(paste.after, paste.caret);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(shown(*cut), paste.kept);
  }
  EXPECT_EQ(cutAtLineBreak(u"say a\tb", 7), std::nullopt);
}

}  // namespace
}  // namespace zor::test
