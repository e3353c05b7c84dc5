#include "tests/qt/WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zor::test {
namespace {

// The search and the completion in the real input box, with real key events.
class InputLineWindowTest : public WindowFixture {
 protected:
  InputLineWindowTest() {
    frame2 = form.findChild<QGroupBox*>(QStringLiteral("Frame2"));
    for (const char* line : {"th", "say hello", "say 第二", "say hi there"}) {
      typeText(QString::fromUtf8(line));
      QTest::keyClick(text2, Qt::Key_Right);
      QTest::keyClick(text2, Qt::Key_Return);
    }
    start = shown().size();
  }

  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(text2, key, modifiers);
  }
  // The box with its selection in brackets.
  QString box() const {
    QString text = text2->text();
    if (text2->hasSelectedText()) {
      text.insert(text2->selectionEnd(), ']').insert(text2->selectionStart(), '[');
    }
    return text;
  }
  // The log written since the history was filled, one line break per CR LF.
  QString ran() { return shown().mid(start); }

  QGroupBox* frame2 = nullptr;
  qsizetype start = 0;
};

TEST_F(InputLineWindowTest, CtrlRFindsOlderLinesAndEnterRunsTheOneShown) {
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input (搜索历史 search: )"));
  typeText(QStringLiteral("h"));
  EXPECT_EQ(box(), QStringLiteral("say [h]i there"));
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(box(), QStringLiteral("say [h]ello"));
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input (搜索历史 search: h)"));
  typeText(QStringLiteral("x"));
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input (搜索历史 search: hx: 无匹配 no match)"));
  press(Qt::Key_Backspace);
  press(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(box(), QStringLiteral("say [h]ello"));
  press(Qt::Key_Return);
  EXPECT_EQ(text2->text(), QString());
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input"));
  EXPECT_EQ(ran(), QStringLiteral(">>>say hello\nhello\n"));
}

TEST_F(InputLineWindowTest, EscGivesBackTheDraftAndHomeKeepsTheLine) {
  typeText(QStringLiteral("dra"));
  press(Qt::Key_R, Qt::ControlModifier);
  typeText(QStringLiteral("第"));
  EXPECT_EQ(box(), QStringLiteral("say [第]二"));
  press(Qt::Key_Escape);
  EXPECT_EQ(box(), QStringLiteral("dra"));
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input"));
  press(Qt::Key_R, Qt::ControlModifier);
  typeText(QStringLiteral("ell"));
  press(Qt::Key_G, Qt::ControlModifier);
  EXPECT_EQ(box(), QStringLiteral("dra"));
  press(Qt::Key_R, Qt::ControlModifier);
  typeText(QStringLiteral("ell"));
  press(Qt::Key_Home);
  EXPECT_EQ(frame2->title(), QStringLiteral("输入Input"));
  EXPECT_EQ(text2->cursorPosition(), 0);
  typeText(QStringLiteral("("));
  press(Qt::Key_Return);
  EXPECT_EQ(ran(), QStringLiteral(">>>(say hello\n无法识别的命令！请仔细检查你的命令！\n"));
}

TEST_F(InputLineWindowTest, RightAcceptsACompletionAndEnterRunsOnlyWhatWasTyped) {
  typeText(QStringLiteral("say h"));
  EXPECT_EQ(box(), QStringLiteral("say h[i there]"));
  typeText(QStringLiteral("e"));
  EXPECT_EQ(box(), QStringLiteral("say he[llo]"));
  press(Qt::Key_Return);
  typeText(QStringLiteral("cl"));
  EXPECT_EQ(box(), QStringLiteral("cl[ear]"));
  press(Qt::Key_Backspace);
  EXPECT_EQ(box(), QStringLiteral("cl"));
  press(Qt::Key_Escape);
  EXPECT_EQ(box(), QString());
  // The line just run is the newest.
  typeText(QStringLiteral("say h"));
  EXPECT_EQ(box(), QStringLiteral("say h[e]"));
  typeText(QStringLiteral("i"));
  press(Qt::Key_Right);
  EXPECT_EQ(box(), QStringLiteral("say hi there"));
  typeText(QStringLiteral("!"));
  press(Qt::Key_Return);
  EXPECT_EQ(ran(), QStringLiteral(">>>say he\nhe\n>>>say hi there!\nhi there!\n"));
}

TEST_F(InputLineWindowTest, AiModeOffersNoCompletion) {
  typeText(QStringLiteral("AI o"));
  EXPECT_EQ(box(), QStringLiteral("AI o[n]"));
  press(Qt::Key_End);
  press(Qt::Key_Return);
  typeText(QStringLiteral("say h"));
  EXPECT_EQ(box(), QStringLiteral("say h"));
  press(Qt::Key_Escape);
  typeText(QStringLiteral("A"));
  EXPECT_EQ(box(), QStringLiteral("A"));
}

TEST_F(InputLineWindowTest, APasteRunsOnlyItsFirstLine) {
  QApplication::clipboard()->setText(QStringLiteral("say first\nsay second\r\nsay third"));
  typeText(QStringLiteral("x"));
  press(Qt::Key_Left);
  press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text2->text(), QStringLiteral("say firstx"));
  EXPECT_EQ(text2->cursorPosition(), 9);
  press(Qt::Key_Backspace);
  press(Qt::Key_Return);
  EXPECT_EQ(ran(), QStringLiteral(">>>say firsx\nfirsx\n"));
}

}  // namespace
}  // namespace zor::test
