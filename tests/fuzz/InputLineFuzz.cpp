// Any keys into the input box, as a window hands them to the input line:
// typed characters, the keys the line may take, pastes with line breaks,
// clicks, the focus leaving, AI mode switched. Enter runs what was typed
// or the line a search showed, never a completion that was not accepted;
// the box never holds a line break; the caption tells of a search exactly
// while one runs; the history keeps the lines run, in order.

#include "app/ConsoleCommands.h"
#include "app/InputLine.h"
#include "app/PastedLine.h"
#include "app/WindowTexts.h"
#include "interpreter/KeyPress.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/LineBoxEditing.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>

namespace {

using namespace zor;

// Letters of the history lines and the commands, so that completions and
// matches come often; a pair beyond the BMP; a tab.
constexpr std::u16string_view kLetters = u"sayhelpcrmAI o你好😀\t";
constexpr std::u16string_view kSearch = u"输入Input (搜索历史 search: ";

constexpr LineKey kKeys[] = {LineKey::Up,     LineKey::Down,  LineKey::Left,      LineKey::Right,
                             LineKey::Home,   LineKey::End,   LineKey::Backspace, LineKey::Delete,
                             LineKey::Escape, LineKey::Enter, LineKey::Search,    LineKey::Cancel};

enum class Step { type, press, paste, click, leave, switchAi, count };

class Session {
 public:
  Session() : line_(history_, vars_, consoleCommands().table) {
    for (const std::u16string_view earlier : {u"say hello", u"help", u"say hi there"}) {
      run(earlier);
    }
  }

  void type(char16_t c) {
    const bool searching = searching_;
    if (line_.type(box_, c)) {
      fuzz::check(searching, "only a search takes a typed character");
      query_ += c;
      offered_ = false;
    } else {
      fuzz::check(!searching, "a search takes every typed character");
      const LineBox now = test::typeInto(box_, c);
      line_.typed(now);
      const LineBox& shown = line_.box();
      offered_ = shown != now;
      if (offered_) {
        fuzz::check(vars_.aii == u"0", "no completion in AI mode");
        fuzz::check(shown.text.starts_with(now.text) && shown.start == now.text.size() &&
                        shown.end == shown.text.size(),
                    "a completion adds to what was typed, the addition selected");
        fuzz::check(isHistoryLine(shown.text) || isKeyword(shown.text),
                    "a completion is an earlier line or a command");
      }
    }
    box_ = line_.box();
  }

  void press(LineKey key) {
    const LineBox before = box_;
    const bool offered = std::exchange(offered_, false);
    if (key == LineKey::Search && !searching_) {
      draft_ = offered ? LineBox{before.text.substr(0, before.start), before.start, before.start}
                       : before;
      query_.clear();
    }
    const bool taken = line_.press(box_, key);
    box_ = line_.box();
    const bool wasSearching = std::exchange(searching_, false);
    switch (key) {
      case LineKey::Search:
        searching_ = true;
        break;
      case LineKey::Backspace:
        searching_ = wasSearching;
        if (wasSearching && !query_.empty()) {
          query_.pop_back();
        }
        break;
      case LineKey::Escape:
      case LineKey::Cancel:
        if (wasSearching) {
          fuzz::check(box_ == draft_, "leaving a search gives back the line of before");
        }
        break;
      default:
        break;
    }
    if (key == LineKey::Enter) {
      fuzz::check(!taken, "Enter goes to the box");
      fuzz::check(box_.text == (offered ? before.text.substr(0, before.start) : before.text),
                  "Enter runs what was typed or what a search showed");
      run(box_.text);
    } else if (!taken) {
      edited(test::edit(box_, key));
    }
  }

  // Of a paste in place of the selection, only its first line stays.
  void paste(std::u16string_view text) {
    std::u16string after = box_.text;
    after.replace(box_.start, box_.end - box_.start, text);
    const std::size_t caret = box_.start + text.size();
    edited(cutAtLineBreak(after, caret).value_or(LineBox{after, caret, caret}));
  }

