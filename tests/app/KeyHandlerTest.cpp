#include "app/Form.h"
#include "app/KeyHandler.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>

namespace zor::test {
namespace {

// The system's code page, which throws what the test asks for once reading
// starts.
class FailingCodePage final : public CodePage {
 public:
  std::string encode(std::u16string_view text) const override { return real_->encode(text); }
  std::u16string decode(std::string_view bytes) const override {
    if (failure) {
      failure();
    }
    return real_->decode(bytes);
  }

  std::function<void()> failure;

 private:
  std::unique_ptr<CodePage> real_ = systemCodePage();
};

class KeyHandlerTest : public ::testing::Test {
 protected:
  KeyHandlerTest() {
    writeBytes(directory_ / "a.txt", "one\r\ntwo\r\n");
    formLoad(console_);
  }

  // Types the line, presses Enter and returns what the log gained.
  std::u16string enter(std::u16string_view line) {
    const std::size_t before = console_.log.text().size();
    console_.input = line;
    handleKey(console_, u'\r');
    return console_.log.text().substr(before);
  }

  FailingCodePage codePage_;
  FixedClock clock_;
  RecordingMediaDevice media_;
  TemporaryDirectory temporary_;
  const std::filesystem::path& directory_ = temporary_.path();
  Console console_{Services{clock_, media_, codePage_, directory_}};
};

// The load takes back the lines it had shown; the report stands alone.
TEST_F(KeyHandlerTest, AnUnforeseenFailureEndsInOneReportLine) {
  codePage_.failure = [] { throw std::length_error("text too long"); };
  EXPECT_EQ(enter(u"load a"), u"[09:05:07]>>>load a\r\n[09:05:07]命令执行失败！text too long\r\n");
  EXPECT_EQ(console_.log.caret(), console_.log.text().size());

  codePage_.failure = [] { throw 7; };
  EXPECT_EQ(enter(u"load a"), u"[09:05:07]>>>load a\r\n[09:05:07]命令执行失败！Unknown error\r\n");

  codePage_.failure = nullptr;
  EXPECT_EQ(enter(u"load a"),
            u"[09:05:07]>>>load a\r\n[09:05:07]正在读取a.txt...\r\n"
            u"----------------a.txt----------------\r\n\r\none\r\ntwo\r\n"
            u"----------------a.txt----------------\r\n"
            u"[09:05:07]a.txt读取完成！\r\n");
}

TEST_F(KeyHandlerTest, AnAnswerLookupOutOfMemoryIsReportedAndAiModeStays) {
  writeBytes(directory_ / "ZOR-AI-QA.txt", "a###b###0\r\n");
  enter(u"AI on");
  codePage_.failure = [] { throw std::bad_alloc(); };
  EXPECT_EQ(enter(u"a"),
            u"[09:05:07]>>>a\r\n[09:05:07]文件操作失败！ZOR-AI-QA.txt: Cannot allocate memory\r\n");
  EXPECT_EQ(console_.vars.aii, u"1");
}

}  // namespace
}  // namespace zor::test
