#include "app/logview/WrappedPiece.h"
#include "app/qt/Form1.h"
#include "app/qt/LogView.h"
#include "app/qt/LogViewMetrics.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"
#include "tests/support/TemporaryDirectory.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

namespace zor::test {
namespace {

constexpr int kMargin = LogViewModel::kMargin;

class LogViewTest : public ::testing::Test {
 protected:
  LogViewTest() {
    view.resize(300, 200);
    view.show();
    for (int i = 0; i < 100; ++i) {
      log.appendLine({}, u"line " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    }
    log.caretToEnd();
    view.mirror(log);
  }

  // A point in the view's row of `row` on screen, `chars` characters of
  // "line n" in.
  QPoint at(int row, const QString& before) const {
    const QFontMetrics metrics(view.font());
    return QPoint(kMargin + metrics.horizontalAdvance(before),
                  kMargin + row * metrics.lineSpacing() + metrics.lineSpacing() / 2);
  }

  QString selected() const { return view.selectedText(); }

  // Whether the view has stopped scrolling by itself: no timer of its own
  // runs, and its top row stays where it is over three paints.
  bool scrollStopped() {
    const std::size_t top = view.topRow().line;
    for (int paint = 0; paint < 3; ++paint) {
      view.viewport()->repaint();
      QCoreApplication::processEvents();
    }
    return QAbstractEventDispatcher::instance()->registeredTimers(&view).isEmpty() &&
           view.topRow().line == top;
  }

  Log log;
  LogView view{nullptr};
};

TEST_F(LogViewTest, NewOutputShowsTheEndTopTheTopAndAnUnchangedLogStaysPut) {
  const int rows = (view.viewport()->height() - kMargin) / QFontMetrics(view.font()).lineSpacing();
  // The empty line after the last line end is the last row.
  EXPECT_EQ(view.topRow().line, 101u - static_cast<std::size_t>(rows));
  EXPECT_EQ(view.caretPosition(), log.text().size());
  EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());

  log.setCaret(0);
  view.mirror(log);
  EXPECT_EQ(view.topRow(), RowSpot{});

  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(2, QStringLiteral("li")));
  view.mirror(log);
  EXPECT_EQ(view.caretPosition(), 2 * 8u + 2);  // the click, not the log's caret

  log.appendLine(u"[p]", u"new");
  log.caretToEnd();
  view.mirror(log);
  EXPECT_EQ(view.topRow().line, 102u - static_cast<std::size_t>(rows));
}

TEST_F(LogViewTest, MouseSelectsByDragShiftClickAndWordAndCopiesCrLf) {
  log.setCaret(0);
  view.mirror(log);
  QWidget* viewport = view.viewport();
  QTest::mousePress(viewport, Qt::LeftButton, {}, at(0, QStringLiteral("line ")));
  QTest::mouseMove(viewport, at(2, QStringLiteral("li")));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, at(2, QStringLiteral("li")));
  EXPECT_EQ(selected(), QStringLiteral("0\r\nline 1\r\nli"));

  // Held below the view, the drag goes on scrolling and selecting.
  QTest::mousePress(viewport, Qt::LeftButton, {}, at(0, QString()));
  QTest::mouseMove(viewport, QPoint(1, viewport->height() + 5));
  EXPECT_TRUE(QTest::qWaitFor([&] { return view.topRow().line >= 5; }, 10000));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(1, viewport->height() + 5));
  EXPECT_TRUE(scrollStopped());
  EXPECT_EQ(view.selectionStart(), 0u);
  EXPECT_GT(view.selectionEnd(), log.lineStart(view.topRow().line));

  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, at(0, QStringLiteral("line ")));
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, at(1, QString()));
  EXPECT_EQ(selected(), QStringLiteral("0\r\n"));

  QTest::mouseDClick(viewport, Qt::LeftButton, {}, at(3, QStringLiteral("l")));
  EXPECT_EQ(selected(), QStringLiteral("line"));

  view.setFocus();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("line"));
}