  void click(std::size_t at) {
    at = std::min(at, box_.text.size());
    edited(LineBox{box_.text, at, at});
  }

  void leave() {
    const std::u16string kept = offered_ ? box_.text.substr(0, box_.start) : box_.text;
    line_.leave(box_);
    fuzz::check(line_.box().text == kept, "the focus leaving takes back a completion only");
    box_ = line_.box();
    offered_ = false;
    searching_ = false;
  }

  void switchAi() { vars_.aii = vars_.aii == u"0" ? u"1" : u"0"; }

  void check() const {
    const LineBox& box = line_.box();
    fuzz::check(box == box_, "the box shows the line's box");
    fuzz::check(box.start <= box.end && box.end <= box.text.size(), "the selection is in the box");
    fuzz::check(box.text.find_first_of(u"\r\n") == std::u16string::npos,
                "the box holds no line break");
    const std::u16string caption = line_.caption();
    if (!searching_) {
      fuzz::check(caption == kInputCaption, "no search, the frame's own caption");
      return;
    }
    const std::u16string sought = std::u16string(kSearch) + query_;
    fuzz::check(caption == sought + u")" || caption == sought + u": 无匹配 no match)",
                "a search shows what it seeks");
    if (caption == sought + u")" && !query_.empty()) {
      fuzz::check(
          isHistoryLine(box.text) && box.text.substr(box.start, box.end - box.start) == query_,
          "a search shows an earlier line with the match selected");
    }
  }

 private:
  // The box changed by its own editing.
  void edited(const LineBox& now) {
    if (now != box_) {
      searching_ = false;
      offered_ = false;
    }
    line_.edited(now);
    box_ = line_.box();
  }

  void run(std::u16string_view text) {
    history_.add(text);
    if (!isBlankLine(text) && (lines_.empty() || lines_.back() != text)) {
      lines_.emplace_back(text);
      if (lines_.size() > InputHistory::kLimit) {
        lines_.pop_front();
      }
    }
    fuzz::check(history_.lines() == lines_, "the history keeps the lines run, in order");
    box_ = LineBox{};  // the console empties the box
    line_.edited(box_);
  }

  bool isHistoryLine(std::u16string_view text) const {
    return std::find(lines_.begin(), lines_.end(), text) != lines_.end();
  }
  static bool isKeyword(std::u16string_view text) {
    for (const CommandRow& row : consoleCommands().table) {
      if (std::find(row.keywords.begin(), row.keywords.end(), text) != row.keywords.end()) {
        return true;
      }
    }
    return false;
  }

  InputHistory history_;
  FormVariables vars_;
  InputLine line_;
  LineBox box_;
  std::deque<std::u16string> lines_;  // what the history should hold
  bool offered_ = false;              // the box ends in a completion not yet accepted
  bool searching_ = false;
  std::u16string query_;
  LineBox draft_;  // the line of before the search
};

}  // namespace

// Each step is a byte, and the one after it for a character, a click's
// place or a paste's length.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Session session;
  for (std::size_t i = 0; i < size; ++i) {
    const auto step = static_cast<Step>(data[i] % static_cast<int>(Step::count));
    const std::uint8_t arg = i + 1 < size ? data[i + 1] : 0;
    switch (step) {
      case Step::type:
        session.type(kLetters[arg % kLetters.size()]);
        ++i;
        break;
      case Step::press:
        session.press(kKeys[(data[i] / static_cast<int>(Step::count)) % std::size(kKeys)]);
        break;
      case Step::paste: {
        std::u16string text;
        for (std::size_t n = arg % 8; n > 0 && i + 2 < size; --n, ++i) {
          const std::uint8_t c = data[i + 2];
          text += c % 4 == 0 ? (c & 4 ? u'\r' : u'\n') : kLetters[c % kLetters.size()];
        }
        session.paste(text);
        ++i;
        break;
      }
      case Step::click:
        session.click(arg);
        ++i;
        break;
      case Step::leave:
        session.leave();
        break;
      case Step::switchAi:
        session.switchAi();
        break;
      case Step::count:
        break;
    }
    session.check();
  }
  return 0;
}
