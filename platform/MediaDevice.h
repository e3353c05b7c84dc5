#pragma once

#include <string_view>

namespace zor {

// A multimedia device driven by command texts such as "play <path>" and
// "close <path>". It never reports back: results are not the caller's concern.
class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  virtual void send(std::u16string_view command) = 0;

  // Whether the file `path` is still playing, like the answer to
  // "status <path> mode". Only a run without a window asks, to wait for the
  // music's end; a device that cannot tell says no.
  virtual bool playing(std::u16string_view /*path*/) { return false; }
};

}  // namespace zor
