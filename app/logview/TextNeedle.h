#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// A plain text to find in the log, exactly or with ASCII and full-width
// Latin letters (ａ–ｚ, Ａ–Ｚ) matched in either case. A match never starts
// or ends inside a surrogate pair. The search reads the text in place with
// Horspool's skips, forwards or backwards, so a needle of a few characters
// passes over most of a long log without looking at every character.
class TextNeedle {
 public:
  static constexpr std::size_t npos = std::u16string_view::npos;

  TextNeedle() = default;
  TextNeedle(std::u16string_view text, bool matchCase);

  bool empty() const { return folded_.empty(); }
  std::size_t size() const { return folded_.size(); }

  // The first match that starts in [from, to) and lies wholly in `text`.
  std::size_t findForward(std::u16string_view text, std::size_t from, std::size_t to) const;
  // The last match that starts in [from, to) and lies wholly in `text`.
  std::size_t findBackward(std::u16string_view text, std::size_t from, std::size_t to) const;
  // Whether a match starts at `position`.
  bool matchesAt(std::u16string_view text, std::size_t position) const;

 private:
  char16_t fold(char16_t unit) const;
  bool splitsPair(std::u16string_view text, std::size_t position) const;
  bool sameAt(std::u16string_view text, std::size_t position) const;

  std::u16string folded_;
  bool matchCase_ = true;
  // How far the window may move when the unit under its last (forwards) or
  // first (backwards) place is one of a bucket of units, by low byte.
  std::array<std::uint32_t, 256> forwardSkip_{};
  std::array<std::uint32_t, 256> backwardSkip_{};
};

}  // namespace zor
