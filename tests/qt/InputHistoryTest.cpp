#include "tests/qt/WindowFixture.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// Up, Down and Esc in the real input box, with real key events.
class InputHistoryWindowTest : public WindowFixture {
 protected:
  void press(Qt::Key key) { QTest::keyClick(text2, key); }
  bool caretAtEnd() const { return text2->cursorPosition() == text2->text().size(); }
};

TEST_F(InputHistoryWindowTest, UpRecallsAnEditedLineRunsAndDownGivesBackTheDraft) {
  type(QStringLiteral("say 第一"));
  type(QStringLiteral("th"));
  type(QStringLiteral("   "));  // does nothing and stays in the box
  press(Qt::Key_Escape);
  EXPECT_EQ(text2->text(), QString());
  type(QStringLiteral("nonsense"));
  type(QStringLiteral("nonsense"));

  typeText(QStringLiteral("dra"));
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("nonsense"));
  EXPECT_TRUE(caretAtEnd());
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("th"));
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第一"));
  EXPECT_TRUE(caretAtEnd());
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第一"));
  press(Qt::Key_Down);
  press(Qt::Key_Down);
  EXPECT_EQ(text2->text(), QStringLiteral("nonsense"));
  press(Qt::Key_Down);
  EXPECT_EQ(text2->text(), QStringLiteral("dra"));
  EXPECT_TRUE(caretAtEnd());
  press(Qt::Key_Down);
  EXPECT_EQ(text2->text(), QStringLiteral("dra"));

  // Edit the recalled line where the caret put it, and run it.
  press(Qt::Key_Up);
  press(Qt::Key_Up);
  press(Qt::Key_Up);
  press(Qt::Key_Backspace);
  press(Qt::Key_Backspace);
  typeText(QStringLiteral("第二"));
  const QString before = shown();
  QTest::keyClick(text2, Qt::Key_Return);
  EXPECT_EQ(text2->text(), QString());
  EXPECT_EQ(shown(), before + QStringLiteral(">>>say 第二\n第二\n"));

  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第二"));
  press(Qt::Key_Escape);
  EXPECT_EQ(text2->text(), QString());
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第二"));
  // The history keys wrote nothing to the log.
  EXPECT_EQ(shown(), before + QStringLiteral(">>>say 第二\n第二\n"));
}

TEST_F(InputHistoryWindowTest, KeepsTheNewestThousandLines) {
  for (int i = 0; i < 1001; ++i) {
    type(QStringLiteral("x%1").arg(i));
  }
  for (int i = 0; i < 1000; ++i) {
    press(Qt::Key_Up);
  }
  EXPECT_EQ(text2->text(), QStringLiteral("x1"));
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("x1"));
}

TEST_F(InputHistoryWindowTest, EnterAndTabBehaveAsBefore) {
  type(QStringLiteral("say a"));
  ASSERT_EQ(form.focusWidget(), text2);
  EXPECT_TRUE(shown().endsWith(QStringLiteral("[09:05:07]>>>say a\n[09:05:07]a\n")));
  QTest::keyClick(text2, Qt::Key_Tab);
  EXPECT_EQ(form.focusWidget(), text1);
  // Up in the log moves in the log, not through the history.
  QTest::keyClick(text1, Qt::Key_Up);
  EXPECT_EQ(text2->text(), QString());
  QTest::keyClick(text1, Qt::Key_Tab);
  EXPECT_EQ(form.focusWidget(), text2);
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say a"));
}

}  // namespace
}  // namespace zor::test
