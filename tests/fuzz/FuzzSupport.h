#pragma once

#include "platform/CodePage.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// Memory freed waits less long before it is used again, so that what a run
// allocates does not come from fresh pages every time: that cost more than
// the run itself. Each target is one source file, which defines it once.
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }

namespace zor::fuzz {

// Stops the run with the finding; libFuzzer keeps the input that caused it.
inline void check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
  }
}

// The code page is made once: its encoding table costs far more than a run.
inline const CodePage& codePage() {
  static const auto page = systemCodePage();
  return *page;
}

// An empty directory of the run's own, emptied again for every input and
// removed when the run ends. The path is never destroyed, so that it is
// still there for the removal at exit.
inline const std::filesystem::path& programDirectory() {
  static const auto* const directory = [] {
    std::string name = (std::filesystem::temp_directory_path() / "zor-fuzz-XXXXXX").string();
    check(mkdtemp(name.data()) != nullptr, "a temporary directory");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(programDirectory(), ignored);
    });
    return new std::filesystem::path(name);
  }();
  return *directory;
}

inline void emptyProgramDirectory() {
  for (const auto& entry : std::filesystem::directory_iterator(programDirectory())) {
    std::filesystem::remove_all(entry.path());
  }
}

}  // namespace zor::fuzz
