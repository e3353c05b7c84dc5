#include "platform/FilesDirectoryCalls.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace zor {

namespace {

namespace fs = std::filesystem;

bool userMayWriteInto(const fs::path& directory) {
  return ::access(directory.c_str(), W_OK | X_OK) == 0;
}

fs::path homeDirectory(const Environment& environment) {
  if (auto home = environment("HOME")) {
    return *home;
  }
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    return found->pw_dir;
  }
  return "/";
}

// A value of user-dirs.dirs as the shell reads it: double quotes go,
// a backslash takes the next character as it is.
std::string unquoted(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '"') {
      continue;
    }
    if (value[i] == '\\' && i + 1 < value.size()) {
      ++i;
    }
    text += value[i];
  }
  return text;
}

// XDG_DOCUMENTS_DIR of user-dirs.dirs: "$HOME/name" or an absolute path.
// Anything else is not a documents folder; the last valid line wins, as it
// would in the shell.
std::optional<fs::path> userDirsDocuments(const fs::path& home, const fs::path& configHome) {
  std::ifstream file(configHome / "user-dirs.dirs");
  constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
  std::optional<fs::path> documents;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.starts_with(kKey)) {
      continue;
    }
    const std::string value = unquoted(std::string_view(line).substr(kKey.size()));
    constexpr std::string_view kHome = "$HOME";
    if (value.starts_with(kHome) && (value.size() == kHome.size() || value[kHome.size()] == '/')) {
      documents = home / value.substr(std::min(value.size(), kHome.size() + 1));
    } else if (value.starts_with('/')) {
      documents = value;
    }
  }
  return documents;
}

// Whether the directory is one of the command search path's, where installed
// programs lie (/usr/bin, ~/.local/bin): no folder of the user's own, even
// where the user may write into it, as root may into /usr/bin.
bool onSearchPath(const fs::path& directory, const Environment& environment) {
  const auto path = environment("PATH");
  if (!path) {
    return false;
  }
  const std::string list = path->string();
  for (std::size_t begin = 0; begin <= list.size();) {
    const std::size_t end = std::min(list.find(':', begin), list.size());
    std::error_code error;
    // An empty entry is the working directory, which names no installation.
    if (end > begin && fs::equivalent(list.substr(begin, end - begin), directory, error)) {
      return true;
    }
    begin = end + 1;
  }
  return false;
}

}  // namespace

fs::path documentsDirectory(const Environment& environment) {
  const fs::path home = homeDirectory(environment);
  fs::path configHome = home / ".config";
  if (auto xdgConfigHome = environment("XDG_CONFIG_HOME");
      xdgConfigHome && xdgConfigHome->is_absolute()) {
    configHome = *xdgConfigHome;
  }
  return userDirsDocuments(home, configHome).value_or(home / "Documents");
}

// An installed program is on the command search path.
bool keepsFilesBesideIt(const fs::path& programDirectory, const Environment& environment) {
  return userMayWriteInto(programDirectory) && !onSearchPath(programDirectory, environment);
}

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<fs::path> {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == 0) {
      return std::nullopt;
    }
    return fs::path(value);
  };
}

}  // namespace zor
