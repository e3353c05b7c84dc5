#include "app/qt/Form1.h"
#include "app/qt/LogView.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zor::test {
namespace {

// A log view in its frame, over a log of four lines.
class LogViewAccessibleTest : public ::testing::Test {
 protected:
  LogViewAccessibleTest() {
    frame.resize(320, 120);
    view->setGeometry(10, 20, 300, 60);
    frame.show();
    log.append(u"one two  three\r\nab\r\n\r\nx");
    view->mirror(log);
  }
  QAccessibleTextInterface* text() const {
    return QAccessible::queryAccessibleInterface(view)->textInterface();
  }
  // The unit at, before and after `offset`, with its range.
  QString at(int offset, QAccessible::TextBoundaryType unit, int which = 0) const {
    int start = -1;
    int end = -1;
    const QString found = which < 0   ? text()->textBeforeOffset(offset, unit, &start, &end)
                          : which > 0 ? text()->textAfterOffset(offset, unit, &start, &end)
                                      : text()->textAtOffset(offset, unit, &start, &end);
    return QStringLiteral("%1-%2:").arg(start).arg(end) + found;
  }

  QGroupBox frame{QStringLiteral("日志Log")};
  LogView* view = new LogView(&frame);
  Log log;
};

TEST_F(LogViewAccessibleTest, IsReadOnlyMultiLineTextNamedByItsFrame) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::EditableText);
  EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("日志Log"));
  EXPECT_TRUE(accessible->state().readOnly);
  EXPECT_TRUE(accessible->state().multiLine);
  EXPECT_TRUE(accessible->state().focusable);
  ASSERT_NE(text(), nullptr);
  EXPECT_EQ(text()->characterCount(), 23);
  EXPECT_EQ(text()->text(0, -1).toStdU16String(), log.text());
  EXPECT_EQ(text()->text(4, 7), QStringLiteral("two"));
  EXPECT_EQ(text()->cursorPosition(), 0);
}

// By character, word, line on screen and line of the log, with their line
// ends; before the first and after the last there is nothing.
TEST_F(LogViewAccessibleTest, TextAtBeforeAndAfterAnOffset) {
  using enum QAccessible::TextBoundaryType;
  const struct {
    int offset;
    QAccessible::TextBoundaryType unit;
    int which;
    QString expected;
  } cases[] = {
      {14, CharBoundary, 0, QStringLiteral("14-16:\r\n")},
      {5, WordBoundary, 0, QStringLiteral("4-9:two  ")},
      {5, WordBoundary, -1, QStringLiteral("0-4:one ")},
      {5, WordBoundary, 1, QStringLiteral("9-14:three")},
      {2, LineBoundary, 0, QStringLiteral("0-16:one two  three\r\n")},
      {17, LineBoundary, -1, QStringLiteral("0-16:one two  three\r\n")},
      {17, LineBoundary, 1, QStringLiteral("20-22:\r\n")},
      {22, ParagraphBoundary, 0, QStringLiteral("22-23:x")},
      {22, ParagraphBoundary, 1, QStringLiteral("23-23:")},
      {0, ParagraphBoundary, -1, QStringLiteral("0-0:")},
      {3, NoBoundary, 0, QStringLiteral("0-23:") + QString::fromStdU16String(log.text())},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(at(c.offset, c.unit, c.which), c.expected) << c.offset << " " << c.unit;
  }
  text()->setSelection(0, 4, 7);
  EXPECT_EQ(view->selectedText(), QStringLiteral("two"));
  int start = 0;
  int end = 0;
  text()->selection(0, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(4, 7));
  EXPECT_EQ(text()->selectionCount(), 1);
  text()->setCursorPosition(2);
  EXPECT_EQ(text()->selectionCount(), 0);
  EXPECT_EQ(view->caretPosition(), 2u);
  const QRect rect = text()->characterRect(2);
  EXPECT_EQ(text()->offsetAtPoint(rect.center()), 2);
}

// The input box keeps the stock text object, named by its frame.
TEST(InputBoxAccessibleTest, IsATextObjectNamedByItsFrame) {
  FixedClock clock;
  RecordingMediaDevice media;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, media, *codePage, std::filesystem::path("/opt/zor")});
  form.show();
  QAccessibleInterface* input =
      QAccessible::queryAccessibleInterface(form.findChild<QLineEdit*>(QStringLiteral("Text2")));
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->role(), QAccessible::EditableText);
  EXPECT_EQ(input->text(QAccessible::Name), QStringLiteral("输入Input"));
  EXPECT_NE(input->textInterface(), nullptr);
}

}  // namespace
}  // namespace zor::test
