#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zor::test {

// A golden transcript of tests/transcripts/ (see welcome.txt there for the
// form): the lines it types and the log it expects after the banner, in
// UTF-8 with LF ends, the placeholders [T], {DIR} and {VERSION} left in.
struct Transcript {
  std::vector<std::string> typed;
  std::string log;
};

Transcript readTranscript(std::string_view name);
// The names of the transcripts that type something: all but the banner's.
std::vector<std::string> transcriptNames();
// The lines of a page of tests/transcripts/pages/.
std::vector<std::string> pageLines(std::string_view name);

// `text` with `time` for [T], `directory` for {DIR}, the version for
// {VERSION} and `lineEnd` for every LF.
std::string filledIn(std::string text, std::string_view time, std::string_view directory,
                     std::string_view lineEnd);
// The banner followed by `log`, filled in.
std::string expectedLog(std::string_view log, std::string_view time, std::string_view directory,
                        std::string_view lineEnd);

}  // namespace zor::test
