#include "tests/qt/WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace zor::test {
namespace {

class FindTest : public WindowFixture {
 protected:
  FindTest() {
    QApplication::setActiveWindow(&form);
    box = form.findChild<QWidget*>(QStringLiteral("FindBox"));
    edit = form.findChild<QLineEdit*>(QStringLiteral("FindText"));
    count = form.findChild<QLabel*>(QStringLiteral("FindCount"));
    for (const char* line : {"say apple", "say banana", "say apple pie"}) {
      text2->setText(QString::fromUtf8(line));
      QTest::keyClick(text2, Qt::Key_Return);
    }
  }

  QWidget* box = nullptr;
  QLineEdit* edit = nullptr;
  QLabel* count = nullptr;
};

// Ctrl+F from the input box, typing, Enter up, Shift+Enter and Shift+F3
// down with wrapping, Esc back to the input box with the match selected,
// and Ctrl+C in the log copying it.
TEST_F(FindTest, FindsAsYouTypeStepsAndWrapsThenCopiesTheMatch) {
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->isVisible());
  QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(box->isVisible());
  EXPECT_TRUE(edit->hasFocus());

  QTest::keyClicks(edit, QStringLiteral("APPLE"));
  QTRY_COMPARE(count->text(), QStringLiteral("4/4"));
  const std::u16string& log = form.console().log.text();
  EXPECT_EQ(text1->selectionStart(), log.rfind(u"apple pie"));
  EXPECT_EQ(text1->selectedText(), QStringLiteral("apple"));

  const auto step = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(edit, key, modifiers);
    return count->text();
  };
  EXPECT_EQ(step(Qt::Key_Return, Qt::NoModifier), QStringLiteral("3/4"));
  EXPECT_EQ(text1->selectionStart(), log.rfind(u">>>say apple pie") + 7);
  EXPECT_EQ(step(Qt::Key_F3, Qt::NoModifier), QStringLiteral("2/4"));
  EXPECT_EQ(step(Qt::Key_Return, Qt::NoModifier), QStringLiteral("1/4"));
  EXPECT_EQ(step(Qt::Key_Return, Qt::NoModifier), QStringLiteral("4/4"));
  EXPECT_EQ(step(Qt::Key_Return, Qt::ShiftModifier), QStringLiteral("1/4"));
  EXPECT_EQ(step(Qt::Key_F3, Qt::ShiftModifier), QStringLiteral("2/4"));

  // New output keeps the match and counts on.
  text2->setText(QStringLiteral("say apple again"));
  QTest::keyClick(text2, Qt::Key_Return);
  QTRY_COMPARE(count->text(), QStringLiteral("2/6"));

  QTest::keyClick(edit, Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("APPLE"));
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(text2->hasFocus());
  EXPECT_EQ(text1->selectedText(), QStringLiteral("apple"));
  QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("apple"));
}

// Enter right after typing, before the pause, steps from where the typed
// text lands, as it does after the pause.
TEST_F(FindTest, EnterRightAfterTypingStepsFromTheTypedMatch) {
  QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClicks(edit, QStringLiteral("apple"));
  QTest::keyClick(edit, Qt::Key_Return);
  const std::u16string& log = form.console().log.text();
  EXPECT_EQ(text1->selectionStart(), log.rfind(u">>>say apple pie") + 7);
  QTRY_COMPARE(count->text(), QStringLiteral("3/4"));
  QTest::keyClicks(edit, QStringLiteral(" pie"));
  QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(text1->selectionStart(), log.find(u">>>say apple pie") + 7);
  EXPECT_EQ(text1->selectedText(), QStringLiteral("apple pie"));
  QTRY_COMPARE(count->text(), QStringLiteral("1/2"));
}

