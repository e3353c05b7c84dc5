#include "tests/support/ConsoleHarness.h"
#include "tests/support/FileBytes.h"

namespace zor::test {
namespace {

class DecorationCommandsTest : public ConsoleTest {
 protected:
  const std::u16string p{P};
};

TEST_F(DecorationCommandsTest, CopiesEveryLineBetweenTheStartAndEndTexts) {
  const struct {
    std::string_view source;
    std::string_view copy;
  } cases[] = {
      {"a\r\nb\r\n", "\r\n#a%\r\n#b%\r\n"},
      {"a\r\nb", "\r\n#a%\r\n#b%\r\n"},
      {"", "\r\n"},
      {"\r\n\r\n", "\r\n#%\r\n#%\r\n"},
      {"\xC4\xE3\n\xBA\xC3", "\r\n#\xC4\xE3\n\xBA\xC3%\r\n"},
  };
  for (const auto& c : cases) {
    writeBytes(directory / "src.txt", c.source);
    enter(u"loadaddsave src");
    EXPECT_EQ(readBytes(directory / "src-Done.txt"), c.copy);
    EXPECT_EQ(fresh(), p + u">>>loadaddsave src\r\n" + p + u"正在更改src.txt...\r\n" + p +
                           u"完成！请检查同一目录下的src-Done.txt\r\n");
  }
  EXPECT_EQ(readBytes(directory / "src.txt"), "\xC4\xE3\n\xBA\xC3");
  EXPECT_EQ(entriesIn(directory), 2u);
}

TEST_F(DecorationCommandsTest, StartAndEndTextsAreTakenAsTyped) {
  writeBytes(directory / "a-Done.txt", "a\r\n\r\n");
  enter(u"loadaddhead  【 ");
  enter(u"loadaddend ");
  enter(u"loadaddsave a-Done");
  EXPECT_EQ(readBytes(directory / "a-Done-Done.txt"), "\r\n \xA1\xBE a\r\n \xA1\xBE \r\n");
  enter(u"loadaddhead ");
  enter(u"loadaddend <>");
  enter(u"loadaddsave a-Done");
  EXPECT_EQ(readBytes(directory / "a-Done-Done.txt"), "\r\na<>\r\n<>\r\n");
  EXPECT_EQ(console.vars.addds, u"");
  EXPECT_EQ(console.vars.addde, u"<>");
  EXPECT_EQ(fresh(), p + u">>>loadaddhead  【 \r\n" + p + u"每行开头添加内容已更改为 【 \r\n" + p +
                         u">>>loadaddend \r\n" + p + u"每行结尾添加内容已更改为\r\n" + p +
                         u">>>loadaddsave a-Done\r\n" + p + u"正在更改a-Done.txt...\r\n" + p +
                         u"完成！请检查同一目录下的a-Done-Done.txt\r\n" + p +
                         u">>>loadaddhead \r\n" + p + u"每行开头添加内容已更改为\r\n" + p +
                         u">>>loadaddend <>\r\n" + p + u"每行结尾添加内容已更改为<>\r\n" + p +
                         u">>>loadaddsave a-Done\r\n" + p + u"正在更改a-Done.txt...\r\n" + p +
                         u"完成！请检查同一目录下的a-Done-Done.txt\r\n");
}

TEST_F(DecorationCommandsTest, AnEmptyNameCopiesTheFileNamedByTheEndingAlone) {
  writeBytes(directory / ".txt", "a\r\n");
  enter(u"loadaddsave ");
  EXPECT_EQ(readBytes(directory / "-Done.txt"), "\r\n#a%\r\n");
}

}  // namespace
}  // namespace zor::test
