#include "pages/Pages.h"
#include "tests/support/ConsoleHarness.h"

#include "platform/CodePage.h"
#include "platform/Utf8.h"
#include "tests/support/Transcript.h"

#include <set>

namespace zor::test {
namespace {

// A page as the log receives it, its lines from the transcripts' pages/.
std::u16string page(std::u16string_view prefix, std::string_view name,
                    std::string_view version = "V{VERSION}", std::string_view date = "2021-5-15") {
  std::string text;
  for (std::string line : pageLines(name)) {
    if (line == "版本Version:V{VERSION}") {
      line = "版本Version:" + std::string(version);
    } else if (line == "日期Date:2021-5-15") {
      line = "日期Date:" + std::string(date);
    }
    text += "[T]" + line + "\n";
  }
  return fromUtf8(filledIn(text, toUtf8(prefix), "", "\r\n"));
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

// The help page names, on each line between its frames, the keywords of a
// command ("help/?", "title <str>", "AI on") before " -". Together they are
// the command table's keywords, save those of the game page, which the help
// page keeps to itself.
TEST_F(PagesTest, HelpNamesEveryKeywordOfTheCommandTableButTheGamePages) {
  console.vars.tof = u"0";
  enter(u"clear");
  help(console);
  std::set<std::u16string> named;
  const std::u16string text = console.log.text();
  std::size_t start = text.find(u"\r\n") + 2;
  for (std::size_t end = text.find(u"\r\n", start); end + 2 < text.size();
       start = end + 2, end = text.find(u"\r\n", start)) {
    std::u16string names = text.substr(start, text.find(u" -", start) - start);
    if (names.ends_with(u" <str>")) {
      names.resize(names.size() - 6);
    }
    for (std::size_t from = 0, slash = 0; slash != std::u16string::npos; from = slash + 1) {
      slash = names.find(u'/', from);
      named.insert(names.substr(from, slash - from));
    }
  }
  std::set<std::u16string> keywords;
  for (const CommandRow& row : consoleCommands().table) {
    for (const std::u16string_view keyword : row.keywords) {
      if (!keyword.empty()) {
        keywords.emplace(keyword);
      }
    }
  }
  for (const std::u16string_view game : {u"minecraft", u"MC", u"mc", u"Mc"}) {
    EXPECT_EQ(keywords.erase(std::u16string(game)), 1u);
  }
  EXPECT_EQ(named, keywords);
}

TEST_F(PagesTest, InformationReadsVersionAndDateWhenWritten) {
  console.vars.vs = u"V9";
  console.vars.da = u"";
  information(console);
  EXPECT_EQ(fresh(), page(P, "information", "V9", ""));
}

TEST_F(PagesTest, AfterClearThePageStartsTheLog) {
  const std::pair<void (*)(Console&), std::string_view> pages[] = {
      {help, "help"}, {information, "information"}, {minecraft, "minecraft"}};
  for (const auto& [write, name] : pages) {
    enter(u"clear");
    write(console);
    EXPECT_EQ(console.log.text(), page(P, name));
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
  EXPECT_EQ(console.log.text(), page(u"[10:00:00]", "help") + page(u"[10:00:01]", "minecraft"));
}

}  // namespace
}  // namespace zor::test
