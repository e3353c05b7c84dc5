#include "tests/qt/WindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

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