TEST_F(LogViewTest, KeysMoveAndExtendTheSelectionWhenTheViewHasFocus) {
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(view.topRow(), RowSpot{});
  QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(selected(), QStringLiteral("line 0\r\nl"));
  QTest::keyClick(&view, Qt::Key_End);
  QTest::keyClick(&view, Qt::Key_Right, Qt::ShiftModifier);  // a CR LF is one step
  EXPECT_EQ(selected(), QStringLiteral("\r\n"));
  QTest::keyClick(&view, Qt::Key_Left);
  QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(selected(), QStringLiteral("1"));

  const int page = view.verticalScrollBar()->pageStep();
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_PageDown, Qt::ShiftModifier);
  EXPECT_EQ(view.topRow().line, static_cast<std::size_t>(page));
  EXPECT_EQ(view.selectionEnd(), log.lineStart(static_cast<std::size_t>(page)));
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_EQ(view.topRow(), RowSpot{});
  EXPECT_EQ(view.caretPosition(), 0u);

  QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(view.caretPosition(), log.text().size());
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdU16String(), log.text());
}

TEST_F(LogViewTest, WheelAndScrollBarScroll) {
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  QWheelEvent down(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &down);
  EXPECT_EQ(view.topRow().line, static_cast<std::size_t>(QApplication::wheelScrollLines()));
  // A fine wheel's small steps add up to a notch.
  QWheelEvent back(QPointF(10, 10), view.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 40),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  for (int i = 0; i < 3; ++i) {
    QApplication::sendEvent(view.viewport(), &back);
  }
  EXPECT_EQ(view.topRow(), RowSpot{});
  view.verticalScrollBar()->setValue(40);
  EXPECT_EQ(view.topRow(), (RowSpot{40, 0, 0}));
}

TEST_F(LogViewTest, ContextMenuCopiesAndSelectsAll) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                          view.mapToGlobal(QPoint(20, 20)));
  QApplication::sendEvent(view.viewport(), &event);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), 3);
  EXPECT_EQ(actions[0]->text(), QStringLiteral("复制(&C)\tCtrl+C"));
  EXPECT_FALSE(actions[0]->isEnabled());
  EXPECT_EQ(actions[2]->text(), QStringLiteral("全选(&A)\tCtrl+A"));
  actions[2]->trigger();
  menu->close();
  EXPECT_EQ(view.selectionStart(), 0u);
  EXPECT_EQ(view.selectionEnd(), log.text().size());

  QApplication::sendEvent(view.viewport(), &event);
  menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->actions()[0]->isEnabled());
  menu->actions()[0]->trigger();
  menu->close();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdU16String(), log.text());
}

TEST(LogViewLineEndsTest, CrLfLoneCrAndLoneLfEachEndOneRow) {
  Log log;
  log.append(u"a\rb\nc\r\nd");
  LogView view(nullptr);
  view.resize(300, 200);
  view.show();
  view.mirror(log);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  std::vector<std::size_t> carets;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(&view, Qt::Key_Down);
    carets.push_back(view.caretPosition());
  }
  EXPECT_EQ(carets, (std::vector<std::size_t>{2, 4, 7, 8}));
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(view.selectedText(), QStringLiteral("a\rb\nc\r\nd"));
  EXPECT_EQ(view.verticalScrollBar()->maximum(), 0);
}

// Tab order Text1, Text2; keys typed in the log stay there.
TEST(LogViewInWindowTest, TabReachesTheLogAndItsKeysStayThere) {
  FixedClock clock;
  RecordingMediaDevice media;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, media, *codePage, std::filesystem::path("/opt/zor")});
  form.show();
  auto* text1 = form.findChild<LogView*>(QStringLiteral("Text1"));
  auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  QTest::keyClick(text2, Qt::Key_Tab);
  EXPECT_EQ(form.focusWidget(), text1);
  QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(text1, Qt::Key_X);
  EXPECT_EQ(text1->selectedText().toStdU16String(), form.console().log.text());
  EXPECT_EQ(text2->text(), QString());
  QTest::keyClick(text1, Qt::Key_Tab);
  EXPECT_EQ(form.focusWidget(), text2);
}

