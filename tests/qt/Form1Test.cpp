#include "app/Colours.h"
#include "tests/qt/WindowFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zor::test {
namespace {

using Form1Test = WindowFixture;

TEST_F(Form1Test, StartsWithTheBannerCaptionAndFocusInTheInputBox) {
  ASSERT_NE(text1, nullptr);
  ASSERT_NE(text2, nullptr);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("ZOR命令符-DEZEZA"));
  EXPECT_EQ(shown().count('\n'), 7);
  EXPECT_TRUE(shown().endsWith(QStringLiteral("[09:05:07]程序路径Run at /opt/zor\n")));
  EXPECT_EQ(form.focusWidget(), text2);
  EXPECT_EQ(form.findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("日志Log"));
  EXPECT_EQ(form.findChild<QGroupBox*>("Frame2")->title(), QStringLiteral("输入Input"));
}

TEST_F(Form1Test, EnterEchoesRunsAndEmptiesTheInputBox) {
  type(QStringLiteral("say 你好 world"));
  EXPECT_EQ(text2->text(), QString());
  EXPECT_TRUE(
      shown().endsWith(QStringLiteral("[09:05:07]>>>say 你好 world\n[09:05:07]你好 world\n")));
  EXPECT_EQ(text1->caretPosition(), form.console().log.text().size());

  QTest::keyClicks(text2, QStringLiteral("   "));
  QTest::keyClick(text2, Qt::Key_Return);
  EXPECT_EQ(text2->text(), QStringLiteral("   "));
}

TEST_F(Form1Test, ClearTopTitleAndHideShowInTheWindow) {
  type(QStringLiteral("clear"));
  EXPECT_EQ(shown(), QString());
  type(QStringLiteral("say a"));
  type(QStringLiteral("top"));
  EXPECT_EQ(shown(), QStringLiteral("[09:05:07]>>>say a\n[09:05:07]a\n[09:05:07]>>>top\n"));
  EXPECT_EQ(text1->caretPosition(), 0u);
  type(QStringLiteral("title 新 标题"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("新 标题"));
  type(QStringLiteral("hide"));
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(shown().endsWith(QStringLiteral("[09:05:07]隐藏窗口...\n")));
}

TEST_F(Form1Test, TheTitleBarShowsTheCaptionAsTyped) {
  type(QStringLiteral("title a[*]b"));
  EXPECT_EQ(form.windowHandle()->title(), QStringLiteral("a[*]b"));
  type(QStringLiteral("title "));
  // Empty, but not so empty that the platform puts the program's name there.
  QString shown = form.windowHandle()->title();
  EXPECT_FALSE(shown.isEmpty());
  EXPECT_TRUE(shown.remove(QChar(0x200B)).isEmpty());
}

TEST_F(Form1Test, TypingLeavesTheLogWhereTheUserPutIt) {
  QTest::keyClick(text1, Qt::Key_Home, Qt::ControlModifier);
  for (int i = 0; i < 3; ++i) {
    QTest::keyClick(text1, Qt::Key_Right);
  }
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(text1, Qt::Key_Right, Qt::ShiftModifier);
  }
  QTest::keyClicks(text2, QStringLiteral("say x"));
  EXPECT_EQ(text1->selectionStart(), 3u);
  EXPECT_EQ(text1->selectionEnd(), 8u);
  QTest::keyClick(text2, Qt::Key_Return);
  EXPECT_EQ(text1->caretPosition(), form.console().log.text().size());
}

TEST_F(Form1Test, StopIsSignalledAndCloseUnloads) {
  QSignalSpy stop(&form, &Form1::stopRequested);
  type(QStringLiteral("stop"));
  EXPECT_EQ(stop.count(), 1);
  EXPECT_TRUE(media.commands.empty());
  form.close();
  EXPECT_EQ(media.commands, std::vector<std::u16string>{u"close "});
}

TEST_F(Form1Test, CloseAfterPlaymusicClosesTheLastPathAskedFor) {
  type(QStringLiteral("playmusic a"));
  type(QStringLiteral("pm b c"));
  form.close();
  EXPECT_EQ(media.commands,
            (std::vector<std::u16string>{u"play /opt/zor/a.mp3", u"play /opt/zor/b c.mp3",
                                         u"close /opt/zor/b c.mp3"}));
}

