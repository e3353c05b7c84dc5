#pragma once

#include "platform/ByteStreams.h"

#include <cstddef>
#include <string_view>
#include <system_error>
#include <vector>

namespace zor {

// Splits what a source gives into lines ended by LF or CR LF; the last line
// needs no end. A line is handed out as soon as its end has arrived. A line
// longer than the limit is not read to its end, so an input that never
// ends a line holds no more memory than the limit and a read.
class LineReader {
 public:
  static constexpr std::size_t kLineLimit = std::size_t{64} << 20;  // bytes, without the end

  explicit LineReader(ByteSource& source, std::size_t limit = kLineLimit);

  // The next line, without its end, valid until the next call. False at the
  // end of input, or with `error` set when the source failed; after
  // std::errc::interrupted, a further call goes on where this one stopped.
  // std::errc::value_too_large: the next line is longer than the limit, and
  // reading ends there.
  bool next(std::string_view& line, std::error_code& error);

  // How many lines were handed out.
  std::size_t lines() const noexcept { return lines_; }

 private:
  ByteSource& source_;
  std::size_t limit_;
  std::size_t lines_ = 0;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // first byte not yet handed out
  std::size_t end_ = 0;      // end of the bytes read
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no LF
  bool ended_ = false;
  bool tooLong_ = false;
};

}  // namespace zor
