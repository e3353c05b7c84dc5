#pragma once

#include "app/WindowController.h"
#include "app/WindowView.h"
#include "interpreter/Console.h"

#include <QFont>
#include <QWidget>

class QGroupBox;

namespace zor {

class FindBox;
class InputBox;
class LogView;

// The console window. It hands its events to the window controller and
// shows what that says; every decision is the controller's.
class Form1 final : public QWidget, public WindowView {
  Q_OBJECT

 public:
  explicit Form1(Services services);

  Console& console() { return controller_.console(); }

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
  void apply(const WindowUpdate& update);
  void mirrorLog(const Log& log) override;
  void findInChangedLog() override;
  void showInput(const InputBoxEdit& edit) override;
  void showInputCaption(const std::u16string& caption) override;
  void showCaption(const std::u16string& caption) override;
  void paintLog(const BoxColours& colours) override;
  void paintInput(const BoxColours& colours) override;
  void markLog(const ViewMarks& marks) override;
  void useDarkTitleBar(bool dark) override;
  void zoomFonts(int percent) override;
  void showLogCaption(const std::u16string& caption) override;
  void showWindow(bool visible) override;
  void focusInput() override;
  void placeControls(const FormLayout& layout) override;
  void quitWindow() override;
  void stopProcess() override;
  void formResize();
  void placeFindBox();

  WindowController controller_;
  QGroupBox* frame2_;
  InputBox* text2_;
  QGroupBox* frame1_;
  LogView* text1_;
  FindBox* find_;
  // The fonts at 100%.
  QFont logFont_;
  QFont inputFont_;
  QFont findFont_;
};

}  // namespace zor
