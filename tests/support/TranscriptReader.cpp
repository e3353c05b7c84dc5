// The transcripts for the shell runners, read by the one parser.
// Usage: zor_transcript names                  the transcripts that type something
//        zor_transcript skipped RUNNER NAME    why RUNNER skips NAME; fails when it does not
//        zor_transcript typed NAME             the lines NAME enters, one a line
//        zor_transcript banner DIR             the banner, DIR for {DIR}
//        zor_transcript log NAME DIR           the banner and every line the log of NAME
//                                              receives, DIR for {DIR}
//        zor_transcript steps NAME DIR         what a window runner does and expects, one
//                                              step a line: "log LINE", "enter TEXT",
//                                              "text TEXT", "key NAME", "clipboard TEXT"
//                                              ("\n" for LF, "\r" for CR, "\\" for "\"),
//                                              "expect WHAT VALUE", a tab after the first word
//        zor_transcript put-files NAME DIR     writes the files NAME starts with into DIR
//        zor_transcript check-files NAME DIR SHOWN
//                                              fails, naming the file, when a file in DIR
//                                              differs from what NAME expects after it,
//                                              SHOWN for {DIR}, time prefixes as [T]
// Output is UTF-8 with LF line ends; the placeholder [T] is left in.
#include "tests/support/Transcript.h"

#include "platform/CodePage.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace zor::test {
namespace {

namespace fs = std::filesystem;

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\\' ? "\\\\" : std::string(1, c);
  }
  return out;
}

std::string steps(const Transcript& transcript, std::string_view directory) {
  std::string out;
  std::size_t logged = 0;
  const auto logUpTo = [&](std::size_t end) {
    for (; logged < end; ++logged) {
      out += "log\t" + filledIn(transcript.log[logged], "[T]", directory, "") + "\n";
    }
  };
  for (const Step& step : transcript.steps) {
    logUpTo(step.logged);
    switch (step.kind) {
      case Step::Kind::Enter:
        out += "enter\t" + step.text + "\n";
        break;
      case Step::Kind::Keys:
        for (const KeyPiece& piece : step.keys) {
          out += (piece.key ? "key\t" : "text\t") + piece.text + "\n";
        }
        break;
      case Step::Kind::Clipboard:
        out += "clipboard\t" + escaped(step.text) + "\n";
        break;
      case Step::Kind::Expect:
        out += "expect\t" + step.what + "\t" + escaped(step.text) + "\n";
        break;
    }
  }
  logUpTo(transcript.log.size());
  return out;
}

int run(const std::vector<std::string>& args) {
  const auto is = [&](std::string_view command, std::size_t count) {
    return args.size() == count + 1 && args[0] == command;
  };
  std::string out;
  int status = 0;
  if (is("names", 0)) {
    out = joined(transcriptNames(), "\n");
  } else if (is("skipped", 2)) {
    out = skipReason(args[1], args[2]);
    status = out.empty() ? 1 : 0;
    out += status == 0 ? "\n" : "";
  } else if (is("typed", 1)) {
    out = joined(readTranscript(args[1]).typed(), "\n");
  } else if (is("banner", 1)) {
    out = filledIn(joined(bannerLines(), "\n"), "[T]", args[1], "\n");
  } else if (is("log", 2)) {
    out = expectedLog(readTranscript(args[1]).logText(), "[T]", args[2], "\n");
  } else if (is("steps", 2)) {
    out = steps(readTranscript(args[1]), args[2]);
  } else if (is("put-files", 2)) {
    putFiles(readTranscript(args[1]), fs::path(args[2]), *systemCodePage());
  } else if (is("check-files", 3)) {
    out = differingFiles(readTranscript(args[1]), fs::path(args[2]), args[3], *systemCodePage());
    status = out.empty() ? 0 : 1;
  } else {
    std::fputs(
        "usage: zor_transcript names | skipped RUNNER NAME | typed NAME | banner DIR | "
        "log NAME DIR | steps NAME DIR | put-files NAME DIR | check-files NAME DIR SHOWN\n",
        stderr);
    return 2;
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? status : 1;
}

}  // namespace
}  // namespace zor::test

int main(int argc, char* argv[]) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  try {
    return zor::test::run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const zor::test::TranscriptError& error) {
    std::fprintf(stderr, "zor_transcript: %s\n", error.what());
    return 2;
  }
}
