#pragma once

namespace zor {

// Local time of day on the 24-hour clock.
struct TimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeOfDay now() const = 0;
};

// The machine's local clock.
class SystemClock final : public Clock {
 public:
  TimeOfDay now() const override;
};

}  // namespace zor
