#include "app/Form.h"
#include "app/WindowController.h"
#include "app/WindowTexts.h"
#include "app/batch/Arguments.h"
#include "app/batch/BatchMode.h"
#include "app/qt/Form1.h"
#include "app/qt/QtMediaDevice.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/FilesDirectory.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <utility>

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

  std::error_code error;
  zor::ProgramDirectory directory = zor::filesDirectory(error);
  if (error) {
    const QString message = QString::fromStdU16String(zor::noProgramDirectoryMessage(error));
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    QMessageBox::critical(nullptr, QString::fromUtf16(zor::kErrorTitle), message);
    return 1;
  }

  const zor::SystemClock clock;
  const auto codePage = zor::systemCodePage();
  // Created with the window and released after its unload step.
  zor::QtMediaDevice media;
  zor::Form1 form(zor::Services{clock, media, *codePage, std::move(directory)});
  QObject::connect(&form, &zor::Form1::stopRequested, [] { zor::endProcessNow(); });
  form.show();
  return QApplication::exec();
}
