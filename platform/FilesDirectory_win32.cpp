#include "platform/FilesDirectoryCalls.h"

#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

namespace zor {

namespace {

namespace fs = std::filesystem;

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

}  // namespace

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

// The setup program (data/zor-setup.nsi.in) marks the folder it installs
// into: an installed copy keeps its files in the documents folder, however
// writable its own folder is (under Wine every folder is). An unpacked one
// may well be on the search path; where its users may not write, it lies
// as good as installed.
bool keepsFilesBesideIt(const fs::path& programDirectory, const Environment&) {
  std::error_code error;
  if (fs::exists(programDirectory / L"zor-installed.txt", error)) {
    return false;
  }
  return userMayWriteInto(programDirectory);
}

Environment systemEnvironment() {
  return [](const char* name) -> std::optional<fs::path> {
    const std::string narrow(name);
    const wchar_t* value = _wgetenv(std::wstring(narrow.begin(), narrow.end()).c_str());
    if (value == nullptr || *value == 0) {
      return std::nullopt;
    }
    return fs::path(value);
  };
}

}  // namespace zor
