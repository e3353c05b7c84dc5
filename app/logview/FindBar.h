#pragma once

#include "app/logview/LogFind.h"
#include "app/logview/ViewBox.h"
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

// The find box's controls at their natural size, as the window's toolkit
// measures them, in pixels.
struct FindBoxMeasures {
  ViewSize label;
  ViewSize text;  // the text field, as wide as it would like to be
  ViewSize matchCase;
  ViewSize count;     // as wide as kWidestCount
  int leastText = 0;  // the narrowest the text field may get
  int gap = 0;        // between the controls, and around them inside the frame
  int frame = 0;      // the box's frame, on each side
};

// Where the find box goes: the box in the coordinates it was placed in, its
// controls in the box's inside (within its frame), and how much of the log's
// text area, from its top, the box covers.
struct FindBoxPlace {
  ViewBox box;
  ViewBox label;
  ViewBox text;
  ViewBox matchCase;
  ViewBox count;
  int covered = 0;

  auto operator<=>(const FindBoxPlace&) const = default;
};

// The find box of both windows: whether it is open, what it looks for, the
// match it has selected in the log, the "n/m" it shows and where it goes.
// It decides; FindBoxDriver carries its outcomes out in a window's box.
class FindBar {
 public:
  // Typing searches once it pauses this long, so a fast typist does not
  // wait for a search of every prefix.
  static constexpr int kPauseMs = 150;

  enum class Pause { Keep, Start, Stop };

  struct Outcome {
    bool openBox = false;             // show the box and put the focus in it
    bool selectTyped = false;         // select the box's whole text
    bool closeBox = false;            // hide it; the focus goes to the input box
    std::optional<TextMatch> select;  // select this in the log, on screen
    Pause pause = Pause::Keep;        // the typing pause's timer

    bool operator==(const Outcome&) const = default;
  };

  // The count as the box shows it: the text, whether the text field is
  // tinted (something typed, counted and not found), and whether counting
  // goes on, a slice at a time between the window's events.
  struct Count {
    std::u16string text;
    bool tinted = false;
    bool counting = false;

    bool operator==(const Count&) const = default;
  };

  // Matches on screen: black on amber reads on the light and the dark
  // scheme alike (0x00BBGGRR).
  static constexpr std::uint32_t kHighlightBackground = 0x0040C0FF;
  static constexpr std::uint32_t kHighlightText = 0x00000000;
  // The text field when nothing was found.
  static constexpr std::uint32_t kNothingFoundTint = 0x006666FF;

  static constexpr char16_t kLabel[] = u"查找Find";
  static constexpr char16_t kMatchCase[] = u"区分大小写 Match case";
  // The count is measured as wide as this, so that it does not change the
  // box's size as it counts.
  static constexpr char16_t kWidestCount[] = u"0000000/0000000";

  bool isOpen() const { return open_; }

  // A key, with `bottom` the first position below the view. A key right
  // after typing first finds what was typed, as the pause would have, then
  // does its own step.
  Outcome press(FindKey key, bool shift, const Log& log, std::size_t bottom);

  // The box's text or its Match case changed; the search waits for a pause.
  Outcome edit(std::u16string_view text, bool matchCase);
  // The pause has passed: the nearest match at or above `bottom`, the first
  // position below the view, as the user types.
  Outcome search(const Log& log, std::size_t bottom);

  // Keeps the current match and the count in step with the log's changes.
  void follow(const Log& log) { find_.follow(log); }
  void countStep(const Log& log) { find_.countStep(log, LogFind::kCountSlice); }
  Count count(const Log& log) const;

  // The box at the top right of the log's `textArea`, clear of the
  // `scrollBar` (empty when there is none), at its natural size; in a text
  // area too narrow for that, as wide as the text area with a narrower text
  // field, but never narrower than its controls need.
  static FindBoxPlace place(const ViewBox& textArea, const ViewBox& scrollBar,
                            const FindBoxMeasures& measures);
  // Keeps where the box is, for covered().
  void placed(const FindBoxPlace& place) { covered_ = place.covered; }
  // The pixels of the text area's top the open box hides: a match is shown
  // below them.
  int covered() const { return open_ ? covered_ : 0; }

  // The matches to highlight in [begin, end) of the log; none while closed.
  std::vector<TextMatch> highlights(const Log& log, std::size_t begin, std::size_t end) const;

 private:
  bool open_ = false;
  bool pending_ = false;  // typed, not searched yet
  std::u16string typed_;
  bool matchCase_ = false;
  LogFind find_;
  int covered_ = 0;
};

}  // namespace zor
