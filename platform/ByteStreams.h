#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <system_error>

namespace zor {

// Where bytes come from as they arrive, such as a pipe or a file.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Waits for at least one byte and gives what is there, up to the buffer's
  // size; `count` is 0 only at the end. A wait cut short by a signal gives
  // std::errc::interrupted, so that the caller can look at why.
  virtual std::error_code readSome(std::span<char> buffer, std::size_t& count) = 0;
};

// Where bytes go, all of them or an error.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual std::error_code write(std::string_view bytes) = 0;
};

}  // namespace zor
