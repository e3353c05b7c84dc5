#include "interpreter/TextFileReader.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

#include <vector>

namespace zor::test {
namespace {

class TextFileReaderTest : public ConsoleTest {
 protected:
  // The lines of a file of these bytes, read to the end without an error.
  std::vector<std::u16string> linesOf(std::string_view bytes) {
    writeBytes(directory / "t.txt", bytes);
    TextFileReader reader(*codePage);
    EXPECT_FALSE(reader.open(directory / "t.txt"));
    std::vector<std::u16string> lines;
    std::u16string line;
    while (reader.next(line)) {
      lines.push_back(line);
    }
    EXPECT_FALSE(reader.error());
    EXPECT_FALSE(reader.next(line));
    return lines;
  }
};

using Lines = std::vector<std::u16string>;

// Lines as runs of one character each, "code*count", so that a failure with
// lines of a million characters stays readable.
std::vector<std::string> runs(const Lines& lines) {
  std::vector<std::string> out;
  for (const std::u16string& line : lines) {
    std::string described;
    for (std::size_t i = 0; i < line.size();) {
      std::size_t j = i;
      while (j < line.size() && line[j] == line[i]) {
        ++j;
      }
      described += std::to_string(unsigned{line[i]}) + "*" + std::to_string(j - i) + " ";
      i = j;
    }
    out.push_back(described);
  }
  return out;
}

TEST_F(TextFileReaderTest, EndsLinesAtCrLfOrALoneCr) {
  const struct {
    std::string_view bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {u"a", u"b"}},
      {"a\r\nb", {u"a", u"b"}},
      {"a\rb\r", {u"a", u"b"}},
      {"a\nb\nc\r\n", {u"a\nb\nc"}},
      {"\n", {u"\n"}},
      {"\r\n\r\n", {u"", u""}},
      {"a\r\r\n\n\r", {u"a", u"", u"\n"}},
#ifdef _WIN32
      {"\xC4\xE3\xBA\xC3\r\n\x81\x30 \xFF", {u"你好", u"\uFFFD0 \uFFFD"}},
#else
      {"\xC4\xE3\xBA\xC3\r\n\x95\x32\x82\x36 \xFF", {u"你好", u"\U00020000 \uFFFD"}},
#endif
  };
  for (const auto& c : cases) {
    EXPECT_EQ(linesOf(c.bytes), c.lines) << testing::PrintToString(std::string(c.bytes));
  }
}

// The file is read a piece at a time; line ends and characters that fall on
// the border of two pieces are read as anywhere else.
TEST_F(TextFileReaderTest, ReadsAcrossTheBordersOfPieces) {
  const std::size_t piece = TextFileReader::kPieceSize;
  const std::string x(piece - 1, 'x');
  const std::u16string wideX(piece - 1, u'x');
  EXPECT_EQ(runs(linesOf(x + "\r\ny")), runs(Lines{wideX, u"y"}));
  EXPECT_EQ(runs(linesOf(x + "\ry\r")), runs(Lines{wideX, u"y"}));
  EXPECT_EQ(runs(linesOf(x + "\r")), runs(Lines{wideX}));
  EXPECT_EQ(runs(linesOf(x + "\r\n")), runs(Lines{wideX}));
  EXPECT_EQ(runs(linesOf(x + "\xC4\xE3\r\n")), runs(Lines{wideX + u"你"}));
  const std::string longLine(2 * piece + 5, 'z');
  EXPECT_EQ(runs(linesOf("a\r" + longLine + "\r\nb")),
            runs(Lines{u"a", std::u16string(longLine.size(), u'z'), u"b"}));
}

// One long line of two- and four-byte characters, with no byte that stands
// alone, is decoded as it goes: in pieces no longer than a read, which
// together are the text the whole file decodes to.
TEST_F(TextFileReaderTest, DecodesALongLineAsItGoes) {
  const std::size_t piece = TextFileReader::kPieceSize;
  std::string bytes(piece - 1, 'x');
  for (int i = 0; i < 3; ++i) {
    bytes += "\xC4\xE3";  // 你 across the border of the first piece
    bytes += std::string(piece / 2 + 1, 'y');
    bytes += "\x95\x32\x82\x36";  // U+20000, whose four bytes follow the rest
    bytes += "\xFF";
  }
  bytes += "\x81";  // cut off by the end of the file
  writeBytes(directory / "t.txt", bytes + "\r\n");
  TextFileReader reader(*codePage);
  ASSERT_FALSE(reader.open(directory / "t.txt"));
  std::u16string line;
  std::size_t pieces = 0;
  std::u16string_view text;
  bool endsLine = false;
  while (reader.next(text, endsLine)) {
    EXPECT_LE(text.size(), piece);
    EXPECT_FALSE(endsLine && line.size() + text.size() < bytes.size() / 2);
    line.append(text);
    ++pieces;
  }
  EXPECT_FALSE(reader.error());
  EXPECT_GE(pieces, 3u);
  EXPECT_EQ(runs({line}), runs({codePage->decode(bytes)}));
}

TEST_F(TextFileReaderTest, TellsWhyAFileCannotBeOpenedOrRead) {
  TextFileReader reader(*codePage);
  EXPECT_EQ(reader.open(directory / "missing.txt"), std::errc::no_such_file_or_directory);

  std::filesystem::create_directory(directory / "folder.txt");
  EXPECT_EQ(reader.open(directory / "folder.txt"), std::errc::is_a_directory);
}

}  // namespace
}  // namespace zor::test
