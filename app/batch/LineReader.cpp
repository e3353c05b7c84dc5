#include "app/batch/LineReader.h"

#include <algorithm>
#include <cstring>

namespace zor {

namespace {

constexpr std::size_t kReadSize = 64 * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t limit)
    : source_(source), limit_(limit), buffer_(kReadSize) {}

bool LineReader::next(std::string_view& line, std::error_code& error) {
  error.clear();
  for (;;) {
    if (tooLong_) {
      error = std::make_error_code(std::errc::value_too_large);
      return false;
    }
    const char* const start = buffer_.data() + begin_;
    const std::size_t held = end_ - begin_;
    if (const void* lf = std::memchr(start + scanned_, '\n', held - scanned_)) {
      std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
      begin_ += length + 1;
      scanned_ = 0;
      if (length > 0 && start[length - 1] == '\r') {
        --length;
      }
      if (length > limit_) {
        tooLong_ = true;
        continue;
      }
      line = std::string_view(start, length);
      ++lines_;
      return true;
    }
    scanned_ = held;
    // A CR at the end may yet be the start of the line's end.
    if (held - (held > 0 && start[held - 1] == '\r' ? 1 : 0) > limit_) {
      tooLong_ = true;
      continue;
    }
    if (ended_) {
      if (held == 0) {
        return false;
      }
      begin_ = end_;
      scanned_ = 0;
      line = std::string_view(start, start[held - 1] == '\r' ? held - 1 : held);
      ++lines_;
      return true;
    }
    // Room for the next read: move the unfinished line to the front, and
    // grow the buffer only for a line longer than it, no further than a
    // line of the limit needs.
    if (begin_ > 0) {
      std::memmove(buffer_.data(), start, held);
      begin_ = 0;
      end_ = held;
    }
    if (buffer_.size() - end_ < kReadSize / 2) {
      buffer_.resize(
          std::max(std::min(buffer_.size() * 2, limit_ + 2 + kReadSize), end_ + kReadSize));
    }
    std::size_t count = 0;
    error = source_.readSome(std::span<char>(buffer_).subspan(end_), count);
    if (error) {
      return false;
    }
    end_ += count;
    ended_ = count == 0;
  }
}

}  // namespace zor
