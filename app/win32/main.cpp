#include "app/Form.h"
#include "app/WindowTexts.h"
#include "app/batch/Arguments.h"
#include "app/batch/BatchMode.h"
#include "app/win32/Form1.h"
#include "app/win32/WideText.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilesDirectory.h"
#include "platform/MciMediaDevice.h"
#include "platform/ParentConsole.h"
#include "platform/Utf8.h"

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// The arguments after the program's name, in UTF-8: a Windows program is
// given its command line whole, in UTF-16.
std::vector<std::string> commandLineArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int i = 1; arguments != nullptr && i < count; ++i) {
    utf8.push_back(zor::toUtf8(reinterpret_cast<const char16_t*>(arguments[i])));
  }
  LocalFree(arguments);
  return utf8;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const std::vector<std::string> utf8 = commandLineArguments();
  const std::vector<std::string_view> views(utf8.begin(), utf8.end());
  const zor::Arguments arguments = zor::parseArguments(views);
  if (arguments.mode != zor::StartMode::Window) {
    // Without a window the program writes to the console it was started
    // from, or to the pipes and files it was given.
    zor::useParentConsole();
    if (arguments.mode == zor::StartMode::Batch) {
      const auto codePage = zor::systemCodePage();
      zor::MciMediaDevice media(*codePage);
      return zor::runBatchMode(arguments.file, media);
    }
    return zor::answerArguments(arguments);
  }

  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  std::error_code error;
  zor::ProgramDirectory directory = zor::filesDirectory(error);
  if (error) {
    const std::u16string message = zor::noProgramDirectoryMessage(error);
    MessageBoxW(nullptr, zor::wide(message), zor::wide(zor::kErrorTitle), MB_ICONERROR);
    return 1;
  }

  const zor::SystemClock clock;
  const auto codePage = zor::systemCodePage();
  zor::MciMediaDevice media(*codePage);
  zor::Form1 form(instance, zor::Services{clock, media, *codePage, std::move(directory)});
  ShowWindow(form.handle(), showCommand);

  // Hiding the window leaves the loop running; only closing it ends it.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(form.handle(), form.accelerators(), &msg) != 0) {
      continue;
    }
    if (!IsDialogMessageW(form.handle(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
