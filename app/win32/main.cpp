#include "app/Form.h"
#include "app/win32/Form1.h"
#include "app/win32/WideText.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilesDirectory.h"
#include "platform/MciMediaDevice.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <system_error>
#include <utility>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  std::error_code error;
  zor::ProgramDirectory directory = zor::filesDirectory(error);
  if (error) {
    const std::u16string message = zor::noProgramDirectoryMessage(error);
    MessageBoxW(nullptr, zor::wide(message), L"ZOR命令符-DEZEZA", MB_ICONERROR);
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
    if (!IsDialogMessageW(form.handle(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
