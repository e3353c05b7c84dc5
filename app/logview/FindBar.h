#pragma once

#include "app/logview/LogFind.h"
#include "interpreter/Log.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The keys of find in the log, as both windows read them.
enum class FindKey {
  CtrlF,   // in the log or the input box: open, or select the typed text
  Enter,   // in the find box; with Shift the way down
  F3,      // in the find box; with Shift the way down
  Escape,  // in the find box: close
};

// The find box of both windows: whether it is open, what it looks for, the
// match it has selected in the log and the "n/m" it shows. The window shows
// the box, forwards its keys and its text, runs `search` a short pause after
// the last change and `countStep` while `counting`, and selects and shows
// what it is handed.
class FindBar {
 public:
  struct Outcome {
    bool openBox = false;             // show the box and put the focus in it
    bool selectTyped = false;         // select the box's whole text
    bool closeBox = false;            // hide it; the focus goes to the input box
    std::optional<TextMatch> select;  // select this in the log, on screen
  };

  // Matches on screen: black on amber reads on the light and the dark
  // scheme alike (0x00BBGGRR).
  static constexpr std::uint32_t kHighlightBackground = 0x0040C0FF;
  static constexpr std::uint32_t kHighlightText = 0x00000000;

  static constexpr char16_t kLabel[] = u"查找Find";
  static constexpr char16_t kMatchCase[] = u"区分大小写 Match case";

  bool isOpen() const { return open_; }

  Outcome press(FindKey key, bool shift, const Log& log);

  // The box's text or its Match case changed; `search` finds it later.
  void edit(std::u16string_view text, bool matchCase);
  // The nearest match at or above `bottom`, the first position below the
  // view, as the user types.
  Outcome search(const Log& log, std::size_t bottom);

  // Keeps the current match and the count in step with the log's changes.
  void follow(const Log& log) { find_.follow(log); }
  bool counting(const Log& log) const { return open_ && !find_.counted(log); }
  void countStep(const Log& log) { find_.countStep(log, LogFind::kCountSlice); }
  std::u16string countText(const Log& log) const { return find_.countText(log); }
  // Tints the box: something typed, counted and not found.
  bool nothingFound(const Log& log) const;

  // The matches to highlight in [begin, end) of the log; none while closed.
  std::vector<TextMatch> highlights(const Log& log, std::size_t begin, std::size_t end) const;

 private:
  bool open_ = false;
  std::u16string typed_;
  bool matchCase_ = false;
  LogFind find_;
};

}  // namespace zor