// A load that fails half-way takes its lines back; the window shows the
// log as it is then, drawn as a fresh view would draw it.
TEST(LogViewInWindowTest, LoadTakenBackIsShownAsTheLogIsNow) {
  const TemporaryDirectory temporary;
  const std::filesystem::path& directory = temporary.path();
  std::filesystem::create_symlink("/proc/self/mem", directory / "mem.txt");
  FixedClock clock;
  RecordingMediaDevice media;
  const auto codePage = systemCodePage();
  Form1 form(Services{clock, media, *codePage, directory});
  form.show();
  auto* text1 = form.findChild<LogView*>(QStringLiteral("Text1"));
  auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  text2->setText(QStringLiteral("load mem"));
  QTest::keyClick(text2, Qt::Key_Return);
  const Log& log = form.console().log;
  EXPECT_TRUE(log.text().ends_with(u"文件操作失败！mem.txt: Input/output error\r\n"));

  LogView fresh(nullptr);
  fresh.resize(text1->size());
  fresh.show();
  fresh.mirror(log);
  EXPECT_EQ(text1->topRow(), fresh.topRow());
  EXPECT_EQ(text1->viewport()->grab().toImage(), fresh.viewport()->grab().toImage());
}

// Chinese text is drawn, in the view's text colour (near enough, for its
// edges are smoothed) on its base colour.
TEST(LogViewColoursTest, ChineseTextIsDrawnInTheTextColour) {
  Log log;
  log.append(u"天地玄黄宇宙洪荒\r\n");
  LogView view(nullptr);
  view.resize(300, 100);
  QPalette palette = view.palette();
  palette.setColor(QPalette::Base, QColor(0x3A, 0x6E, 0xA5));
  palette.setColor(QPalette::Text, Qt::white);
  view.setPalette(palette);
  view.show();
  view.mirror(log);
  const QImage image = view.viewport()->grab().toImage();
  int text = 0;
  int base = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      text += c.red() > 0xD0 && c.green() > 0xD0 && c.blue() > 0xD0 ? 1 : 0;
      base += c == QColor(0x3A, 0x6E, 0xA5) ? 1 : 0;
    }
  }
  EXPECT_GT(text, 20);
  EXPECT_GT(base, image.width() * image.height() / 2);
}

// A log cut back and written again to its old length is drawn anew.
TEST_F(LogViewTest, TruncatedLogIsDrawnAsItIsNow) {
  log.truncate(log.lineStart(97));
  log.append(u"LINE 7\r\nline 8\r\nline 9\r\nlonger than before\r\n");
  log.caretToEnd();
  view.mirror(log);
  LogView fresh(nullptr);
  fresh.resize(view.size());
  fresh.show();
  Log same;
  same.replace(log.text());
  same.caretToEnd();
  fresh.mirror(same);
  EXPECT_EQ(view.topRow(), fresh.topRow());
  EXPECT_EQ(view.viewport()->grab().toImage(), fresh.viewport()->grab().toImage());
}

// Lines too long to lay out at once are laid out in pieces that end after a
// blank where one is near and never split a surrogate pair.
TEST(LogViewRowsTest, LongLinesAreLaidOutInPieces) {
  constexpr std::size_t n = LogRows::kPieceLength;
  std::u16string line(3 * n + 5, u'字');
  line[n - 10] = u' ';          // the first piece ends after it
  line[2 * n - 1] = u'\xD83D';  // a pair across the second boundary
  line[2 * n] = u'\xDE00';
  Log log;
  log.append(u"short\r\n" + line + u"\r\nend");
  QWidget device;
  LogViewMetrics metrics;
  metrics.setFont(device.font(), &device);
  LaidOutRows rows(metrics);
  rows.setLog(log);
  rows.setWidth(200);
  const std::size_t start = log.lineStart(1);
  EXPECT_EQ(rows.pieceCount(0), 1u);
  ASSERT_EQ(rows.pieceCount(1), 4u);
  EXPECT_EQ(rows.pieceBegin(1, 1), start + n - 9);
  EXPECT_EQ(rows.pieceBegin(1, 2), start + 2 * n - 1);
  EXPECT_EQ(rows.pieceBegin(1, 3), start + 3 * n);
  EXPECT_EQ(rows.pieceEnd(1, 3), log.lineEnd(1));
  QString joined;
  for (std::size_t p = 0; p < 4; ++p) {
    joined += static_cast<const QtLaidOutPiece&>(*rows.piece(1, p)).layout().text();
  }
  EXPECT_EQ(joined.toStdU16String(), line);

  const RowSpot last = rows.lastRow();
  EXPECT_EQ(last, (RowSpot{2, 0, 0}));
  const RowSpot inLast = rows.spotOf(log.lineEnd(1));
  EXPECT_EQ(inLast.piece, 3u);
  EXPECT_EQ(rows.moved(inLast, 1), last);
  EXPECT_EQ(rows.moved(last, -1), inLast);
  EXPECT_EQ(rows.moved(RowSpot{1, 1, 0}, -1), (RowSpot{1, 0, rows.piece(1, 0)->rows() - 1}));
  EXPECT_EQ(rows.moved(last, -100000), RowSpot{});
}

