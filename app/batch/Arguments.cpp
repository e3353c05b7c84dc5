#include "app/batch/Arguments.h"

#include "app/Version.h"
#include "app/batch/ExitStatus.h"
#include "platform/StandardStreams.h"

#include <vector>

namespace zor {

const std::string_view kUsage =
    "Usage: zor                  open the console window\n"
    "       zor --batch [FILE]   run the command lines of FILE, or of standard input\n"
    "                            when FILE is absent or -, without a window; every\n"
    "                            line the log receives goes to standard output\n"
    "       zor --help           show this help\n"
    "       zor --version        show the version\n"
    "用法: zor                  打开命令符窗口\n"
    "      zor --batch [文件]   不开窗口, 逐行执行文件(无文件或为 - 时读标准输入)中的命令,\n"
    "                           日志的每一行写到标准输出\n"
    "      zor --help           显示本帮助\n"
    "      zor --version        显示版本\n";

namespace {

Arguments invalid(std::string_view argument, std::string_view reason) {
  return {StartMode::Invalid,
          {},
          "zor: " + std::string(argument) + ": " + std::string(reason) + " (see zor --help)\n"};
}

bool isOption(std::string_view argument) { return argument.size() > 1 && argument[0] == '-'; }

}  // namespace

Arguments parseArguments(std::span<const std::string_view> arguments) {
  if (arguments.empty()) {
    return {};
  }
  const std::string_view first = arguments[0];
  StartMode mode = StartMode::Invalid;
  std::size_t most = 1;
  if (first == "--batch") {
    mode = StartMode::Batch;
    most = 2;
  } else if (first == "--help") {
    mode = StartMode::Help;
  } else if (first == "--version") {
    mode = StartMode::Version;
  } else {
    return invalid(first, isOption(first) ? "unknown option" : "unexpected argument");
  }
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (i >= most) {
      return invalid(arguments[i], "unexpected argument");
    }
    if (isOption(arguments[i])) {
      return invalid(arguments[i], "unknown option");
    }
  }
  Arguments parsed{mode, {}, {}};
  if (arguments.size() == 2) {
    parsed.file = arguments[1];
  }
  return parsed;
}

Arguments parseArguments(int argc, const char* const argv[]) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return parseArguments(arguments);
}

int answerArguments(const Arguments& arguments) {
  switch (arguments.mode) {
    case StartMode::Help:
      return StandardStream::output().write(kUsage) ? kExitFailed : kExitOk;
    case StartMode::Version:
      return StandardStream::output().write(kVersionLine) ? kExitFailed : kExitOk;
    case StartMode::Invalid:
      StandardStream::error().write(arguments.error);
      return kExitUsage;
    default:
      return kExitOk;
  }
}

}  // namespace zor
