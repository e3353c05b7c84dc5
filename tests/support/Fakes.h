#pragma once

#include "platform/Clock.h"
#include "platform/MediaDevice.h"

#include <string>
#include <vector>

namespace zor::test {

// A clock that shows whatever time the test sets.
class FixedClock final : public Clock {
 public:
  TimeOfDay time{9, 5, 7};
  TimeOfDay now() const override { return time; }
};

// A media device that remembers every command text it was sent.
class RecordingMediaDevice final : public MediaDevice {
 public:
  std::vector<std::u16string> commands;
  void send(std::u16string_view command) override { commands.emplace_back(command); }
};

}  // namespace zor::test
