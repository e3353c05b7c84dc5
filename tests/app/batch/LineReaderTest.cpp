#include "app/batch/LineReader.h"

#include "tests/support/ByteStreamFakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor::test {
namespace {

std::vector<std::string> linesOf(const std::string& text, std::size_t piece) {
  TextSource source(text, piece);
  LineReader reader(source);
  std::vector<std::string> lines;
  std::string_view line;
  std::error_code error;
  while (reader.next(line, error)) {
    lines.emplace_back(line);
  }
  EXPECT_FALSE(error);
  return lines;
}

TEST(LineReaderTest, EndsLinesAtLfOrCrLfInAnyPieces) {
  const std::string longLine(200'000, 'x');
  const std::string text = "a\r\nb\n\n\r\nc\rd\n" + longLine + "\r\nlast\r";
  const std::vector<std::string> expected = {"a", "b", "", "", "c\rd", longLine, "last"};
  for (const std::size_t piece :
       {std::size_t{1}, std::size_t{2}, std::size_t{4096}, std::size_t{1} << 20}) {
    EXPECT_EQ(linesOf(text, piece), expected) << "pieces of " << piece;
  }
  EXPECT_EQ(linesOf("", 7), std::vector<std::string>{});
  EXPECT_EQ(linesOf("\n", 7), std::vector<std::string>{""});
  EXPECT_EQ(linesOf("x", 7), std::vector<std::string>{"x"});
}

TEST(LineReaderTest, GoesOnAfterAnInterruptedRead) {
  TextSource source("one\ntwo\n", 3);
  source.onRead = [](int read) {
    return read == 1 ? std::make_error_code(std::errc::interrupted) : std::error_code();
  };
  LineReader reader(source);
  std::string_view line;
  std::error_code error;
  EXPECT_FALSE(reader.next(line, error));
  EXPECT_EQ(error, std::errc::interrupted);
  ASSERT_TRUE(reader.next(line, error));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(reader.next(line, error));
  EXPECT_EQ(line, "two");
  EXPECT_FALSE(reader.next(line, error));
  EXPECT_FALSE(error);
}

TEST(LineReaderTest, StopsAtALineLongerThanTheLimit) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;  // handed out before the long line
    bool tooLong;
  };
  const std::string four = "abcd";
  for (const Case& c :
       {Case{"abcd\r\nab\nabcd", {"abcd", "ab", "abcd"}, false}, Case{"abcd\r", {"abcd"}, false},
        Case{"ab\nabcde\nx\n", {"ab"}, true}, Case{"abcd\rx\n", {}, true},
        Case{"ab\n" + std::string(100'000, 'z'), {"ab"}, true}}) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, std::size_t{1} << 20}) {
      TextSource source(c.text, piece);
      LineReader reader(source, four.size());
      std::vector<std::string> lines;
      std::string_view line;
      std::error_code error;
      while (reader.next(line, error)) {
        lines.emplace_back(line);
      }
      EXPECT_EQ(lines, c.lines) << c.text.substr(0, 20) << " in pieces of " << piece;
      EXPECT_EQ(error == std::errc::value_too_large, c.tooLong) << c.text.substr(0, 20);
      EXPECT_EQ(reader.lines(), c.lines.size());
      EXPECT_EQ(reader.next(line, error), false);
      EXPECT_EQ(error == std::errc::value_too_large, c.tooLong);
    }
  }
}

}  // namespace
}  // namespace zor::test
