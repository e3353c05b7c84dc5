#include "app/batch/BatchRun.h"

#include "app/batch/ExitStatus.h"
#include "platform/Utf8.h"
#include "tests/support/ByteStreamFakes.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"
#include "tests/support/Transcript.h"

#include <vector>

namespace zor::test {
namespace {

// A device that records its commands and says a file plays for as many
// questions as `playingFor` holds.
class CountingMusicDevice final : public MediaDevice {
 public:
  std::vector<std::u16string> commands;
  int playingFor = 0;
  int asked = 0;
  std::function<void()> onAsked;

  void send(std::u16string_view command) override { commands.emplace_back(command); }
  bool playing(std::u16string_view) override {
    ++asked;
    if (onAsked) {
      onAsked();
    }
    return asked <= playingFor;
  }
};

// The batch run beside a console typed into as the window would be, both on
// the same clock and program directory.
class BatchRunTest : public ConsoleTest {
 protected:
  int run(const std::string& script, std::size_t piece = 7) {
    TextSource input(script, piece);
    input.onRead = onRead;
    return runBatch(batch, music,
                    BatchStreams{input, "script.txt", output, errors, interrupted, lineLimit});
  }

  // The log as the window holds it, as batch mode shows it.
  std::string windowLog() {
    std::string text = toUtf8(console.log.text());
    std::erase(text, '\r');
    return text;
  }

  std::string dir() const { return directory.string(); }
  // A file of the program directory as the commands name it, with the
  // system's own separator.
  std::string inDir(const char* name) const { return (directory / name).string(); }

