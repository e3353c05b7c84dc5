#pragma once

#include "app/InputHistory.h"
#include "app/InputLine.h"
#include "app/Zoom.h"
#include "app/logview/FindBar.h"
#include "interpreter/Console.h"

#include <QFont>
#include <QWidget>

class QGroupBox;

namespace zor {

class FindBox;
class InputBox;
class LogView;

// The console window. It shows the console's state and forwards key presses
// and life-cycle events to it; every decision is the console's.
class Form1 final : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(Services services);

  Console& console() { return console_; }

 signals:
  // The stop command: the process is to end at once, without unloading.
  void stopRequested();

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void keyPress(char16_t keyCode);
  void formResize();
  void render();
  void paintBoxes();
  void placeFindBox();
  void zoomed(bool changed);

  Console console_;
  InputHistory history_;
  InputLine line_;
  QGroupBox* frame2_;
  InputBox* text2_;
  QGroupBox* frame1_;
  LogView* text1_;
  FindBar findBar_;
  FindBox* find_;
  Zoom zoom_;
  // The fonts at 100%.
  QFont logFont_;
  QFont inputFont_;
  QFont findFont_;
};

}  // namespace zor
