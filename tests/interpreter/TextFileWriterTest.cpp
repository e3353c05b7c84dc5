#include "interpreter/TextFileWriter.h"
#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

namespace zor::test {
namespace {

using TextFileWriterTest = ConsoleTest;

TEST_F(TextFileWriterTest, WritesTheTextAndCrLfInPlaceOfTheEarlierFile) {
  const auto path = directory / "t.txt";
  writeBytes(path, "an earlier, longer content\r\n");
  EXPECT_FALSE(writeTextFile(*codePage, path, u"你好\r\nb"));
  EXPECT_EQ(readBytes(path), "\xC4\xE3\xBA\xC3\r\nb\r\n");
  EXPECT_FALSE(writeTextFile(*codePage, path, u""));
  EXPECT_EQ(readBytes(path), "\r\n");
  EXPECT_EQ(entriesIn(directory), 1u);
}

TEST_F(TextFileWriterTest, WritesThePartsAsOneText) {
  TextFileWriter writer(*codePage);
  ASSERT_FALSE(writer.create(directory / "t.txt"));
  EXPECT_FALSE(writer.commit({u"a\r\n", u"", u"b"}));
  EXPECT_EQ(readBytes(directory / "t.txt"), "a\r\nb\r\n");
}

TEST_F(TextFileWriterTest, LeavesNothingBehindWhenItFails) {
  // No such folder: the file cannot even be created.
  EXPECT_EQ(writeTextFile(*codePage, directory / "none" / "t.txt", u"a"),
            std::errc::no_such_file_or_directory);
  // A directory in the target's place: everything is written, then the
  // directory is not replaced.
  std::filesystem::create_directory(directory / "d.txt");
  writeBytes(directory / "d.txt" / "inside", "kept");
  EXPECT_EQ(writeTextFile(*codePage, directory / "d.txt", u"a"), std::errc::is_a_directory);
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
