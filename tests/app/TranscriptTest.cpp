#include "tests/support/ConsoleHarness.h"
#include "tests/support/Transcript.h"

#include "platform/Utf8.h"

namespace zor::test {
namespace {

class TranscriptTest : public ConsoleTest, public ::testing::WithParamInterface<std::string> {};

// Every line the log receives, the banner's included, up to stop, which ends
// the session; a line that empties the log (clear) leaves what came before
// received.
TEST_P(TranscriptTest, TheLogReceivesTheTranscriptsLines) {
  const Transcript transcript = readTranscript(GetParam());
  std::u16string received = console.log.text();
  for (const std::string& line : transcript.typed) {
    if (console.window.stopRequested) {
      break;
    }
    const std::u16string before = console.log.text();
    enter(fromUtf8(line));
    const std::u16string& after = console.log.text();
    received += after.starts_with(before) ? after.substr(before.size()) : after;
  }
  EXPECT_EQ(toUtf8(received), expectedLog(transcript.log, toUtf8(P), directory.string(), "\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Transcripts, TranscriptTest, ::testing::ValuesIn(transcriptNames()),
                         [](const auto& row) {
                           std::string name = row.param;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace zor::test
