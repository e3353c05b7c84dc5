#include "tests/support/Transcript.h"

#include "platform/CodePage.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

namespace zor::test {

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = ZOR_TRANSCRIPTS_DIR;

constexpr std::array<std::string_view, 5> kRunners = {"core", "batch", "wine-batch", "qt",
                                                      "wine-window"};
constexpr std::array<std::string_view, 13> kKeys = {"Enter",  "Esc",  "Up",   "Down", "Left",
                                                    "Right",  "Home", "End",  "Tab",  "Backspace",
                                                    "Delete", "F3",   "Space"};
constexpr std::array<std::string_view, 3> kModifiers = {"Ctrl", "Shift", "Alt"};
constexpr std::array<std::string_view, 6> kStates = {"input",     "caption", "find",
                                                     "clipboard", "empty",   "ended"};

template <std::size_t N>
bool among(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<std::string> linesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw TranscriptError(path.string() + ": cannot be read");
  }
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

void replaceAll(std::string& text, std::string_view key, std::string_view value) {
  for (std::size_t at = text.find(key); at != std::string::npos;
       at = text.find(key, at + value.size())) {
    text.replace(at, key.size(), value);
  }
}

bool isKeyName(std::string_view name) {
  for (std::size_t plus; (plus = name.find('+')) != std::string_view::npos;) {
    if (!among(kModifiers, name.substr(0, plus))) {
      return false;
    }
    name.remove_prefix(plus + 1);
  }
  return among(kKeys, name) || (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z');
}

// Text typed as it stands, keys in angle brackets.
std::vector<KeyPiece> keysOf(std::string_view line, const std::string& where) {
  std::vector<KeyPiece> pieces;
  while (!line.empty()) {
    const std::size_t open = line.find('<');
    if (open != 0) {
      pieces.push_back({false, std::string(line.substr(0, open))});
      line.remove_prefix(std::min(open, line.size()));
      continue;
    }
    const std::size_t close = line.find('>');
    const std::string_view name = line.substr(1, close - 1);
    if (close == std::string_view::npos || !isKeyName(name)) {
      throw TranscriptError(where + ": no such key: " + std::string(line));
    }
    pieces.push_back({true, std::string(name)});
    line.remove_prefix(close + 1);
  }
  return pieces;
}

// A line that starts with `sigil` and a blank, or is the sigil alone.
bool directive(std::string_view line, char sigil) {
  return !line.empty() && line[0] == sigil && (line.size() == 1 || line[1] == ' ');
}

// The word before the first blank and what follows that blank.
std::pair<std::string, std::string> split(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) {
    return {std::string(text), std::string()};
  }
  return {std::string(text.substr(0, blank)), std::string(text.substr(blank + 1))};
}

void readLine(Transcript& transcript, const std::string& line, const std::string& where) {
  const std::string rest = line.size() > 2 ? line.substr(2) : std::string();
  Step step;
  step.logged = transcript.log.size();
  if (line.starts_with('#')) {
    return;
  } else if (line.starts_with('\\')) {
    transcript.log.push_back(line.substr(1));
    return;
  } else if (directive(line, '$')) {
    step.text = rest;
  } else if (directive(line, '!')) {
    step.kind = Step::Kind::Keys;
    step.keys = keysOf(rest, where);
  } else if (directive(line, '^')) {
    step.kind = Step::Kind::Clipboard;
    step.text = unescaped(rest);
  } else if (directive(line, '?')) {
    step.kind = Step::Kind::Expect;
    std::tie(step.what, step.text) = split(rest);
    const bool bare = step.what == "empty" || step.what == "ended";
    if (!among(kStates, step.what) || (bare && rest.size() > step.what.size())) {
      throw TranscriptError(where + ": no such state: " + rest);
    }
    if (step.what == "clipboard") {
      step.text = unescaped(step.text);
    }
  } else if (directive(line, '<') || directive(line, '>')) {
    auto [file, text] = split(rest);
    if (file.empty()) {
      throw TranscriptError(where + ": a file line names no file");
    }
    (line[0] == '<' ? transcript.filesBefore : transcript.filesAfter)[file].push_back(text);
    return;
  } else if (const std::size_t at = line.find('@');
             at != std::string::npos && (at == 0 || line.starts_with("[T]@"))) {
    const std::string page = line.substr(at + 1);
    if (!fs::exists(kFolder / "pages" / (page + ".txt"))) {
      throw TranscriptError(where + ": no such page: " + page);
    }
    for (const std::string& pageLine : pageLines(page)) {
      transcript.log.push_back(line.substr(0, at) + pageLine);
    }
    return;
  } else {
    transcript.log.push_back(line);
    return;
  }
  transcript.steps.push_back(std::move(step));
}

}  // namespace

