#include "app/Arguments.h"
#include "app/BatchMode.h"
#include "app/qt/Form1.h"
#include "app/qt/QtMediaDevice.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilesDirectory.h"
#include "platform/NativePath.h"
#include "platform/ProgramDirectory.h"

#ifdef _WIN32
#include "platform/MciMediaDevice.h"
#endif

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
  zor::QtMediaDevice::chooseBackend();
  const zor::Arguments arguments = zor::parseArguments(argc, argv);
  if (arguments.mode == zor::StartMode::Batch) {
    // The media back-end needs an event loop, but no display.
    QCoreApplication core(argc, argv);
    zor::QtMediaDevice media;
    return zor::runBatchMode(arguments.file, media);
  }
  if (arguments.mode != zor::StartMode::Window) {
    return zor::answerArguments(arguments);
  }

  QApplication app(argc, argv);
  // Lets the desktop match the window with the installed launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.dezeza.ZorConsole"));
  // Hiding the window leaves the program running; only closing it ends it.
  QApplication::setQuitOnLastWindowClosed(false);

  const zor::SystemClock clock;
  const auto codePage = zor::systemCodePage();
#ifdef _WIN32
  zor::MciMediaDevice media(*codePage);
#else
  // Created with the window and released after its unload step.
  zor::QtMediaDevice media;
#endif
  // The console sees the files directory as its program directory.
  const auto files =
      zor::filesDirectory(zor::nativePath(zor::programDirectory()), zor::systemEnvironment());
  zor::Form1 form(zor::Services{clock, media, *codePage, zor::pathText(files)});
  QObject::connect(&form, &zor::Form1::stopRequested, [] { std::_Exit(0); });
  form.show();
  return QApplication::exec();
}