// The view cuts its rows by the rule both windows share, from its own
// font's advances, where Qt's own rule would break elsewhere (between
// Chinese characters, after a hyphen): Down from the start of a row reaches
// the next row's start and End its last place. Each row is drawn as
// that part of the line drawn in one unbroken row.
TEST(LogViewRowsTest, RowsAreTheSharedRuleOverTheViewsAdvancesAndDrawnAsInOneRow) {
  const std::u16string line =
      u"ab 天地玄黄宇宙洪荒天地玄黄宇宙洪荒 x\xD83D\xDE00y abcdefgh-ijklmnopqrstuvwxyzabcdefgh end";
  Log log;
  log.appendLine({}, line);
  LogView view(nullptr);
  view.resize(200, 300);
  view.show();
  view.mirror(log);
  const QString shown = QString::fromStdU16String(line);
  const QFontMetricsF metrics(view.font());
  std::vector<int> edges;
  for (int i = 0; i < shown.size(); ++i) {
    edges.push_back(static_cast<int>(std::lround(metrics.horizontalAdvance(shown, i + 1))));
  }
  const WrappedPiece expected(0, line, edges, view.viewport()->width() - 2 * kMargin);
  ASSERT_GT(expected.rows(), 3);

  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
  for (int row = 0; row < expected.rows(); ++row) {
    EXPECT_EQ(view.caretPosition(), expected.rowBegin(row)) << row;
    QTest::keyClick(&view, Qt::Key_End);
    EXPECT_EQ(view.caretPosition(), expected.offsetAt(row, 1 << 20)) << row;
    QTest::keyClick(&view, Qt::Key_Home);
    QTest::keyClick(&view, Qt::Key_Down);
  }

  view.clearFocus();
  LogView unbroken(nullptr);
  unbroken.resize(2000, 100);
  unbroken.show();
  unbroken.mirror(log);
  const QImage rows = view.viewport()->grab().toImage();
  const QImage one = unbroken.viewport()->grab().toImage();
  const int height = view.model().rowHeight();
  for (int row = 0; row < expected.rows(); ++row) {
    const int left = expected.left(expected.rowBegin(row));
    const int width = expected.left(expected.rowEnd(row)) - left - 4;
    EXPECT_EQ(rows.copy(kMargin + 2, kMargin + row * height, width, height),
              one.copy(kMargin + left + 2, kMargin, width, height))
        << row;
  }
}

// A log that no layout could take whole, with text that trips up layouts:
// lone surrogates, control characters, right-to-left text, no blanks.
TEST(LogViewBadInputTest, DrawsAndScrollsWithoutCrashOrHang) {
  std::u16string hard = u"\xDC00x\xD800\t\x01\x7F\x200F\x202Eעברית עם مرحبا\x2028\x2029\xFEFF";
  std::u16string text = hard + u"\r\n" + std::u16string(2'000'000, u'a') + hard + u"\r\n";
  for (int i = 0; i < 10; ++i) {
    text += hard;
  }
  Log log;
  log.append(text);
  log.caretToEnd();
  LogView view(nullptr);
  view.resize(300, 200);
  view.show();
  view.mirror(log);
  EXPECT_FALSE(view.viewport()->grab().isNull());
  view.setFocus();
  for (int i = 0; i < 20; ++i) {
    QTest::keyClick(&view, Qt::Key_PageUp);
  }
  EXPECT_EQ(view.topRow().line, 1u);
  EXPECT_GT(view.topRow().piece, 1900u);
  view.verticalScrollBar()->setValue(0);
  EXPECT_EQ(view.topRow(), RowSpot{});
  view.verticalScrollBar()->setValue(1);
  EXPECT_EQ(view.topRow(), (RowSpot{1, 0, 0}));
  QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
  view.resize(120, 300);
  EXPECT_FALSE(view.viewport()->grab().isNull());
  EXPECT_EQ(view.selectedText().size(), static_cast<qsizetype>(text.size()));
}

}  // namespace
}  // namespace zor::test