// At the window's size, too narrow for the box, twice as big with the
// scroll bar shown, and back: the box at the top right of the log's text
// area (from its left when too narrow), clear of the scroll bar; its
// controls inside it, each at its natural size but for the text field in a
// narrow log; a match on the log's first row shown below the box. The suite
// runs again at twice the scale.
TEST_F(FindTest, TheBoxShowsItsControlsWholeAndTheMatchBelowIt) {
  EXPECT_EQ(form.devicePixelRatio(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
  QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClicks(edit, QStringLiteral("Welcome"));
  QTest::keyClick(edit, Qt::Key_Escape);
  QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
  const QSize designed = form.size();
  for (const QSize size : {designed, QSize(250, designed.height()), designed * 2, designed}) {
    form.resize(size);
    if (size == designed * 2) {
      for (int line = 0; line < 60; ++line) {
        type(QStringLiteral("say more"));
      }
      QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
      QTest::keyClick(edit, Qt::Key_F3, Qt::ShiftModifier);  // wraps to the first row
    }
    SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
    const QWidget* area = text1->viewport();
    const QRect text(area->mapTo(&form, QPoint(0, 0)), area->size());
    const QRect shown = box->geometry();
    ASSERT_TRUE(box->isVisible());
    EXPECT_EQ(shown.top(), text.top());
    const bool tooNarrow = size.width() < designed.width();
    const bool wide = size == designed * 2;
    EXPECT_EQ(tooNarrow ? shown.left() : shown.right(), tooNarrow ? text.left() : text.right());
    const QScrollBar* bar = text1->verticalScrollBar();
    const bool scrolls = form.console().log.lineCount() > 60;
    EXPECT_TRUE(bar->isVisible() || !scrolls);
    if (bar->isVisible() && !tooNarrow) {
      EXPECT_FALSE(shown.intersects(QRect(bar->mapTo(&form, QPoint(0, 0)), bar->size())));
    }
    for (const char* name : {"FindLabel", "FindText", "FindMatchCase", "FindCount"}) {
      const auto* control = box->findChild<QWidget*>(QString::fromUtf8(name));
      SCOPED_TRACE(name);
      EXPECT_TRUE(box->contentsRect().contains(control->geometry()));
      const QSize natural =
          control == count
              ? QSize(count->fontMetrics().horizontalAdvance(QStringLiteral("0000000/0000000")),
                      count->sizeHint().height())
              : control->sizeHint();
      EXPECT_EQ(control->height(), natural.height());
      if (control == edit && !wide) {
        EXPECT_LE(control->width(), natural.width());
        EXPECT_GE(control->width(), 2 * natural.height());
      } else {
        EXPECT_EQ(control->width(), natural.width());
      }
    }
    const std::size_t start = form.console().log.text().find(u"Welcome");
    EXPECT_EQ(text1->selectionStart(), start);
    const std::optional<ViewBox> match = text1->model().caretBoxAt(start);
    ASSERT_TRUE(match.has_value());
    EXPECT_GE(text.top() + match->top, shown.top() + shown.height());
  }
}

// Match case finds only the same letters; nothing found shows 0/0 and
// tints the box; `clear` leaves nothing to count.
TEST_F(FindTest, MatchCaseNothingFoundAndClear) {
  QTest::keyClick(text1, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClicks(edit, QStringLiteral("Apple"));
  QTRY_COMPARE(count->text(), QStringLiteral("4/4"));
  const QColor plain = edit->palette().color(QPalette::Base);
  form.findChild<QCheckBox*>(QStringLiteral("FindMatchCase"))->click();
  QTRY_COMPARE(count->text(), QStringLiteral("0/0"));
  EXPECT_NE(edit->palette().color(QPalette::Base), plain);

  text2->setText(QStringLiteral("say Apple"));
  QTest::keyClick(text2, Qt::Key_Return);
  QTRY_COMPARE(count->text(), QStringLiteral("0/2"));
  EXPECT_EQ(edit->palette().color(QPalette::Base), plain);
  text2->setText(QStringLiteral("clear"));
  QTest::keyClick(text2, Qt::Key_Return);
  QTRY_COMPARE(count->text(), QStringLiteral("0/0"));
}

}  // namespace
}  // namespace zor::test
