#include "tests/support/ConsoleHarness.h"
#include "tests/support/SystemReasons.h"

#include <fstream>
#include <sstream>

namespace zor::test {
namespace {

constexpr std::u16string_view kOn = u"AI模式已开启!输入AI off可关闭";
constexpr std::u16string_view kOff = u"AI模式已关闭!";

class AiTest : public ConsoleTest {
 protected:
  std::filesystem::path qaPath() const { return directory / "ZOR-AI-QA.txt"; }

  void writeQa(std::u16string_view content) {
    std::ofstream(qaPath(), std::ios::binary) << console.services.codePage.encode(content);
  }

  std::string qaBytes() const {
    std::ifstream in(qaPath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  // Asks in AI mode and returns what the answer added after the echo line.
  std::u16string ask(std::u16string_view question) {
    fresh();
    enter(question);
    std::u16string added = fresh();
    const std::u16string echo = p + u">>>" + std::u16string(question) + u"\r\n";
    EXPECT_TRUE(added.starts_with(echo)) << testing::PrintToString(added);
    return added.substr(std::min(echo.size(), added.size()));
  }

  std::u16string line(std::u16string_view text) const { return p + std::u16string(text) + u"\r\n"; }

  std::u16string p{P};
};

// The three example entries exactly as code page 936 (and GB18030) stores
// them.
const std::string kDefaultBytes =
    "\xC4\xE3\xBA\xC3!###\xC4\xE3\xD2\xB2\xBA\xC3!###0\r\n"
    "\xC4\xE3\xCA\xC7\xCB\xAD?###\xCE\xD2\xCA\xC7\xC4\xE3\xB5\xC4"
    "AI!###0\r\n"
    "\xCE\xCA\xCC\xE2\xD0\xB4\xD4\xDA\xD5\xE2###\xB4\xF0\xB0\xB8\xD0\xB4\xD4\xDA\xD5\xE2###0\r\n";

TEST_F(AiTest, AiOnCreatesTheExampleFileAndEntersAiMode) {
  enter(u"AI on");
  EXPECT_EQ(qaBytes(), kDefaultBytes);
  EXPECT_EQ(console.vars.aii, u"1");
  EXPECT_EQ(fresh(), p + u">>>AI on\r\n" + line(kOn));
}

TEST_F(AiTest, AnExistingFileIsLeftAlone) {
  writeQa(u"");
  enter(u"AI on");
  EXPECT_EQ(qaBytes(), "");
  EXPECT_EQ(ask(u"你好"), line(u"没有相似问题的答案...") +
                              line(u"你可以在程序同目录下的ZOR-AI-QA.txt中加入问题和答案") +
                              line(u"每一行的格式为 问题###答案###未知用途的数字 "));
  enter(u"AI off");
  writeQa(u"a###b###0");
  enter(u"AI on");
  EXPECT_EQ(qaBytes(), "a###b###0");
}

TEST_F(AiTest, WorkedScoresAgainstTheExampleEntries) {
  enter(u"AI on");
  EXPECT_EQ(ask(u"你好"), line(u"你也好!"));
  EXPECT_EQ(ask(u"你是谁?"), line(u"我是你的AI!"));
  EXPECT_EQ(ask(u"你"), line(u"你也好!"));  // a tie: the first entry answers
  EXPECT_EQ(ask(u"写在这里"), line(u"答案写在这"));
  EXPECT_EQ(ask(u"hello"), line(u"没有相似问题的答案...") +
                               line(u"你可以在程序同目录下的ZOR-AI-QA.txt中加入问题和答案") +
                               line(u"每一行的格式为 问题###答案###未知用途的数字 "));
  // Half-width and full-width question marks are different characters.
  EXPECT_EQ(ask(u"你好?"), line(u"你也好!"));
  writeQa(u"你好!###first###0\r\n你是谁?###second###0\r\n");
  EXPECT_EQ(ask(u"你?"), line(u"second"));
  EXPECT_EQ(ask(u"你？"), line(u"first"));
}

TEST_F(AiTest, CommandsAreQuestionsInAiModeUntilAiOff) {
  enter(u"AI on");
  for (const std::u16string_view question : {u"help", u"AI on", u"AI off ", u"ai off"}) {
    EXPECT_TRUE(ask(question).starts_with(line(u"没有相似问题的答案...")));
    EXPECT_EQ(console.vars.aii, u"1");
  }
  EXPECT_EQ(ask(u"AI off"), line(kOff));
  EXPECT_EQ(console.vars.aii, u"0");
  enter(u"AI off");
  EXPECT_EQ(fresh(), p + u">>>AI off\r\n" + line(kOff));
  enter(u"AI on ");
  EXPECT_EQ(console.vars.aii, u"0");
}

TEST_F(AiTest, ScoresCountEveryEqualPairOfTheStoredQuestionOnly) {
  writeQa(
      u"x y###blanks count###0\r\n"
      u"zz###twice###0\r\n"
      u"zq###once###0\r\n"
      u"q###answer words do not count zzzzzz###0\r\n");
  enter(u"AI on");
  EXPECT_EQ(ask(u"a b"), line(u"blanks count"));
  EXPECT_EQ(ask(u"zzz"), line(u"twice"));  // 6 against 3
  writeQa(u"zq###once###0\r\nzz###twice###0\r\n");
  EXPECT_EQ(ask(u"z"), line(u"twice"));  // 2 against 1: not the first
}

TEST_F(AiTest, FieldsAreSplitAtEveryMarkAndShortLinesAreSkipped) {
  writeQa(
      u"\r\n"
      u"ab###only two\r\n"
      u"ab\r\n"
      u"a####b###c\r\n"
      u"ab######0\r\n"
      u"abc###four###0###more###fields\r\n");
  enter(u"AI on");
  EXPECT_EQ(ask(u"a"), line(u"#b"));
  EXPECT_EQ(ask(u"ab"), line(u""));  // an empty answer: the prefix alone
  EXPECT_EQ(ask(u"abc"), line(u"four"));
}

TEST_F(AiTest, AnEntryAddedInAiModeAnswersTheNextQuestion) {
  enter(u"AI on");
  EXPECT_TRUE(ask(u"zor").starts_with(line(u"没有相似问题的答案...")));
  writeQa(u"zor###命令符###0");
  EXPECT_EQ(ask(u"zor"), line(u"命令符"));
}

TEST_F(AiTest, TheTimeDisplayGovernsTheReplyAndTheModeIsLostOnRestart) {
  enter(u"AI on");
  enter(u"th");  // a question here, not the command
  EXPECT_EQ(console.vars.tof, u"1");
  console.vars.tof = u"0";
  fresh();
  enter(u"你");
  EXPECT_EQ(fresh(), u">>>你\r\n你也好!\r\n");
  formLoad(console);
  EXPECT_EQ(console.vars.aii, u"0");
}

TEST_F(AiTest, LongQuestionsScoreBeyondSixteenBits) {
  const std::u16string same(40000, u'a');
  const std::u16string almost = std::u16string(39999, u'a') + u'b';
  writeQa(almost + u"###almost###0\r\n" + same + u"###same###0\r\n");
  enter(u"AI on");
  EXPECT_EQ(ask(same), line(u"same"));  // 1,600,000,000 against 1,599,960,000
}

TEST_F(AiTest, AMissingOrUnreadableFileIsReportedAndTheModeStays) {
  enter(u"AI on");
  std::filesystem::remove(qaPath());
  EXPECT_EQ(ask(u"你好"), line(u"文件操作失败！ZOR-AI-QA.txt: No such file or directory"));
  EXPECT_EQ(console.vars.aii, u"1");
  std::filesystem::create_directory(qaPath());
  EXPECT_EQ(ask(u"你好"), line(u"文件操作失败！ZOR-AI-QA.txt: Is a directory"));
  EXPECT_EQ(console.vars.aii, u"1");
}

TEST_F(AiTest, AFileThatCannotBeMadeIsReportedAndAiModeIsOn) {
  std::ofstream(directory / "plain") << "a file, not a folder";
  console.services.programDirectory = directory / "plain";
  enter(u"AI on");
  EXPECT_EQ(console.vars.aii, u"1");
  EXPECT_EQ(fresh(), p + u">>>AI on\r\n" +
                         line(u"文件操作失败！ZOR-AI-QA.txt: " + std::u16string(kBelowAFile)) +
                         line(kOn));
}

}  // namespace
}  // namespace zor::test
