#pragma once

#include "platform/ByteStreams.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <string>

namespace zor::test {

// Gives a text in pieces of at most `piece` bytes. `onRead` may set a
// failure for the read with the given number (counted from 0).
class TextSource final : public ByteSource {
 public:
  explicit TextSource(std::string text, std::size_t piece = 7)
      : text_(std::move(text)), piece_(piece) {}

  std::function<std::error_code(int read)> onRead;

  std::error_code readSome(std::span<char> buffer, std::size_t& count) override {
    count = 0;
    if (onRead) {
      if (const std::error_code error = onRead(reads_++)) {
        return error;
      }
    }
    count = std::min({buffer.size(), piece_, text_.size() - at_});
    std::memcpy(buffer.data(), text_.data() + at_, count);
    at_ += count;
    return {};
  }

 private:
  std::string text_;
  std::size_t piece_;
  std::size_t at_ = 0;
  int reads_ = 0;
};

// Keeps what it is given; fails with `failure` once it holds `room` bytes.
class TextSink final : public ByteSink {
 public:
  std::string text;
  std::size_t writes = 0;
  std::size_t room = std::string::npos;
  std::error_code failure = std::make_error_code(std::errc::broken_pipe);

  std::error_code write(std::string_view bytes) override {
    if (text.size() + bytes.size() > room) {
      return failure;
    }
    text += bytes;
    ++writes;
    return {};
  }
};

}  // namespace zor::test
