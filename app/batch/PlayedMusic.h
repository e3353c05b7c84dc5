#pragma once

#include "platform/MediaDevice.h"

#include <atomic>
#include <set>
#include <string>

namespace zor {

// Passes every command on to a device and remembers the paths it was asked
// to play and not to close since, so that a run without a window can wait
// for its music to end.
class PlayedMusic final : public MediaDevice {
 public:
  explicit PlayedMusic(MediaDevice& device) : device_(device) {}

  void send(std::u16string_view command) override;
  bool playing(std::u16string_view path) override { return device_.playing(path); }

  // Returns once none of the paths plays any more, or once `interrupted`
  // is set.
  void waitForEnd(const std::atomic<bool>& interrupted);

 private:
  MediaDevice& device_;
  std::set<std::u16string, std::less<>> paths_;
};

}  // namespace zor