std::vector<std::string> Transcript::typed() const {
  std::vector<std::string> lines;
  for (const Step& step : steps) {
    if (step.kind == Step::Kind::Enter) {
      lines.push_back(step.text);
    }
  }
  return lines;
}

bool Transcript::has(Step::Kind kind) const {
  return std::any_of(steps.begin(), steps.end(), [&](const Step& s) { return s.kind == kind; });
}

bool Transcript::expects(std::string_view what) const {
  return std::any_of(steps.begin(), steps.end(),
                     [&](const Step& s) { return s.kind == Step::Kind::Expect && s.what == what; });
}

std::string Transcript::logText(std::size_t from) const {
  std::string text;
  for (std::size_t i = from; i < log.size(); ++i) {
    text += log[i] + "\n";
  }
  return text;
}

std::size_t Transcript::shownFrom() const {
  std::size_t from = 0;
  for (const Step& step : steps) {
    if (step.kind == Step::Kind::Expect && step.what == "empty") {
      from = step.logged;
    }
  }
  return from;
}

Transcript readTranscript(std::string_view name) {
  Transcript transcript;
  transcript.name = name;
  const fs::path path = kFolder / (std::string(name) + ".txt");
  std::size_t number = 0;
  for (const std::string& line : linesOf(path)) {
    readLine(transcript, line, path.filename().string() + ":" + std::to_string(++number));
  }
  return transcript;
}

std::vector<std::string> bannerLines() { return readTranscript("welcome").log; }

std::vector<std::string> transcriptNames() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(kFolder)) {
    if (entry.path().extension() == ".txt" && entry.path().stem() != "welcome") {
      names.push_back(entry.path().stem().string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string skipReason(std::string_view runner, std::string_view name) {
  if (!among(kRunners, runner)) {
    throw TranscriptError("no such runner: " + std::string(runner));
  }
  std::size_t number = 0;
  for (const std::string& line : linesOf(kFolder / "skip-list")) {
    ++number;
    if (line.empty() || line.starts_with('#')) {
      continue;
    }
    const auto [who, more] = split(line);
    const auto [what, reason] = split(more);
    const std::string where = "skip-list:" + std::to_string(number);
    if (!among(kRunners, who) || !fs::exists(kFolder / (what + ".txt")) || reason.empty()) {
      throw TranscriptError(where + ": not a runner, a transcript and a reason: " + line);
    }
    if (who == runner && what == name) {
      return reason;
    }
  }
  return {};
}

std::vector<std::string> pageLines(std::string_view name) {
  return linesOf(kFolder / "pages" / (std::string(name) + ".txt"));
}

std::string unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      const char next = text[++i];
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string joined(const std::vector<std::string>& lines, std::string_view end) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += end;
  }
  return text;
}

void putFiles(const Transcript& transcript, const fs::path& directory, const CodePage& codePage) {
  for (const auto& [name, lines] : transcript.filesBefore) {
    std::ofstream(directory / name, std::ios::binary)
        << codePage.encode(fromUtf8(joined(lines, "\r\n")));
  }
}

std::string differingFiles(const Transcript& transcript, const fs::path& directory,
                           std::string_view shown, const CodePage& codePage) {
  const std::regex time(R"((^|\n)\[[0-9]{2}:[0-9]{2}:[0-9]{2}\])");
  std::string differing;
  for (const auto& [name, lines] : transcript.filesAfter) {
    std::ifstream in(directory / name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string got = std::regex_replace(toUtf8(codePage.decode(bytes)), time, "$1[T]");
    const std::string expected = filledIn(joined(lines, "\n"), "[T]", shown, "\r\n");
    if (!in || got != expected) {
      differing += name + (in ? " differs" : " is missing") + "\n--- expected\n" + expected +
                   "--- got\n" + got + "\n";
    }
  }
  return differing;
}

std::string filledIn(std::string text, std::string_view time, std::string_view directory,
                     std::string_view lineEnd) {
  replaceAll(text, "[T]", time);
  replaceAll(text, "{DIR}", directory);
  replaceAll(text, "{VERSION}", ZOR_PROJECT_VERSION);
  replaceAll(text, "\n", lineEnd);
  return text;
}

std::string expectedLog(std::string_view log, std::string_view time, std::string_view directory,
                        std::string_view lineEnd) {
  return filledIn(readTranscript("welcome").logText() + std::string(log), time, directory, lineEnd);
}

}  // namespace zor::test
