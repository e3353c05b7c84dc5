#include "tests/support/ConsoleHarness.h"
#include "tests/support/Transcript.h"

#include "platform/Utf8.h"

namespace zor::test {
namespace {

class TranscriptTest : public ConsoleTest, public ::testing::WithParamInterface<std::string> {};

// Every line the log receives, the banner's included, up to the end of the
// session; a line that empties the log (clear) leaves what came before
// received, and the log then holds what came after. The files come out as
// the transcript expects.
TEST_P(TranscriptTest, TheLogReceivesTheTranscriptsLines) {
  if (const std::string reason = skipReason("core", GetParam()); !reason.empty()) {
    GTEST_SKIP() << reason;
  }
  const Transcript transcript = readTranscript(GetParam());
  putFiles(transcript, directory, *codePage);
  std::u16string received = console.log.text();
  for (const Step& step : transcript.steps) {
    if (step.kind == Step::Kind::Enter) {
      if (console.window.stopRequested) {
        break;
      }
      const std::u16string before = console.log.text();
      enter(fromUtf8(step.text));
      const std::u16string& after = console.log.text();
      received += after.starts_with(before) ? after.substr(before.size()) : after;
    } else if (step.kind == Step::Kind::Expect && step.what == "empty") {
      EXPECT_EQ(toUtf8(console.log.text()), "") << "before line " << step.logged + 1;
    } else if (step.kind == Step::Kind::Expect && step.what == "ended") {
      EXPECT_TRUE(console.window.stopRequested) << "before line " << step.logged + 1;
    } else {
      FAIL() << "the console takes whole lines only; put " << GetParam()
             << " on the skip list for core";
    }
  }
  const std::string dir = directory.string();
  EXPECT_EQ(toUtf8(received), expectedLog(transcript.logText(), toUtf8(P), dir, "\r\n"));
  const std::size_t from = transcript.shownFrom();
  const std::string shown = from == 0 ? expectedLog(transcript.logText(), toUtf8(P), dir, "\r\n")
                                      : filledIn(transcript.logText(from), toUtf8(P), dir, "\r\n");
  EXPECT_EQ(toUtf8(console.log.text()), shown);
  EXPECT_EQ(differingFiles(transcript, directory, dir, *codePage), "");
}

INSTANTIATE_TEST_SUITE_P(Transcripts, TranscriptTest, ::testing::ValuesIn(transcriptNames()),
                         [](const auto& row) {
                           std::string name = row.param;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace zor::test
