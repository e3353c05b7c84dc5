#include "app/gui/Form1.h"
#include "app/gui/QtMediaDevice.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/ProgramDirectory.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Hiding the window leaves the program running; only closing it ends it.
  QApplication::setQuitOnLastWindowClosed(false);

  const zor::SystemClock clock;
  zor::QtMediaDevice media;
  const auto codePage = zor::systemCodePage();
  zor::Form1 form(zor::Services{clock, media, *codePage, zor::programDirectory()});
  QObject::connect(&form, &zor::Form1::stopRequested, [] { std::_Exit(0); });
  form.show();
  return QApplication::exec();
}
