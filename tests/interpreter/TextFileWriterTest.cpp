#include "interpreter/TextFileWriter.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

namespace zor::test {
namespace {

class TextFileWriterTest : public ConsoleTest {
 protected:
  // One text as the whole content of the file.
  std::error_code writeWhole(const std::filesystem::path& path, std::u16string_view text) {
    TextFileWriter writer(*codePage);
    if (const std::error_code error = writer.create(path)) {
      return error;
    }
    writer.write(text);
    return writer.commit();
  }
};

TEST_F(TextFileWriterTest, WritesTheTextAndCrLfInPlaceOfTheEarlierFile) {
  const auto path = directory / "t.txt";
  writeBytes(path, "an earlier, longer content\r\n");
  EXPECT_FALSE(writeWhole(path, u"你好\r\nb"));
  EXPECT_EQ(readBytes(path), "\xC4\xE3\xBA\xC3\r\nb\r\n");
  EXPECT_FALSE(writeWhole(path, u""));
  EXPECT_EQ(readBytes(path), "\r\n");
  EXPECT_EQ(entriesIn(directory), 1u);
}

// The text is converted a block at a time; a surrogate pair across the
// end of a block, or across two writes, stays one character.
TEST_F(TextFileWriterTest, WritesThePiecesAsOneText) {
  const std::size_t block = TextFileWriter::kBlockSize;
  const std::u16string pair = u"😀";
  TextFileWriter writer(*codePage);
  ASSERT_FALSE(writer.create(directory / "t.txt"));
  writer.write(std::u16string(block - 1, u'a') + pair);
  writer.write(u"");
  writer.write(pair.substr(0, 1));
  writer.write(pair.substr(1));
  writer.write(std::u16string(2 * block + 1, u'b'));
  EXPECT_FALSE(writer.commit());
#ifdef _WIN32
  const std::string pairs = "????";  // code page 936 has no such character
#else
  const std::string pairs = "\x94\x39\xFC\x36\x94\x39\xFC\x36";
#endif
  EXPECT_EQ(readBytes(directory / "t.txt"),
            std::string(block - 1, 'a') + pairs + std::string(2 * block + 1, 'b') + "\r\n");
}

TEST_F(TextFileWriterTest, LeavesNothingBehindWhenItFails) {
  // No such folder: the file cannot even be created.
  EXPECT_EQ(writeWhole(directory / "none" / "t.txt", u"a"), std::errc::no_such_file_or_directory);
  // A directory in the target's place: everything is written, then the
  // directory is not replaced.
  std::filesystem::create_directory(directory / "d.txt");
  writeBytes(directory / "d.txt" / "inside", "kept");
  EXPECT_EQ(writeWhole(directory / "d.txt", u"a"), std::errc::is_a_directory);
  EXPECT_EQ(readBytes(directory / "d.txt" / "inside"), "kept");
  EXPECT_EQ(entriesIn(directory), 1u);

  // A writer given up before its text is written.
  writeBytes(directory / "t.txt", "earlier\r\n");
  {
    TextFileWriter writer(*codePage);
    ASSERT_FALSE(writer.create(directory / "t.txt"));
    EXPECT_EQ(entriesIn(directory), 3u);
  }
  EXPECT_EQ(readBytes(directory / "t.txt"), "earlier\r\n");
  EXPECT_EQ(entriesIn(directory), 2u);
}

}  // namespace
}  // namespace zor::test
