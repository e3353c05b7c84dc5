#pragma once

#include "app/logview/TextNeedle.h"
#include "interpreter/Log.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

struct TextMatch {
  std::size_t start = 0;
  std::size_t size = 0;
  std::size_t end() const { return start + size; }
  bool operator==(const TextMatch&) const = default;
};

// Find in the log: the current match, the way up (older) and down (newer)
// from it, the matches in a stretch of the log for highlighting, and the
// "n/m" count. Every occurrence of the needle is a match, overlapping ones
// too. Counting reads the whole log, so it goes in steps of a bounded
// number of characters that the window takes between its events; what the
// log gains at its end is counted on from where the count stood.
class LogFind {
 public:
  // A new text to find; forgets the current match and starts the count
  // again. An empty text finds nothing.
  void setNeedle(std::u16string_view text, bool matchCase);
  const TextNeedle& needle() const { return needle_; }

  // The nearest match that starts before `position`, else (wrapping) the
  // last in the log; it becomes the current match. As the user types, the
  // search starts from the bottom of the view.
  std::optional<TextMatch> findFrom(const Log& log, std::size_t position);
  // The match before (older, higher) or after (newer, lower) the current
  // one, wrapping around; from the end of the log when there is none.
  std::optional<TextMatch> previous(const Log& log);
  std::optional<TextMatch> next(const Log& log);
  const std::optional<TextMatch>& current() const { return current_; }

  // Every match that overlaps [begin, end).
  std::vector<TextMatch> matchesIn(const Log& log, std::size_t begin, std::size_t end) const;

  // Follows the log: after a change that was not an append at the end (a
  // `clear`, a load taken back), or an append that completed a surrogate
  // pair the log ended in, forgets a current match that is gone and counts
  // again.
  void follow(const Log& log);

  // Counts on over at most `characters` more of the log; true once the
  // count is complete. A slice of kCountSlice takes a few milliseconds, so
  // the window answers keys between slices.
  static constexpr std::size_t kCountSlice = std::size_t{1} << 22;
  bool countStep(const Log& log, std::size_t characters);
  bool counted(const Log& log) const;
  // "3/17": the current match's place among all and their number; "0/3"
  // with no current match, "0/0" with none at all. Empty while counting.
  std::u16string countText(const Log& log) const;

 private:
  enum class Step { Jump, Up, Down };
  std::optional<TextMatch> findUp(const Log& log, std::size_t position, Step step);
  std::optional<TextMatch> findDown(const Log& log, std::size_t position, Step step);
  void moveTo(const Log& log, std::size_t at, Step step);
  void restartCount();

  TextNeedle needle_;
  std::optional<TextMatch> current_;
  std::uint64_t generation_ = 0;
  std::size_t followed_ = 0;  // the log's size when it was last followed
  // Matches that start before `scanned_`, and how many of them start
  // before the current match.
  std::size_t scanned_ = 0;
  std::size_t total_ = 0;
  std::size_t before_ = 0;
};

}  // namespace zor
