#pragma once

#include "app/logview/FindBar.h"

#include <QFrame>
#include <QTimer>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zor {

class LogView;

// The find box over the top right of the log: a label, the line to find, a
// Match case box and the "n/m" count. It forwards its keys and its text to
// the shared find bar and selects what that hands back in the log.
class FindBox final : public QFrame {
 public:
  FindBox(QWidget* parent, FindBar& bar, LogView& view, std::function<void()> focusInput);

  // Ctrl+F, from the log or the input box.
  void findKey();
  // After the log changed: keep the match and the count in step.
  void logChanged();
  // Over the top right of `logRect`, in the parent's coordinates.
  void place(const QRect& logRect);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void apply(const FindBar::Outcome& outcome);
  void edited();
  void showCount();

  FindBar& bar_;
  LogView& view_;
  std::function<void()> focusInput_;
  QLineEdit* edit_;
  QCheckBox* matchCase_;
  QLabel* count_;
  QTimer pause_;
  QTimer counting_;
};

}  // namespace zor
