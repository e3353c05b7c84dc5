#include "app/InputHistory.h"
#include "app/qt/Form1.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// Up, Down and Esc in the real input box, with real key events.
class InputHistoryWindowTest : public ::testing::Test {
 protected:
  InputHistoryWindowTest()
      : form(Services{clock, media, *codePage, std::filesystem::path("/opt/zor")}) {
    form.show();
    text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  }

  void typeText(const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, text2, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  void run(const QString& line) {
    typeText(line);
    QTest::keyClick(text2, Qt::Key_Return);
  }
  void press(Qt::Key key) { QTest::keyClick(text2, key); }
  bool caretAtEnd() const { return text2->cursorPosition() == text2->text().size(); }
  // The log as the view shows it: one line break for each CR LF.
  QString log() {
    return QString::fromStdU16String(form.console().log.text())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

  FixedClock clock;
  RecordingMediaDevice media;
  const std::unique_ptr<CodePage> codePage = systemCodePage();
  Form1 form;
  QLineEdit* text2 = nullptr;
};

TEST_F(InputHistoryWindowTest, UpRecallsAnEditedLineRunsAndDownGivesBackTheDraft) {
  run(QStringLiteral("say 第一"));
  run(QStringLiteral("th"));
  run(QStringLiteral("   "));  // does nothing and stays in the box
  press(Qt::Key_Escape);
  EXPECT_EQ(text2->text(), QString());
  run(QStringLiteral("nonsense"));
  run(QStringLiteral("nonsense"));

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
  const QString before = log();
  QTest::keyClick(text2, Qt::Key_Return);
  EXPECT_EQ(text2->text(), QString());
  EXPECT_EQ(log(), before + QStringLiteral(">>>say 第二\n第二\n"));

  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第二"));
  press(Qt::Key_Escape);
  EXPECT_EQ(text2->text(), QString());
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("say 第二"));
  // The history keys wrote nothing to the log.
  EXPECT_EQ(log(), before + QStringLiteral(">>>say 第二\n第二\n"));
}

TEST_F(InputHistoryWindowTest, KeepsTheNewestThousandLines) {
  for (int i = 0; i < 1001; ++i) {
    run(QStringLiteral("x%1").arg(i));
  }
  for (int i = 0; i < 1000; ++i) {
    press(Qt::Key_Up);
  }
  EXPECT_EQ(text2->text(), QStringLiteral("x1"));
  press(Qt::Key_Up);
  EXPECT_EQ(text2->text(), QStringLiteral("x1"));
}

TEST_F(InputHistoryWindowTest, EnterAndTabBehaveAsBefore) {
  run(QStringLiteral("say a"));
  ASSERT_EQ(form.focusWidget(), text2);
  EXPECT_TRUE(log().endsWith(QStringLiteral("[09:05:07]>>>say a\n[09:05:07]a\n")));
  QTest::keyClick(text2, Qt::Key_Tab);
  QWidget* const text1 = form.findChild<QWidget*>(QStringLiteral("Text1"));
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
