#include "app/batch/PlayedMusic.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace zor {

void PlayedMusic::send(std::u16string_view command) {
  constexpr std::u16string_view kPlay = u"play ";
  constexpr std::u16string_view kClose = u"close ";
  if (command.starts_with(kPlay)) {
    paths_.emplace(command.substr(kPlay.size()));
  } else if (command.starts_with(kClose)) {
    if (const auto found = paths_.find(command.substr(kClose.size())); found != paths_.end()) {
      paths_.erase(found);
    }
  }
  device_.send(command);
}

void PlayedMusic::waitForEnd(const std::atomic<bool>& interrupted) {
  // The device does not say when a file ends; it is asked a hundred times a
  // second, which also gives its events their turn.
  while (!interrupted.load()) {
    std::erase_if(paths_, [this](const std::u16string& path) { return !device_.playing(path); });
    if (paths_.empty()) {
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace zor
