#pragma once

#include "platform/MediaDevice.h"

#include <string>

namespace zor {

// `zor --batch [FILE]`: runs the command lines of the file, or of standard
// input when `file` is empty or "-", on this machine's clock, code page and
// program directory, with `media` playing the music. An unreadable file gets
// one line on standard error. Returns the exit status.
int runBatchMode(const std::string& file, MediaDevice& media);

}  // namespace zor