  CountingMusicDevice device;
  PlayedMusic music{device};
  Console batch{Services{clock, music, *codePage, directory}};
  std::function<std::error_code(int)> onRead;
  TextSink output;
  TextSink errors;
  std::atomic<bool> interrupted{false};
  std::size_t lineLimit = LineReader::kLineLimit;
};

const std::string p = "[09:05:07]";

std::string banner(const std::string& directory) { return expectedLog("", p, directory, "\n"); }

TEST_F(BatchRunTest, ASessionShowsEveryLineTheLogReceives) {
  writeBytes(directory / "notes.txt", "first\r\nsecond\r\n");
  const int status =
      run("\xEF\xBB\xBFsay 你好 world\r\n"
          "th\n"
          "\n   \n\t\n"
          "title 新 标题\nhide\nbm\n"
          "loadaddhead <\nloadaddend >\nloadaddsave notes\nhtml notes\nload notes-Done\n"
          "load missing\nsave out\n"
          "pm song\nsm\nsm \n"
          "AI on\nhelp\nAI off\n"
          "top\nsay x\nclear\nsay after clear");
  EXPECT_EQ(status, kExitOk);
  EXPECT_EQ(errors.text, "");
  EXPECT_EQ(output.text,
            banner(dir()) + p + ">>>say 你好 world\n" + p + "你好 world\n" + p +
                ">>>th\n"
                "时间显示已关闭!\n"
                ">>>\t\n"
                "无法识别的命令！请仔细检查你的命令！\n"
                ">>>title 新 标题\n"
                ">>>hide\n"
                "隐藏窗口...\n"
                ">>>bm\n"
                ">>>loadaddhead <\n"
                "每行开头添加内容已更改为<\n"
                ">>>loadaddend >\n"
                "每行结尾添加内容已更改为>\n"
                ">>>loadaddsave notes\n"
                "正在更改notes.txt...\n"
                "完成！请检查同一目录下的notes-Done.txt\n"
                ">>>html notes\n"
                "正在更改notes.txt...\n"
                "完成！请检查同一目录下的notes.html\n"
                ">>>load notes-Done\n"
                "正在读取notes-Done.txt...\n"
                "----------------notes-Done.txt----------------\n"
                "\n"  // the line before the file's first
                "\n"  // the copy's empty first line
                "<first>\n"
                "<second>\n"
                "----------------notes-Done.txt----------------\n"
                "notes-Done.txt读取完成！\n"
                ">>>load missing\n"
                "文件操作失败！missing.txt: No such file or directory\n"
                ">>>save out\n"
                "保存！请检查同一目录下的out.txt\n"
                ">>>pm song\n"
                "尝试播放" +
                inDir("song.mp3") + "\n" + ">>>sm\n" + "停止播放" + inDir("song.mp3") + "\n" +
                ">>>sm \n"
                "无法识别的命令！请仔细检查你的命令！\n"
                ">>>AI on\n"
                "AI模式已开启!输入AI off可关闭\n"
                ">>>help\n"
                "没有相似问题的答案...\n"
                "你可以在程序同目录下的ZOR-AI-QA.txt中加入问题和答案\n"
                "每一行的格式为 问题###答案###未知用途的数字 \n"
                ">>>AI off\n"
                "AI模式已关闭!\n"
                ">>>top\n"
                ">>>say x\n"
                "x\n"
                // clear empties the log, its own echo included.
                ">>>say after clear\n"
                "after clear\n");
  EXPECT_EQ(batch.window.caption, u"新 标题");
  EXPECT_FALSE(batch.window.visible);
  const std::u16string song = fromUtf8(inDir("song.mp3"));
  EXPECT_EQ(device.commands,
            (std::vector<std::u16string>{u"play " + song, u"close " + song, u"close " + song}));
  EXPECT_EQ(readBytes(directory / "out.txt").substr(0, 10), p);
}

TEST_F(BatchRunTest, PagesAndFilesAreTheSameAsInTheWindow) {
  writeBytes(directory / "notes.txt", "a\r\n\r\nb\r\n");
  const std::vector<std::string> lines = {
      "help", "?",  "info", "information", "mc",      "Minecraft", "loadaddsave notes",
      "th",   "bm", "bm",   "html notes",  "save out"};
  std::string script;
  for (const std::string& line : lines) {
    script += line + "\r\n";
    enter(fromUtf8(line));
  }
  std::filesystem::rename(directory / "out.txt", directory / "window.txt");
  std::filesystem::rename(directory / "notes.html", directory / "window.html");

  EXPECT_EQ(run(script, 1 << 20), kExitOk);
  EXPECT_EQ(output.text, windowLog());
  EXPECT_EQ(readBytes(directory / "out.txt"), readBytes(directory / "window.txt"));
  EXPECT_EQ(readBytes(directory / "notes.html"), readBytes(directory / "window.html"));
  EXPECT_EQ(batch.window.text1.background, console.window.text1.background);
  // The output went out once per command line, not once per output line.
  EXPECT_EQ(output.writes, lines.size() + 1);
}

TEST_F(BatchRunTest, StopEndsAtOnceWithoutTheUnloadStep) {
  EXPECT_EQ(run("pm a\nstop\nsay never\n"), kExitOk);
  EXPECT_TRUE(output.text.ends_with(p + ">>>stop\n")) << output.text;
  EXPECT_EQ(device.commands.size(), 1u);
  EXPECT_EQ(device.asked, 0);
}

TEST_F(BatchRunTest, TheEndOfInputWaitsForTheMusicThenUnloads) {
  device.playingFor = 3;
  EXPECT_EQ(run("pm a\npm b\nsm\n"), kExitOk);
  // b was closed by sm; a plays on until the device says it has ended.
  EXPECT_EQ(device.asked, 4);
  const std::u16string b = fromUtf8(inDir("b.mp3"));
  ASSERT_EQ(device.commands.size(), 4u);
  EXPECT_EQ(device.commands.back(), u"close " + b);
}

TEST_F(BatchRunTest, CtrlCEndsWithTheUnloadStep) {
  // While the music plays.
  device.playingFor = 1000;
  device.onAsked = [this] {
    if (device.asked == 5) {
      interrupted = true;
    }
  };
  EXPECT_EQ(run("pm a\n"), kExitInterrupted);
  EXPECT_EQ(device.asked, 5);
  EXPECT_EQ(device.commands.back(), u"close " + fromUtf8(inDir("a.mp3")));
}

TEST_F(BatchRunTest, CtrlCWhileWaitingForInputEndsThere) {
  // A signal that is not Ctrl+C cuts the wait short too; the run goes on.
  onRead = [this](int read) {
    if (read == 1) {
      return std::make_error_code(std::errc::interrupted);
    }
    if (read == 3) {
      interrupted = true;
      return std::make_error_code(std::errc::interrupted);
    }
    return std::error_code();
  };
  EXPECT_EQ(run("say 1234\nsay never\n", 5), kExitInterrupted);
  EXPECT_TRUE(output.text.ends_with(p + ">>>say 1234\n" + p + "1234\n")) << output.text;
  EXPECT_EQ(device.commands, std::vector<std::u16string>{u"close "});
}

TEST_F(BatchRunTest, AFailedOutputOrInputEndsWithOneLine) {
  output.room = banner(dir()).size() + 10;
  EXPECT_EQ(run("say 1\nsay 2\n"), kExitFailed);
  EXPECT_EQ(output.text, banner(dir()));
  EXPECT_EQ(errors.text, "zor: standard output: Broken pipe\n");
  EXPECT_EQ(device.commands, std::vector<std::u16string>{u"close "});
}

TEST_F(BatchRunTest, AFailedInputEndsWithOneLine) {
  onRead = [](int read) {
    return read == 2 ? std::make_error_code(std::errc::io_error) : std::error_code();
  };
  EXPECT_EQ(run("say 1\nsay 2\n", 4), kExitFailed);
  EXPECT_TRUE(output.text.ends_with(p + "1\n")) << output.text;
  EXPECT_EQ(errors.text, "zor: script.txt: Input/output error\n");
  EXPECT_EQ(device.commands, std::vector<std::u16string>{u"close "});
}

TEST_F(BatchRunTest, ALineBeyondTheLimitEndsTheRunWithOneLine) {
  lineLimit = 8;
  EXPECT_EQ(run("say 1234\r\nsay 12345\nsay 3\n"), kExitFailed);
  EXPECT_EQ(output.text, banner(dir()) + p + ">>>say 1234\n" + p + "1234\n");
  EXPECT_EQ(errors.text, "zor: script.txt: line 2 is longer than 8 bytes\n");
  EXPECT_EQ(device.commands, std::vector<std::u16string>{u"close "});
}

}  // namespace
}  // namespace zor::test