// The colours as painted: the palettes both text boxes (and the log's
// viewport) are drawn with, a pixel of the log's margin and one of the empty
// input box.
testing::AssertionResult painted(LogView* text1, QLineEdit* text2, const QColor& base,
                                 const QColor& text) {
  const QColor shown[] = {
      text1->palette().color(QPalette::Base),
      text1->palette().color(QPalette::Text),
      text1->viewport()->palette().color(text1->viewport()->backgroundRole()),
      text1->viewport()->grab().toImage().pixelColor(text1->viewport()->width() - 2, 1),
      text2->palette().color(QPalette::Base),
      text2->palette().color(QPalette::Text),
      text2->grab().toImage().pixelColor(text2->width() / 2, text2->height() / 2),
  };
  const QColor wanted[] = {base, text, base, base, base, text, base};
  for (std::size_t i = 0; i < std::size(shown); ++i) {
    if (shown[i] != wanted[i]) {
      return testing::AssertionFailure()
             << "colour " << i << " is " << shown[i].name().toStdString() << ", wanted "
             << wanted[i].name().toStdString();
    }
  }
  return testing::AssertionSuccess();
}

QColor desktopColour() {
  const ColourRef d = paintedColour(kDesktopColour);
  return QColor(static_cast<int>(d & 0xFF), static_cast<int>((d >> 8) & 0xFF),
                static_cast<int>((d >> 16) & 0xFF));
}

TEST_F(Form1Test, BlackmodeRecoloursTheTwoTextBoxesOnly) {
  const auto* frame1 = form.findChild<QGroupBox*>("Frame1");
  const auto* frame2 = form.findChild<QGroupBox*>("Frame2");
  const QPalette framePalettes[] = {form.palette(), frame1->palette(), frame2->palette()};
  const QColor desktop = desktopColour();
  ASSERT_TRUE(painted(text1, text2, Qt::white, Qt::black));

  QString log = shown();
  for (const QColor& background : {desktop, QColor(Qt::white), desktop}) {
    type(QStringLiteral("bm"));
    log += QStringLiteral("[09:05:07]>>>bm\n");
    EXPECT_EQ(shown(), log);
    const QColor text = background == desktop ? Qt::white : Qt::black;
    EXPECT_TRUE(painted(text1, text2, background, text));
    EXPECT_EQ(form.palette(), framePalettes[0]);
    EXPECT_EQ(frame1->palette(), framePalettes[1]);
    EXPECT_EQ(frame2->palette(), framePalettes[2]);
  }
}

// Sizes in twips at the view's own dpi, to within a pixel: the window
// places controls on whole pixels.
QSize outerTwips(const QWidget& w) {
  const QSize px = w.frameGeometry().size();
  return QSize(qRound(px.width() * 1440.0 / w.logicalDpiX()),
               qRound(px.height() * 1440.0 / w.logicalDpiY()));
}

testing::AssertionResult placedAt(const QWidget* w, const QRect& expected) {
  const double x = 1440.0 / w->logicalDpiX();
  const double y = 1440.0 / w->logicalDpiY();
  const QRect g = w->geometry();
  const int actual[] = {qRound(g.x() * x), qRound(g.y() * y), qRound(g.width() * x),
                        qRound(g.height() * y)};
  const int wanted[] = {expected.x(), expected.y(), expected.width(), expected.height()};
  for (int i = 0; i < 4; ++i) {
    if (std::abs(actual[i] - wanted[i]) > 15) {
      return testing::AssertionFailure()
             << w->objectName().toStdString() << " at " << actual[0] << "," << actual[1] << " "
             << actual[2] << "x" << actual[3] << " twips, wanted " << wanted[0] << "," << wanted[1]
             << " " << wanted[2] << "x" << wanted[3];
    }
  }
  return testing::AssertionSuccess();
}

