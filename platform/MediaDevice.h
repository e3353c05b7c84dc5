#pragma once

#include <string_view>

namespace zor {

// A multimedia device driven by command texts such as "play <path>" and
// "close <path>". It never reports back: results are not the caller's concern.
class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  virtual void send(std::u16string_view command) = 0;
};

}  // namespace zor
