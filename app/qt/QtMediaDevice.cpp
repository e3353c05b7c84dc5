#include "app/qt/QtMediaDevice.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace zor {

struct QtMediaDevice::Playback {
  QAudioOutput output;
  QMediaPlayer player;

  explicit Playback(const QString& path) {
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(path));
    player.play();
  }
};

QtMediaDevice::QtMediaDevice() = default;
QtMediaDevice::~QtMediaDevice() = default;

void QtMediaDevice::chooseBackend() {
  // Qt's FFmpeg back-end crashes on machines without an audio device;
  // GStreamer plays to a dummy output there.
  if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
  }
}

void QtMediaDevice::send(std::u16string_view command) {
  constexpr std::u16string_view kPlay = u"play ";
  constexpr std::u16string_view kClose = u"close ";
  if (command.starts_with(kPlay)) {
    const std::u16string path(command.substr(kPlay.size()));
    if (const auto known = playing_.find(path); known != playing_.end()) {
      // Still playing: it goes on. Played to its end: it starts again.
      QMediaPlayer& player = known->second->player;
      if (player.playbackState() != QMediaPlayer::PlayingState) {
        player.setPosition(0);
        player.play();
      }
      return;
    }
    const QString file = QString::fromStdU16String(path);
    if (QFileInfo(file).isFile()) {
      playing_.emplace(path, std::make_unique<Playback>(file));
    }
  } else if (command.starts_with(kClose)) {
    playing_.erase(std::u16string(command.substr(kClose.size())));
  }
}

bool QtMediaDevice::playing(std::u16string_view path) {
  QCoreApplication::processEvents();
  const auto found = playing_.find(path);
  return found != playing_.end() &&
         found->second->player.playbackState() == QMediaPlayer::PlayingState;
}

long long QtMediaDevice::positionMs(const std::u16string& path) const {
  const auto found = playing_.find(path);
  return found == playing_.end() ? -1 : found->second->player.position();
}

bool QtMediaDevice::settled(const std::u16string& path) const {
  const auto found = playing_.find(path);
  if (found == playing_.end()) {
    return true;
  }
  const QMediaPlayer::MediaStatus status = found->second->player.mediaStatus();
  return status != QMediaPlayer::NoMedia && status != QMediaPlayer::LoadingMedia &&
         status != QMediaPlayer::StalledMedia;
}

}  // namespace zor
