#include "pages/Pages.h"
#include "tests/support/ConsoleHarness.h"

#include "platform/CodePage.h"

#include <vector>

namespace zor::test {
namespace {

using Lines = std::vector<std::u16string_view>;

const Lines kHelp = {
    u"----------------help----------------",
    u"help/? -显示此列表",
    u"clear -清空日志",
    u"stop -关闭命令符",
    u"info/information -查看命令符信息",
    u"title <str> -将窗口标题改为<str>",
    u"top -日志滑到最上面",
    u"blackmode/bm -切换背景",
    u"save <str> -将日志保存到同一目录的<str>.txt",
    u"say <str> -直接输出<str>",
    u"load <str> -读取同一目录的<str>.txt",
    u"timehide/th -开启或关闭时间显示",
    u"loadaddhead <str> -每行开头添加内容改为<str>",
    u"loadaddend <str> -每行结尾添加内容改为<str>",
    u"loadaddsave <str> -将<str>.txt的每一行开头结尾添加",
    u"playmusic/pm <str> -播放同一路径下的<str>.mp3",
    u"stopmusic/sm -停止播放",
    u"hide -隐藏窗口(不是关闭!)",
    u"html <str> -将<str>.txt改为<str>.html(带完整格式)",
    u"AI on -开启AI模式",
    u"AI off -关闭AI模式",
    u"--------------help end--------------",
};

const Lines kInformation = {
    u"------------information-------------",
    u"版本Version:V2.0.0.0",
    u"日期Date:2021-5-15",
    u"作者By Example Author (@zor-author-placeholder)",
    u"贡献者名单List of contributors:",
    u"  反馈Bug:",
    u"    @zor-contributor-placeholder",
    u"  提供建议Offer advice:",
    u"    @zor-contributor-placeholder",
    u"提建议请联系作者:",
    u"  QQ:000000000",
    u"  微信Wechat:zor-wechat-placeholder",
    u"  邮箱Email:zor-author@example.com",
    u"Copyright (C) 2021 Example Maker (placeholder). All rights reserved.",
    u"----------information end-----------",
};

const Lines kGame = {
    u"-------------Minecraft--------------",
    u"你也玩 我的世界Minecraft 吗?",
    u"这是作者最爱的游戏!",
    u"作者的游戏名:",
    u" 中国版:ZorPlayerPlaceholderCN",
    u" 国际版:ZorPlayerPlaceholder",
    u"作者有开自己的服务器哦~",
    u" 国际版:JAVA1.15.2",
    u" 服务器IP:mc.example.com",
    u" 中国版:手游基岩版",
    u" 服务器号:000000",
    u"欢迎加入!~~~",
    u"ZOR万岁~",
    u"Copyright (C) 2021 Example Maker (placeholder). All rights reserved.",
    u"-----------Minecraft end------------",
};

std::u16string page(std::u16string_view prefix, const Lines& lines) {
  std::u16string text;
  for (const std::u16string_view line : lines) {
    text.append(prefix).append(line).append(u"\r\n");
  }
  return text;
}

std::u16string echo(std::u16string_view prefix, std::u16string_view line) {
  return std::u16string(prefix) + u">>>" + std::u16string(line) + u"\r\n";
}

using PagesTest = ConsoleTest;

// Every page opens and closes with a frame line of 36 characters, which a
// miscounted hyphen in a page or in the texts above would break.
TEST_F(PagesTest, FrameLinesAreThirtySixCharacters) {
  console.vars.tof = u"0";
  for (const auto write : {help, information, minecraft}) {
    enter(u"clear");
    write(console);
    const std::u16string_view text = console.log.text();
    const std::size_t firstEnd = text.find(u"\r\n");
    const std::size_t lastStart = text.rfind(u"\r\n", text.size() - 3) + 2;
    EXPECT_EQ(firstEnd, 36u);
    EXPECT_EQ(text.size() - 2 - lastStart, 36u);
  }
}

TEST_F(PagesTest, HelpWithTheTimeDisplayOnAndOff) {
  enter(u"help");
  EXPECT_EQ(fresh(), echo(P, u"help") + page(P, kHelp));
  EXPECT_EQ(console.log.caret(), console.log.text().size());
  console.vars.tof = u"0";
  enter(u"?");
  EXPECT_EQ(fresh(), echo(u"", u"?") + page(u"", kHelp));
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

TEST_F(PagesTest, InformationWithTheTimeDisplayOnAndOff) {
  enter(u"info");
  EXPECT_EQ(fresh(), echo(P, u"info") + page(P, kInformation));
  console.vars.tof = u"0";
  enter(u"information");
  EXPECT_EQ(fresh(), echo(u"", u"information") + page(u"", kInformation));
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

TEST_F(PagesTest, InformationReadsVersionAndDateWhenWritten) {
  console.vars.vs = u"V9";
  console.vars.da = u"";
  Lines expected = kInformation;
  expected[1] = u"版本Version:V9";
  expected[2] = u"日期Date:";
  information(console);
  EXPECT_EQ(fresh(), page(P, expected));
}

TEST_F(PagesTest, GamePageForEveryKeywordWithTheTimeDisplayOnAndOff) {
  for (const std::u16string_view keyword : {u"minecraft", u"MC", u"mc", u"Mc"}) {
    enter(keyword);
    EXPECT_EQ(fresh(), echo(P, keyword) + page(P, kGame));
  }
  console.vars.tof = u"0";
  enter(u"Mc");
  EXPECT_EQ(fresh(), echo(u"", u"Mc") + page(u"", kGame));
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

TEST_F(PagesTest, PagesFollowTheTimeDisplayAsItIsWhenWritten) {
  enter(u"th");
  fresh();
  enter(u"info");
  EXPECT_EQ(fresh(), echo(u"", u"info") + page(u"", kInformation));
  enter(u"th");
  fresh();
  enter(u"info");
  EXPECT_EQ(fresh(), echo(P, u"info") + page(P, kInformation));
}

TEST_F(PagesTest, PagesAreAppendedEveryTime) {
  const std::u16string before = console.log.text();
  enter(u"help");
  enter(u"help");
  enter(u"mc");
  enter(u"mc");
  EXPECT_EQ(console.log.text(), before + echo(P, u"help") + page(P, kHelp) + echo(P, u"help") +
                                    page(P, kHelp) + echo(P, u"mc") + page(P, kGame) +
                                    echo(P, u"mc") + page(P, kGame));
}

TEST_F(PagesTest, AfterClearThePageStartsTheLog) {
  const std::pair<void (*)(Console&), const Lines*> pages[] = {
      {help, &kHelp}, {information, &kInformation}, {minecraft, &kGame}};
  for (const auto& [write, lines] : pages) {
    enter(u"clear");
    write(console);
    EXPECT_EQ(console.log.text(), page(P, *lines));
    EXPECT_EQ(console.log.caret(), console.log.text().size());
  }
}

// A clock that moves on by a second every time it is read.
class TickingClock final : public Clock {
 public:
  TimeOfDay now() const override { return {10, 0, second_++ % 60}; }

 private:
  mutable int second_ = 0;
};

TEST(PageWriterTest, EveryLineOfAPageCarriesTheTimeTheClockShowedAtItsStart) {
  TickingClock clock;
  RecordingMediaDevice media;
  const auto codePage = systemCodePage();
  Console console(Services{clock, media, *codePage, {}});
  console.vars.tof = u"1";
  help(console);
  minecraft(console);
  EXPECT_EQ(console.log.text(), page(u"[10:00:00]", kHelp) + page(u"[10:00:01]", kGame));
}

}  // namespace
}  // namespace zor::test
