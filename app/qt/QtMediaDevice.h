#pragma once

#include "platform/MediaDevice.h"

#include <map>
#include <memory>
#include <string>

namespace zor {

// Plays files through Qt Multimedia, keyed by the whole text after the
// command word: "play <path>" starts <path> in the background (a path that
// still plays goes on; one played to its end starts again), "close <path>"
// stops it and lets it go. Several paths may play at once. Anything else,
// a missing or unplayable file included, does nothing and reports nothing.
class QtMediaDevice final : public MediaDevice {
 public:
  QtMediaDevice();
  ~QtMediaDevice() override;

  // Picks Qt's GStreamer back-end unless the user set QT_MEDIA_BACKEND. Call
  // once, before the application object is made.
  static void chooseBackend();

  void send(std::u16string_view command) override;
  // Hears from the players first: they learn of a file's end through the
  // event loop.
  bool playing(std::u16string_view path) override;

  // How far the playback of `path` has come, or -1 when nothing plays it.
  long long positionMs(const std::u16string& path) const;
  // Whether the player of `path` is done finding out what the file holds
  // (playable or not), or there is none.
  bool settled(const std::u16string& path) const;

 private:
  struct Playback;
  std::map<std::u16string, std::unique_ptr<Playback>, std::less<>> playing_;
};

}  // namespace zor
