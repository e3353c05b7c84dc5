#include "app/logview/LogFind.h"

#include "platform/Surrogates.h"

#include <algorithm>
#include <string>

namespace zor {

void LogFind::setNeedle(std::u16string_view text, bool matchCase) {
  needle_ = TextNeedle(text, matchCase);
  current_.reset();
  restartCount();
}

void LogFind::restartCount() {
  scanned_ = 0;
  total_ = 0;
  before_ = 0;
}

void LogFind::moveTo(const Log& log, std::size_t at, Step step) {
  if (at == TextNeedle::npos) {
    current_.reset();
    return;
  }
  const TextMatch match{at, needle_.size()};
  const bool wrapped =
      current_ && (step == Step::Up ? at >= current_->start : at <= current_->start);
  if (step == Step::Jump || !current_) {
    restartCount();
  } else if (wrapped && step == Step::Down) {
    before_ = 0;  // the first match
  } else if (wrapped) {
    if (counted(log)) {
      before_ = total_ - 1;  // the last match
    } else {
      restartCount();
    }
  } else if (current_->start < scanned_ && at < scanned_) {
    // Both lie in what was counted, side by side.
    before_ = step == Step::Down ? before_ + 1 : before_ - 1;
  } else {
    restartCount();
  }
  current_ = match;
}

std::optional<TextMatch> LogFind::findUp(const Log& log, std::size_t position, Step step) {
  const std::u16string_view text = log.text();
  std::size_t at = needle_.findBackward(text, 0, position);
  if (at == TextNeedle::npos) {
    at = needle_.findBackward(text, 0, text.size());
  }
  moveTo(log, at, step);
  return current_;
}

std::optional<TextMatch> LogFind::findDown(const Log& log, std::size_t position, Step step) {
  const std::u16string_view text = log.text();
  std::size_t at = needle_.findForward(text, position + 1, text.size());
  if (at == TextNeedle::npos) {
    at = needle_.findForward(text, 0, text.size());
  }
  moveTo(log, at, step);
  return current_;
}

std::optional<TextMatch> LogFind::findFrom(const Log& log, std::size_t position) {
  return findUp(log, position, Step::Jump);
}

std::optional<TextMatch> LogFind::previous(const Log& log) {
  if (!current_) {
    return findFrom(log, log.text().size());
  }
  return findUp(log, current_->start, Step::Up);
}

std::optional<TextMatch> LogFind::next(const Log& log) {
  if (!current_) {
    return findFrom(log, log.text().size());
  }
  return findDown(log, current_->start, Step::Down);
}

std::vector<TextMatch> LogFind::matchesIn(const Log& log, std::size_t begin,
                                          std::size_t end) const {
  std::vector<TextMatch> found;
  const std::u16string_view text = log.text();
  const std::size_t m = needle_.size();
  std::size_t from = begin >= m ? begin - m + 1 : 0;
  for (;;) {
    const std::size_t at = needle_.findForward(text, from, end);
    if (at == TextNeedle::npos) {
      return found;
    }
    found.push_back({at, m});
    from = at + 1;
  }
}

void LogFind::follow(const Log& log) {
  const std::u16string_view text = log.text();
  const bool rewritten = log.generation() != generation_;
  // An append that begins with the low half of a pair whose high half
  // ended the log takes back a match that ended between the two.
  const bool joined = !rewritten && followed_ > 0 && followed_ < text.size() &&
                      isHighSurrogate(text[followed_ - 1]) && isLowSurrogate(text[followed_]);
  generation_ = log.generation();
  followed_ = text.size();
  const bool gone = current_ && !needle_.matchesAt(text, current_->start);
  if (gone) {
    current_.reset();
  }
  if (rewritten || joined || gone) {
    restartCount();
  }
}

bool LogFind::counted(const Log& log) const {
  const std::size_t m = needle_.size();
  const std::size_t size = log.text().size();
  return m == 0 || m > size || scanned_ >= size - m + 1;
}

bool LogFind::countStep(const Log& log, std::size_t characters) {
  if (counted(log)) {
    return true;
  }
  const std::u16string_view text = log.text();
  const std::size_t stop = std::min(text.size() - needle_.size() + 1, scanned_ + characters);
  for (std::size_t at = needle_.findForward(text, scanned_, stop); at != TextNeedle::npos;
       at = needle_.findForward(text, at + 1, stop)) {
    ++total_;
    if (current_ && at < current_->start) {
      ++before_;
    }
  }
  scanned_ = stop;
  return counted(log);
}

std::u16string LogFind::countText(const Log& log) const {
  if (!counted(log)) {
    return {};
  }
  const std::size_t place = current_ ? before_ + 1 : 0;
  std::string digits = std::to_string(place) + "/" + std::to_string(total_);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace zor
