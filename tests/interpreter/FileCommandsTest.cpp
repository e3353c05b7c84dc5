#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

namespace zor::test {
namespace {

class FileCommandsTest : public ConsoleTest {
 protected:
  const std::u16string p{P};

  // What load writes for a file whose body (each line after CR LF) is given.
  std::u16string loaded(std::u16string_view name, std::u16string_view body) {
    const std::u16string frame =
        u"----------------" + std::u16string(name) + u"----------------\r\n";
    return p + u">>>load " + std::u16string(name.substr(0, name.size() - 4)) + u"\r\n" + p +
           u"正在读取" + std::u16string(name) + u"...\r\n" + frame + std::u16string(body) +
           u"\r\n" + frame + p + std::u16string(name) + u"读取完成！\r\n";
  }
};

// "保存！请检查同一目录下的" in code page 936.
constexpr std::string_view kSavedGb =
    "\xB1\xA3\xB4\xE6\xA3\xA1\xC7\xEB\xBC\xEC\xB2\xE9\xCD\xAC\xD2\xBB\xC4\xBF\xC2\xBC\xCF\xC2\xB5"
    "\xC4";

TEST_F(FileCommandsTest, SaveWritesTheLogEndingInItsMessageAndOneMoreCrLf) {
  enter(u"clear");
  enter(u"say 你好");
  enter(u"save notes");
  EXPECT_EQ(readBytes(directory / "notes.txt"),
            "[09:05:07]>>>say \xC4\xE3\xBA\xC3\r\n[09:05:07]\xC4\xE3\xBA\xC3\r\n"
            "[09:05:07]>>>save notes\r\n[09:05:07]" +
                std::string(kSavedGb) + "notes.txt\r\n\r\n");
  EXPECT_EQ(fresh(), p + u">>>say 你好\r\n" + p + u"你好\r\n" + p + u">>>save notes\r\n" + p +
                         u"保存！请检查同一目录下的notes.txt\r\n");
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

// The argument is the file's name as typed: blanks, an empty name, a
// folder below the program directory.
TEST_F(FileCommandsTest, SaveNamesTheFileByTheArgumentAsTyped) {
  std::filesystem::create_directory(directory / "sub");
  const struct {
    std::u16string_view line;
    std::filesystem::path file;
    std::u16string_view name;
  } cases[] = {
      {u"save ", ".txt", u".txt"},
      {u"save two words", "two words.txt", u"two words.txt"},
      {u"save  lead", " lead.txt", u" lead.txt"},
      {u"save sub/inner", "sub/inner.txt", u"sub/inner.txt"},
  };
  for (const auto& c : cases) {
    console.log.replace(u"");
    enter(c.line);
    const std::u16string message = u"保存！请检查同一目录下的" + std::u16string(c.name);
    EXPECT_EQ(console.log.text(),
              p + u">>>" + std::u16string(c.line) + u"\r\n" + p + message + u"\r\n");
    EXPECT_EQ(codePage->decode(readBytes(directory / c.file)), console.log.text() + u"\r\n");
  }
  EXPECT_EQ(entriesIn(directory), 4u);  // sub and three files, nothing else
}

TEST_F(FileCommandsTest, SaveReplacesTheWholeEarlierFile) {
  writeBytes(directory / "a.txt", std::string(10000, 'x'));
  console.log.replace(u"");
  enter(u"save a");
  EXPECT_EQ(readBytes(directory / "a.txt"),
            "[09:05:07]>>>save a\r\n[09:05:07]" + std::string(kSavedGb) + "a.txt\r\n\r\n");
}

TEST_F(FileCommandsTest, LoadShowsTheLinesBetweenFrameLinesWithoutPrefix) {
  const struct {
    std::string_view bytes;
    std::u16string_view body;
  } cases[] = {
      {"first\r\nsecond\r\n", u"\r\nfirst\r\nsecond"},
      {"first\r\nsecond", u"\r\nfirst\r\nsecond"},
      {"", u""},
      {"a\r\n\r\nb\rc", u"\r\na\r\n\r\nb\r\nc"},
      {"a\nb\n", u"\r\na\nb\n"},
#ifdef _WIN32
      {"\xC4\xE3\xBA\xC3 \x80\r\n", u"\r\n你好 €"},
      {"ok\x81\x30\r\n\x81", u"\r\nok\uFFFD0\r\n\uFFFD"},
#else
      {"\xC4\xE3\xBA\xC3 \x95\x32\x82\x36\r\n", u"\r\n你好 \U00020000"},
      {"ok\xFF\r\n\x81", u"\r\nok\uFFFD\r\n\uFFFD"},
#endif
  };
  for (const auto& c : cases) {
    writeBytes(directory / "t t.txt", c.bytes);
    enter(u"load t t");
    EXPECT_EQ(fresh(), loaded(u"t t.txt", c.body)) << testing::PrintToString(std::string(c.bytes));
  }
  EXPECT_EQ(console.log.caret(), console.log.text().size());
}

TEST_F(FileCommandsTest, LoadWritesItsMessagesWithoutTimeWhenItIsOff) {
  writeBytes(directory / ".txt", "x\r\n");
  console.vars.tof = u"0";
  enter(u"load ");
  EXPECT_EQ(fresh(),
            u">>>load \r\n正在读取.txt...\r\n----------------.txt----------------\r\n"
            u"\r\nx\r\n----------------.txt----------------\r\n.txt读取完成！\r\n");
}

TEST_F(FileCommandsTest, SavedLogLoadsBackWithEveryCharacter) {
  console.log.replace(u"");
#ifdef _WIN32
  enter(u"say 中文 €，。");  // what code page 936 holds
#else
  enter(u"say 中文 \U00020000 😀 €");
#endif
  enter(u"save round");
  const std::u16string saved = console.log.text();
  fresh();
  enter(u"load round");
  // Every saved line, then the file's final empty line.
  EXPECT_EQ(fresh(), loaded(u"round.txt", u"\r\n" + saved));
}

// Names are spelt in Unicode on the disk (UTF-8 on POSIX systems, UTF-16 on
// Windows), whatever the code page of the text inside; the messages name the
// file as typed.
TEST_F(FileCommandsTest, ChineseNamesAreUnicodeOnTheDisk) {
  enter(u"save 日志");
  EXPECT_TRUE(fresh().ends_with(p + u"保存！请检查同一目录下的日志.txt\r\n"));
#ifdef _WIN32
  EXPECT_EQ(std::filesystem::directory_iterator(directory)->path().filename().wstring(),
            L"\u65E5\u5FD7.txt");
  writeBytes(directory / L"\u6587\u4EF6.txt", "\xC4\xE3\xBA\xC3");
#else
  EXPECT_EQ(std::filesystem::directory_iterator(directory)->path().filename().string(),
            "\xE6\x97\xA5\xE5\xBF\x97.txt");
  writeBytes(directory / "\xE6\x96\x87\xE4\xBB\xB6.txt", "\xC4\xE3\xBA\xC3");
#endif
  enter(u"load 文件");
  EXPECT_EQ(fresh(), loaded(u"文件.txt", u"\r\n你好"));
}

#ifndef _WIN32
// A program directory named in Latin-1 ("café") is used as the bytes the
// system gave; only the banner shows the odd byte, as U+FFFD. Windows names
// are always UTF-16.
TEST_F(FileCommandsTest, AProgramDirectoryWhoseNameIsNotUtf8) {
  const std::filesystem::path latin1 = directory / "caf\xE9";
  std::filesystem::create_directory(latin1);
  console.services.programDirectory = latin1;
  formLoad(console);
  EXPECT_TRUE(console.log.text().ends_with(u"/caf\uFFFD\r\n"));

  enter(u"clear");
  enter(u"save 你好");
  EXPECT_EQ(readBytes(latin1 / "\xE4\xBD\xA0\xE5\xA5\xBD.txt"),
            "[09:05:07]>>>save \xC4\xE3\xBA\xC3\r\n[09:05:07]" + std::string(kSavedGb) +
                "\xC4\xE3\xBA\xC3.txt\r\n\r\n");
  writeBytes(latin1 / "b.txt", "x\r\n");
  fresh();
  enter(u"load b");
  EXPECT_EQ(fresh(), loaded(u"b.txt", u"\r\nx"));
}
#endif

}  // namespace
}  // namespace zor::test
