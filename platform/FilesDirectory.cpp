#include "platform/FilesDirectory.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>
#else
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

namespace zor {

namespace {

namespace fs = std::filesystem;

fs::path withoutTrailingSeparator(fs::path directory) {
  if (!directory.has_filename() && directory.has_relative_path()) {
    return directory.parent_path();
  }
  return directory;
}

#ifdef _WIN32

bool userMayWriteInto(const fs::path& directory) {
  // Permissions on Windows live in access lists that no attribute shows:
  // only making a file tells. The file goes again when its handle closes.
  const fs::path probe = directory / (L"zor-write-test-" + std::to_wstring(GetCurrentProcessId()));
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return false;
  }
  CloseHandle(file);
  return true;
}

fs::path documentsDirectory(const Environment& environment) {
  PWSTR folder = nullptr;
  fs::path documents;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder))) {
    documents = folder;
  } else if (auto profile = environment("USERPROFILE")) {
    documents = *profile / L"Documents";
  }
  CoTaskMemFree(folder);
  return documents;
}

#else

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

fs::path documentsDirectory(const Environment& environment) {
  const fs::path home = homeDirectory(environment);
  fs::path configHome = home / ".config";
  if (auto xdgConfigHome = environment("XDG_CONFIG_HOME");
      xdgConfigHome && xdgConfigHome->is_absolute()) {
    configHome = *xdgConfigHome;
  }
  return userDirsDocuments(home, configHome).value_or(home / "Documents");
}

#endif

// A program unpacked into a folder of the user's own keeps its files beside
// it. On Windows an installed program lies where its users may not write,
// and an unpacked one may well be on the search path; elsewhere an
// installed one is on it.
bool keepsFilesBesideIt(const fs::path& programDirectory, const Environment& environment) {
#ifdef _WIN32
  (void)environment;
  return userMayWriteInto(programDirectory);
#else
  return userMayWriteInto(programDirectory) && !onSearchPath(programDirectory, environment);
#endif
}

fs::path madeOnFirstUse(const fs::path& directory) {
  std::error_code ignored;
  fs::create_directories(directory, ignored);
  return withoutTrailingSeparator(directory);
}

}  // namespace

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<fs::path> {
#ifdef _WIN32
    const std::string narrow(name);
    const wchar_t* value = _wgetenv(std::wstring(narrow.begin(), narrow.end()).c_str());
#else
    const char* value = std::getenv(name);
#endif
    if (value == nullptr || *value == 0) {
      return std::nullopt;
    }
    return fs::path(value);
  };
}

fs::path filesDirectory(const fs::path& programDirectory, const Environment& environment) {
  if (auto home = environment("ZOR_HOME")) {
    std::error_code error;
    const fs::path absolute = fs::absolute(*home, error);
    return madeOnFirstUse(error ? *home : absolute);
  }
  if (keepsFilesBesideIt(programDirectory, environment)) {
    return programDirectory;
  }
  return madeOnFirstUse(documentsDirectory(environment) / "ZOR");
}

ProgramDirectory filesDirectory(std::error_code& error) {
  const ProgramDirectory program = programDirectory(error);
  if (error) {
    return {};
  }
  return filesDirectory(program.path(), systemEnvironment());
}

}  // namespace zor
