#include "tests/support/ConsoleHarness.h"

#include "platform/Utf8.h"

namespace zor::test {
namespace {

class MusicCommandsTest : public ConsoleTest {
 protected:
  // The program directory and the platform's separator, as music paths
  // begin.
  std::u16string dir = fromUtf8((directory / "").string());
  std::u16string p{P};
  using Commands = std::vector<std::u16string>;
};

TEST_F(MusicCommandsTest, PlaymusicAndPmPlayTheSameFile) {
  enter(u"playmusic song");
  enter(u"pm song");
  EXPECT_EQ(media.commands, (Commands{u"play " + dir + u"song.mp3", u"play " + dir + u"song.mp3"}));
  EXPECT_EQ(fresh(), p + u">>>playmusic song\r\n" + p + u"尝试播放" + dir + u"song.mp3\r\n" + p +
                         u">>>pm song\r\n" + p + u"尝试播放" + dir + u"song.mp3\r\n");
  EXPECT_EQ(console.vars.am, dir + u"song.mp3");
}

TEST_F(MusicCommandsTest, ArgumentsAreTakenAsTyped) {
  enter(u"pm ");
  enter(u"pm  two words ");
  EXPECT_EQ(media.commands,
            (Commands{u"play " + dir + u".mp3", u"play " + dir + u" two words .mp3"}));
}

TEST_F(MusicCommandsTest, StopBeforeAnyPlaySendsCloseAlone) {
  enter(u"stopmusic");
  EXPECT_EQ(media.commands, (Commands{u"close "}));
  EXPECT_EQ(fresh(), p + u">>>stopmusic\r\n" + p + u"停止播放\r\n");
}

TEST_F(MusicCommandsTest, ASecondFileReplacesThePathWithoutClosingTheFirst) {
  enter(u"pm a");
  enter(u"pm b");
  enter(u"sm");
  enter(u"sm");
  EXPECT_EQ(media.commands, (Commands{u"play " + dir + u"a.mp3", u"play " + dir + u"b.mp3",
                                      u"close " + dir + u"b.mp3", u"close " + dir + u"b.mp3"}));
  formUnload(console);
  EXPECT_EQ(media.commands.back(), u"close " + dir + u"b.mp3");
}

}  // namespace
}  // namespace zor::test
