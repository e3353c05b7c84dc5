#include "app/qt/Form1.h"
#include "app/qt/QtMediaDevice.h"
#include "platform/CodePage.h"
#include "platform/Utf8.h"
#include "tests/support/Fakes.h"
#include "tests/support/TemporaryDirectory.h"

#include <QLineEdit>

#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace zor::test {
namespace {

namespace fs = std::filesystem;

// Real files played by the real back-end: a 3-second tone made with sox and
// lame, the same tone under a name with blanks, and a text file named .mp3.
class QtMediaDeviceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    temporary_ = std::make_unique<TemporaryDirectory>();
    directory_ = temporary_->path();
    const std::string dir = directory_.string();
    const std::string make = "sox -q -n -r 44100 -c 1 -b 16 '" + dir +
                             "/tone.wav' synth 3 sine 440 && lame --quiet '" + dir +
                             "/tone.wav' '" + dir + "/tone.mp3'";
    ASSERT_EQ(std::system(make.c_str()), 0) << make;
    const std::string shortTone = "sox -q -n -r 44100 -c 1 -b 16 '" + dir +
                                  "/short.wav' synth 0.4 sine 440 && lame --quiet '" + dir +
                                  "/short.wav' '" + dir + "/short.mp3'";
    ASSERT_EQ(std::system(shortTone.c_str()), 0) << shortTone;
    fs::copy_file(directory_ / "tone.mp3", directory_ / "two words.mp3");
    std::ofstream(directory_ / "text.mp3") << "not a sound\r\n";
  }

  static void TearDownTestSuite() { temporary_.reset(); }

  static std::u16string path(const char* name) { return fromUtf8((directory_ / name).string()); }

  // Playback is proved by its position moving on, not by the player's state.
  bool advances(const std::u16string& file) {
    return QTest::qWaitFor([&] { return device.positionMs(file) > 300; }, 20000);
  }

  QtMediaDevice device;
  static std::unique_ptr<TemporaryDirectory> temporary_;
  static fs::path directory_;
};

std::unique_ptr<TemporaryDirectory> QtMediaDeviceTest::temporary_;
fs::path QtMediaDeviceTest::directory_;

// GStreamer's first start in a process scans its plug-ins, which takes
// seconds on a busy machine; the play call is timed once that is done.
TEST_F(QtMediaDeviceTest, PlayReturnsAtOnceAndThePositionAdvances) {
  device.send(u"play " + path("short.mp3"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return device.positionMs(path("short.mp3")) > 0; }, 20000));
  device.send(u"close " + path("short.mp3"));
  const auto start = std::chrono::steady_clock::now();
  device.send(u"play " + path("tone.mp3"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(advances(path("tone.mp3")));
}

TEST_F(QtMediaDeviceTest, TwoFilesPlayAtOnceAndCloseStopsOnlyItsOwn) {
  const std::u16string first = path("tone.mp3");
  const std::u16string second = path("two words.mp3");
  device.send(u"play " + first);
  device.send(u"play " + second);
  EXPECT_TRUE(advances(first));
  EXPECT_TRUE(advances(second));
  device.send(u"close " + first);
  EXPECT_EQ(device.positionMs(first), -1);
  const long long before = device.positionMs(second);
  EXPECT_TRUE(QTest::qWaitFor([&] { return device.positionMs(second) > before; }, 20000));
}

TEST_F(QtMediaDeviceTest, WhatCannotPlayDoesNothing) {
  for (const std::u16string& command :
       {u"play " + path("missing.mp3"), std::u16string(u"play "), std::u16string(u"play"),
        u"close " + path("missing.mp3"), std::u16string(u"close "), u"pause " + path("tone.mp3"),
        u"play " + path("text.mp3"), u"play " + fromUtf8(directory_.string())}) {
    device.send(command);
  }
  // Only the text file gets a player, which finds nothing to play in it.
  EXPECT_TRUE(QTest::qWaitFor([&] { return device.settled(path("text.mp3")); }, 20000));
  EXPECT_EQ(device.positionMs(path("missing.mp3")), -1);
  EXPECT_EQ(device.positionMs(path("tone.mp3")), -1);
  EXPECT_LE(device.positionMs(path("text.mp3")), 0);
  device.send(u"close " + path("text.mp3"));
  EXPECT_EQ(device.positionMs(path("text.mp3")), -1);
}

TEST_F(QtMediaDeviceTest, PlayGoesOnWhilePlayingAndStartsAgainAfterTheEnd) {
  const std::u16string tone = path("tone.mp3");
  device.send(u"play " + tone);
  EXPECT_TRUE(advances(tone));
  device.send(u"play " + tone);
  EXPECT_GT(device.positionMs(tone), 300);

  const std::u16string once = path("short.mp3");
  device.send(u"play " + once);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !device.playing(once); }, 20000));
  device.send(u"play " + once);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        const long long at = device.positionMs(once);
        return at > 0 && at < 300;
      },
      5000));
}

// pm in the window plays the file from the program directory; closing the
// window stops it.
TEST_F(QtMediaDeviceTest, TheWindowPlaysAndItsCloseStops) {
  FixedClock clock;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, device, *codePage, directory_});
  form.show();
  auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  QTest::keyClicks(text2, QStringLiteral("pm tone"));
  QTest::keyClick(text2, Qt::Key_Return);
  EXPECT_TRUE(advances(path("tone.mp3")));
  form.close();
  EXPECT_EQ(device.positionMs(path("tone.mp3")), -1);
}

}  // namespace
}  // namespace zor::test
