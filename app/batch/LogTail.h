#pragma once

#include "interpreter/Log.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// What the log received since the last look, in UTF-8 with "\n" for each
// CR LF: the lines appended at its end, or all of it once it was replaced
// (so an emptied log gives nothing). The first look gives the whole log.
class LogTail {
 public:
  // Valid until the next call.
  std::string_view take(const Log& log);

 private:
  std::size_t seen_ = 0;
  std::uint64_t generation_ = UINT64_MAX;
  std::string out_;
};

}  // namespace zor
