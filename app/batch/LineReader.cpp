#include "app/batch/LineReader.h"

#include <algorithm>
#include <cstring>

namespace zor {

namespace {

constexpr std::size_t kReadSize = 64 * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source) : source_(source), buffer_(kReadSize) {}

bool LineReader::next(std::string_view& line, std::error_code& error) {
  error.clear();
  for (;;) {
    const char* const start = buffer_.data() + begin_;
    const std::size_t held = end_ - begin_;
    if (const void* lf = std::memchr(start + scanned_, '\n', held - scanned_)) {
      std::size_t length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
      begin_ += length + 1;
      scanned_ = 0;
      if (length > 0 && start[length - 1] == '\r') {
        --length;
      }
      line = std::string_view(start, length);
      return true;
    }
    scanned_ = held;
    if (ended_) {
      if (held == 0) {
        return false;
      }
      begin_ = end_;
      scanned_ = 0;
      line = std::string_view(start, start[held - 1] == '\r' ? held - 1 : held);
      return true;
    }
    // Room for the next read: move the unfinished line to the front, and
    // grow the buffer only for a line longer than it.
    if (begin_ > 0) {
      std::memmove(buffer_.data(), start, held);
      begin_ = 0;
      end_ = held;
    }
    if (buffer_.size() - end_ < kReadSize / 2) {
      buffer_.resize(std::max(buffer_.size() * 2, end_ + kReadSize));
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
