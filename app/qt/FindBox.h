#pragma once

#include "app/logview/FindBoxDriver.h"

#include <QFrame>
#include <QTimer>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zor {

class LogView;

// The find box over the log: a label, the line to find, a Match case box
// and the "n/m" count, run by the shared find box driver.
class FindBox final : public QFrame, private FindBoxControls {
 public:
  FindBox(QWidget* parent, FindBar& bar, LogView& view, std::function<void()> focusInput);

  // Ctrl+F, from the log or the input box.
  void findKey() { driver_.press(FindKey::CtrlF, false); }
  // After the log changed.
  void logChanged() { driver_.logChanged(); }
  // Over the log's text area, clear of its scroll bar.
  void place() { driver_.place(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  FindBoxMeasures measures() const override;
  ViewBox textArea() const override;
  ViewBox scrollBar() const override;
  void placeBox(const FindBoxPlace& place) override;
  void showBox(bool shown) override;
  void selectText() override;
  void showCount(const FindBar::Count& count) override;
  void runPause(bool on) override;
  void runCounting(bool on) override;
  void refreshView() override;
  void focusInput() override { focusInput_(); }

  LogView& view_;
  QWidget* const viewport_;
  std::function<void()> focusInput_;
  QLabel* label_;
  QLineEdit* edit_;
  QCheckBox* matchCase_;
  QLabel* count_;
  QTimer pause_;
  QTimer counting_;
  FindBoxDriver driver_;
};

}  // namespace zor
