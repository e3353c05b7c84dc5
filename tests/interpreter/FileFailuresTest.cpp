#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SystemReasons.h"

#include <fstream>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace zor::test {
namespace {

// A file that cannot be opened, read or written: the command writes one
// report line and none of its later messages, the log keeps what it had,
// and whatever had the file's name before is left as it was.
class FileFailuresTest : public ConsoleTest {
 protected:
  // Windows has no FIFO.
#ifdef _WIN32
  static constexpr std::size_t kEntries = 7;
#else
  static constexpr std::size_t kEntries = 8;
#endif

  FileFailuresTest() {
    std::filesystem::create_directory(directory / "dir.txt");
    writeBytes(directory / "dir.txt" / "inside", "kept");
    std::filesystem::create_directory(directory / "dir-Done.txt");
    std::filesystem::create_directory(directory / "dir.html");
    writeBytes(directory / "plain.txt", "plain\r\n");
    writeBytes(directory / "src.txt", "a\r\n");
    std::filesystem::create_directory(directory / "src-Done.txt");
    std::filesystem::create_directory(directory / "src.html");
#ifndef _WIN32
    ::mkfifo((directory / "fifo.txt").c_str(), 0600);
#endif
  }

  // Runs the line and checks that the log gained its echo and then
  // `written`, and that no file of the program directory changed.
  void expectFailure(std::u16string_view line, std::u16string_view written) {
    const std::u16string before = console.log.text();
    enter(line);
    EXPECT_EQ(console.log.text(), before + std::u16string(P) + u">>>" + std::u16string(line) +
                                      u"\r\n" + std::u16string(written))
        << testing::PrintToString(std::u16string(line));
    EXPECT_EQ(readBytes(directory / "dir.txt" / "inside"), "kept");
    EXPECT_EQ(readBytes(directory / "plain.txt"), "plain\r\n");
    EXPECT_EQ(entriesIn(directory), kEntries);
    EXPECT_EQ(console.log.caret(), console.log.text().size());
  }

  std::u16string report(std::u16string_view name, std::u16string_view reason) {
    return std::u16string(P) + u"文件操作失败！" + std::u16string(name) + u": " +
           std::u16string(reason) + u"\r\n";
  }
};

TEST_F(FileFailuresTest, LoadOfAFileThatCannotBeRead) {
  expectFailure(u"load missing", report(u"missing.txt", u"No such file or directory"));
  expectFailure(u"load dir", report(u"dir.txt", u"Is a directory"));
  expectFailure(u"load none/x", report(u"none/x.txt", u"No such file or directory"));
  expectFailure(u"load plain.txt/x", report(u"plain.txt/x.txt", kBelowAFile));
}

TEST_F(FileFailuresTest, SaveThatCannotBeWrittenLeavesNoMessageOfSuccess) {
  expectFailure(u"save dir", report(u"dir.txt", u"Is a directory"));
  expectFailure(u"save none/x", report(u"none/x.txt", u"No such file or directory"));
  expectFailure(u"save plain.txt/x", report(u"plain.txt/x.txt", kBelowAFile));
  const std::u16string nul = {u'a', u'\0', u'b'};
  expectFailure(u"save " + nul, report(nul + u".txt", u"Invalid argument"));
}

TEST_F(FileFailuresTest, DecorationOfASourceOrCopyThatFails) {
  expectFailure(u"loadaddsave missing", report(u"missing.txt", u"No such file or directory"));
  expectFailure(u"loadaddsave dir", report(u"dir.txt", u"Is a directory"));
  expectFailure(u"loadaddsave src", std::u16string(P) + u"正在更改src.txt...\r\n" +
                                        report(u"src-Done.txt", u"Is a directory"));
}

TEST_F(FileFailuresTest, HtmlOfASourceOrPageThatFails) {
  expectFailure(u"html missing", report(u"missing.txt", u"No such file or directory"));
  expectFailure(u"html plain.txt/x", report(u"plain.txt/x.txt", kBelowAFile));
  expectFailure(u"html src", std::u16string(P) + u"正在更改src.txt...\r\n" +
                                 report(u"src.html", u"Is a directory"));
}

#ifndef _WIN32
// Opening a FIFO would wait for a writer and freeze the window.
TEST_F(FileFailuresTest, AFifoIsRefusedWithoutWaiting) {
  const std::u16string refused = report(u"fifo.txt", u"Not a regular file");
  expectFailure(u"load fifo", refused);
  expectFailure(u"loadaddsave fifo", refused);
  expectFailure(u"html fifo", refused);
  expectFailure(u"save fifo", refused);
  EXPECT_EQ(std::filesystem::status(directory / "fifo.txt").type(),
            std::filesystem::file_type::fifo);

  std::filesystem::rename(directory / "fifo.txt", directory / "ZOR-AI-QA.txt");
  expectFailure(u"AI on", std::u16string(P) + u"AI模式已开启!输入AI off可关闭\r\n");
  expectFailure(u"你好", report(u"ZOR-AI-QA.txt", u"Not a regular file"));
}
#endif

#ifdef _WIN32
// Characters that no file name may hold on Windows, and a colon.
TEST_F(FileFailuresTest, NamesThatWindowsRefuses) {
  expectFailure(u"load <i>", report(u"<i>.txt", u"Invalid argument"));
  expectFailure(u"save a|b", report(u"a|b.txt", u"Invalid argument"));
  expectFailure(u"loadaddsave a>b", report(u"a>b.txt", u"Invalid argument"));
  expectFailure(u"html a\"b", report(u"a\"b.txt", u"Invalid argument"));
  // It would write, or read, a stream of the file "a", which no folder shows.
  expectFailure(u"save a:b", report(u"a:b.txt", u"Invalid argument"));
  expectFailure(u"load a:b", report(u"a:b.txt", u"Invalid argument"));
  expectFailure(u"html a:b", report(u"a:b.txt", u"Invalid argument"));
}

// A file that another program holds open cannot be replaced on Windows.
TEST_F(FileFailuresTest, SaveOverAFileThatIsOpenElsewhere) {
  std::ifstream held(directory / "plain.txt");
  ASSERT_TRUE(held.is_open());
  expectFailure(u"save plain", report(u"plain.txt", u"Permission denied"));
}
#endif

}  // namespace
}  // namespace zor::test
