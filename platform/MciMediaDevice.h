#pragma once

#include "platform/CodePage.h"
#include "platform/MediaDevice.h"

namespace zor {

// The Windows multimedia command-string interface: each command text goes to
// mciSendStringA in the ANSI code page, its path in quotation marks, with no
// return buffer and no window to notify. The result is not examined. Whether
// a path plays is asked with `status "<path>" mode`.
class MciMediaDevice final : public MediaDevice {
 public:
  explicit MciMediaDevice(const CodePage& codePage) : codePage_(codePage) {}

  void send(std::u16string_view command) override;
  bool playing(std::u16string_view path) override;

 private:
  const CodePage& codePage_;
};

}  // namespace zor
