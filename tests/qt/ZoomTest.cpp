#include "app/logview/LogViewModel.h"
#include "tests/qt/WindowFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace zor::test {
namespace {

class ZoomTest : public WindowFixture {
 protected:
  // Lines long enough to wrap, the first row on screen inside one of them.
  ZoomTest() {
    QApplication::setActiveWindow(&form);
    for (int i = 0; i < 20; ++i) {
      type(QStringLiteral("say ") + QStringLiteral("word%1 ").arg(i).repeated(30));
    }
    frame1 = form.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    text1->model().scrollToLine(10);
    text1->model().scrollRows(2);
    text1->refresh();
    top = text1->topRow();
    first = text1->model().onScreen().begin;
  }

  // The first row on screen holds the character that began it before.
  bool firstRowKept() {
    return text1->model().unitAt(first, TextUnit::Row).begin == text1->model().onScreen().begin;
  }

  QGroupBox* frame1 = nullptr;
  RowSpot top;
  std::size_t first = 0;
};

TEST_F(ZoomTest, KeysZoomTheBoxesFontsKeepingTheFirstRowAndTheLayout) {
  ASSERT_EQ(top.line, 10u);
  ASSERT_EQ(top.row, 2);
  const QFont log = text1->font();
  const QFont input = text2->font();
  const QFont frame = frame1->font();
  const QRect logPlace = text1->geometry();
  const QSize window = form.size();
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int percent;
    const char16_t* caption;
  } steps[] = {
      {Qt::Key_Equal, Qt::ControlModifier, 110, u"日志Log 110%"},
      {Qt::Key_Equal, Qt::ControlModifier, 125, u"日志Log 125%"},
      {Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 150, u"日志Log 150%"},
      {Qt::Key_Minus, Qt::ControlModifier, 125, u"日志Log 125%"},
      {Qt::Key_Plus, Qt::ControlModifier, 150, u"日志Log 150%"},
      {Qt::Key_Minus, Qt::ControlModifier | Qt::KeypadModifier, 125, u"日志Log 125%"},
      {Qt::Key_0, Qt::ControlModifier, 100, u"日志Log"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.percent);
    QTest::keyClick(text2, step.key, step.modifiers);
    EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), log.pointSizeF() * step.percent / 100);
    EXPECT_DOUBLE_EQ(text2->font().pointSizeF(), input.pointSizeF() * step.percent / 100);
    EXPECT_EQ(frame1->title(), QString::fromUtf16(step.caption));
    EXPECT_EQ(frame1->font(), frame);
    EXPECT_EQ(text1->model().rowHeight(), QFontMetrics(text1->font()).lineSpacing());
    EXPECT_TRUE(firstRowKept());
    EXPECT_EQ(text1->geometry(), logPlace);
    EXPECT_EQ(form.size(), window);
  }
  EXPECT_EQ(text1->topRow(), top);
  EXPECT_EQ(text1->font(), log);
}

TEST_F(ZoomTest, CtrlAndTheWheelZoomAStepANotchWithoutScrolling) {
  const double size = text1->font().pointSizeF();
  const auto turn = [&](QWidget* over, int delta) {
    QWheelEvent wheel(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
  };
  turn(text1->viewport(), 120);
  EXPECT_DOUBLE_EQ(text1->font().pointSizeF(), size * 1.1);
  EXPECT_EQ(frame1->title(), QStringLiteral("日志Log 110%"));
  EXPECT_TRUE(firstRowKept());
  // Over the input box, finer steps add up to a notch.
  turn(text2, -60);
  EXPECT_EQ(frame1->title(), QStringLiteral("日志Log 110%"));
  turn(text2, -60);
  EXPECT_EQ(frame1->title(), QStringLiteral("日志Log"));
  EXPECT_EQ(text1->topRow(), top);
}

}  // namespace
}  // namespace zor::test
