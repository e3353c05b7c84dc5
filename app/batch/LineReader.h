#pragma once

#include "platform/ByteStreams.h"

#include <string_view>
#include <system_error>
#include <vector>

namespace zor {

// Splits what a source gives into lines ended by LF or CR LF; the last line
// needs no end. A line is handed out as soon as its end has arrived.
class LineReader {
 public:
  explicit LineReader(ByteSource& source);

  // The next line, without its end, valid until the next call. False at the
  // end of input, or with `error` set when the source failed; after
  // std::errc::interrupted, a further call goes on where this one stopped.
  bool next(std::string_view& line, std::error_code& error);

 private:
  ByteSource& source_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // first byte not yet handed out
  std::size_t end_ = 0;      // end of the bytes read
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no LF
  bool ended_ = false;
};

}  // namespace zor
