#include "tests/support/Transcript.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zor::test {

namespace {

namespace fs = std::filesystem;

const fs::path kFolder = ZOR_TRANSCRIPTS_DIR;

std::vector<std::string> linesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
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

}  // namespace

Transcript readTranscript(std::string_view name) {
  Transcript transcript;
  for (const std::string& line : linesOf(kFolder / (std::string(name) + ".txt"))) {
    if (line.starts_with('#')) {
      continue;
    }
    if (line == "$" || line.starts_with("$ ")) {
      transcript.typed.push_back(line.substr(std::min<std::size_t>(2, line.size())));
    } else if (const std::size_t at = line.find('@');
               at != std::string::npos && (at == 0 || line.starts_with("[T]@"))) {
      for (const std::string& pageLine : pageLines(line.substr(at + 1))) {
        transcript.log += line.substr(0, at) + pageLine + "\n";
      }
    } else {
      transcript.log += line + "\n";
    }
  }
  return transcript;
}

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

std::vector<std::string> pageLines(std::string_view name) {
  return linesOf(kFolder / "pages" / (std::string(name) + ".txt"));
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
  return filledIn(readTranscript("welcome").log + std::string(log), time, directory, lineEnd);
}

}  // namespace zor::test
