#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/types.h>
#endif

namespace zor {

// The parts of File that each system does its own way (File_posix.cpp,
// File_win32.cpp).

// The reason why opening `path` just failed, from errno.
std::error_code openFailure(const std::filesystem::path& path);

// Refuses a name that the system would take for something other than a
// file of its own.
std::error_code refusedName(const std::filesystem::path& path);

// The path under which the system keeps the file that `path` names, every
// link and junction on the way resolved; `path` itself when it names
// nothing yet or the system cannot tell.
std::filesystem::path finalPath(const std::filesystem::path& path);

// Refuses to write a file that is marked read-only.
std::error_code refusedForWriting(const std::filesystem::path& path);

// Writes every byte into a file that File opened, however many calls it
// takes.
std::error_code writeToFile(int descriptor, std::string_view bytes);

// Asks the system to put what was written on the disk.
std::error_code syncFile(int descriptor);

// Puts the file `from` in the place of `to` in one step; a directory of that
// name is not replaced.
std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to);

// The system's calls by which a file is written and put in its place, each
// made through this table only, so that a test can put one that fails in
// its place. They have the system's own signatures and report a failure as
// the system does: in errno, or in GetLastError() on Windows.
struct SystemFileCalls {
#ifdef _WIN32
  BOOL(WINAPI* writeFile)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
  BOOL(WINAPI* flushFileBuffers)(HANDLE);
  BOOL(WINAPI* setFileAttributes)(LPCWSTR, DWORD);
  BOOL(WINAPI* moveFileEx)(LPCWSTR, LPCWSTR, DWORD);
  BOOL(WINAPI* replaceFile)(LPCWSTR, LPCWSTR, LPCWSTR, DWORD, LPVOID, LPVOID);
#else
  int (*open)(const char* path, int flags, mode_t mode);
  ssize_t (*write)(int descriptor, const void* data, std::size_t size);
  int (*fsync)(int descriptor);
  int (*close)(int descriptor);
  int (*rename)(const char* from, const char* to);
#endif
};

// The calls every file of the program goes through.
SystemFileCalls& systemFileCalls();

}  // namespace zor
