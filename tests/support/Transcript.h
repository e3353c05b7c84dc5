#pragma once

#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zor {
class CodePage;
}

namespace zor::test {

// A transcript of tests/transcripts/, read by the grammar written at the top
// of welcome.txt there. Text is UTF-8 with the placeholders [T], {DIR} and
// {VERSION} left in.

// A piece of a keys line: a key pressed (`key` true, `text` its name such
// as "Ctrl+R" or "Up") or text typed as it stands.
struct KeyPiece {
  bool key = false;
  std::string text;
  bool operator==(const KeyPiece&) const = default;
};

struct Step {
  enum class Kind {
    Enter,      // `text` typed into the input box, then Enter
    Keys,       // `keys` typed and pressed
    Clipboard,  // `text` put on the clipboard
    Expect,     // the state `what` shows `text`
  };
  Kind kind = Kind::Enter;
  std::string what;
  std::string text;
  std::vector<KeyPiece> keys;
  // How many of the transcript's log lines come before this step.
  std::size_t logged = 0;
};

struct Transcript {
  std::string name;
  std::vector<Step> steps;
  // Every line the log receives after the banner, pages written out.
  std::vector<std::string> log;
  // The lines of each file before and after the session, by file name.
  std::map<std::string, std::vector<std::string>> filesBefore;
  std::map<std::string, std::vector<std::string>> filesAfter;

  // The lines typed and entered, in order.
  std::vector<std::string> typed() const;
  // Whether any step is of this kind.
  bool has(Step::Kind kind) const;
  // Whether an expectation of `what` (input, empty, ended, ...) is there.
  bool expects(std::string_view what) const;
  // The log lines from `from` on, each ended by LF.
  std::string logText(std::size_t from = 0) const;
  // Where the log shows its last start: the lines after the last `empty`.
  std::size_t shownFrom() const;
};

// A line the grammar does not take, with the file and line number in what().
struct TranscriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Transcript readTranscript(std::string_view name);
// The welcome banner's lines.
std::vector<std::string> bannerLines();
// The names of the transcripts that type something: all but the banner's.
std::vector<std::string> transcriptNames();
// Why `runner` does not run the transcript `name`, from the skip list, or
// empty when it does.
std::string skipReason(std::string_view runner, std::string_view name);
// The lines of a page of tests/transcripts/pages/.
std::vector<std::string> pageLines(std::string_view name);
// A clipboard text as the transcript writes it, its \n, \r and \\ read.
std::string unescaped(std::string_view text);

// The lines, each followed by `end`.
std::string joined(const std::vector<std::string>& lines, std::string_view end);
// Writes the files the transcript starts with into `directory`.
void putFiles(const Transcript& transcript, const std::filesystem::path& directory,
              const CodePage& codePage);
// What differs of the files the transcript ends with in `directory`, a
// message naming each, or empty: `shown` stands for {DIR}, and the time
// prefix at a line's start for [T].
std::string differingFiles(const Transcript& transcript, const std::filesystem::path& directory,
                           std::string_view shown, const CodePage& codePage);

// `text` with `time` for [T], `directory` for {DIR}, the version for
// {VERSION} and `lineEnd` for every LF.
std::string filledIn(std::string text, std::string_view time, std::string_view directory,
                     std::string_view lineEnd);
// The banner followed by `log`, filled in.
std::string expectedLog(std::string_view log, std::string_view time, std::string_view directory,
                        std::string_view lineEnd);

}  // namespace zor::test