TEST_F(Form1Test, LayoutFollowsTheOuterSize) {
  ASSERT_EQ(form.logicalDpiX(), 96);
  form.resize(600, 400);
  QCoreApplication::processEvents();
  const QSize outer = outerTwips(form);
  const auto* frame1 = form.findChild<QGroupBox*>("Frame1");
  const auto* frame2 = form.findChild<QGroupBox*>("Frame2");
  const int w = outer.width();
  const int h = outer.height();
  EXPECT_TRUE(placedAt(frame1, QRect(120, 120, w - 465, h - 1495)));
  EXPECT_TRUE(placedAt(text1, QRect(120, 240, w - 465 - 265, h - 1495 - 385)));
  EXPECT_TRUE(placedAt(frame2, QRect(120, h - 1270, w - 465, 615)));
  EXPECT_TRUE(placedAt(text2, QRect(120, 240, w - 465 - 265, 270)));

  // 1500 x 3000 twips more.
  form.resize(600 + 100, 400 + 200);
  QCoreApplication::processEvents();
  EXPECT_TRUE(placedAt(frame1, QRect(120, 120, w + 1500 - 465, h + 3000 - 1495)));
  EXPECT_TRUE(placedAt(text1, QRect(120, 240, w + 1500 - 730, h + 3000 - 1880)));
  EXPECT_TRUE(placedAt(frame2, QRect(120, h + 3000 - 1270, w + 1500 - 465, 615)));
  EXPECT_TRUE(placedAt(text2, QRect(120, 240, w + 1500 - 730, 270)));

  form.resize(10, 10);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame1->width(), 0);
  EXPECT_EQ(text2->width(), 0);
  form.showMinimized();
  QCoreApplication::processEvents();
  form.showNormal();
  EXPECT_TRUE(form.isVisible());
}

// A minimised window keeps its layout whatever size it is given; once
// shown again the layout follows the size it has then.
TEST_F(Form1Test, AMinimisedWindowKeepsItsLayout) {
  const auto* frame1 = form.findChild<QGroupBox*>("Frame1");
  form.resize(600, 400);
  QCoreApplication::processEvents();
  const QRect before = frame1->geometry();
  form.showMinimized();
  QCoreApplication::processEvents();
  ASSERT_TRUE(form.isMinimized());
  form.resize(700, 600);
  QCoreApplication::processEvents();
  EXPECT_EQ(frame1->geometry(), before);
  form.showNormal();
  form.resize(701, 600);
  QCoreApplication::processEvents();
  EXPECT_TRUE(placedAt(
      frame1, QRect(120, 120, outerTwips(form).width() - 465, outerTwips(form).height() - 1495)));
}

// The window manager frames a window by moving it, without resizing it: the
// layout is worked out again from the outer size then.
TEST_F(Form1Test, AMoveLaysTheControlsOutAgain) {
  auto* frame2 = form.findChild<QGroupBox*>("Frame2");
  form.resize(600, 400);
  QCoreApplication::processEvents();
  const QRect laidOut = frame2->geometry();
  frame2->setGeometry(0, 0, 1, 1);
  text2->setGeometry(0, 0, 1, 1);
  form.move(form.pos() + QPoint(10, 10));
  QCoreApplication::processEvents();
  EXPECT_EQ(frame2->geometry(), laidOut);
  EXPECT_TRUE(placedAt(text2, QRect(120, 240, outerTwips(form).width() - 730, 270)));
}

// A new palette for the whole application, as when the desktop's colours
// change, leaves the text boxes in the console's colours, in either scheme.
TEST_F(Form1Test, APaletteChangeKeepsTheConsoleColours) {
  const QPalette original = QApplication::palette();
  QPalette other = original;
  other.setColor(QPalette::Base, Qt::red);
  other.setColor(QPalette::Text, Qt::green);
  const QColor desktop = desktopColour();
  for (const auto& [base, text] : {std::pair<QColor, QColor>{Qt::white, Qt::black},
                                   std::pair<QColor, QColor>{desktop, Qt::white}}) {
    QApplication::setPalette(other);
    QCoreApplication::processEvents();
    EXPECT_TRUE(painted(text1, text2, base, text));
    QApplication::setPalette(original);
    type(QStringLiteral("bm"));
  }
}

}  // namespace
}  // namespace zor::test
