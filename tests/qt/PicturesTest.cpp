#include "platform/SystemColour.h"
#include "tests/qt/WindowFixture.h"
#include "tests/support/PictureRules.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace zor::test {
namespace {

// The states a user sees, each drawn in the light and in the dark scheme.
enum class State { Banner, Help, Find, Search, Chinese };

struct Shot {
  State state;
  const char* name;
};

constexpr Shot kShots[] = {
    {State::Banner, "banner"}, {State::Help, "help"},       {State::Find, "find"},
    {State::Search, "search"}, {State::Chinese, "chinese"},
};

void PrintTo(const Shot& shot, std::ostream* out) { *out << shot.name; }

// A colour of the system, 0x00BBGGRR, as a pixel, 0xRRGGBB.
std::uint32_t pixelOf(std::uint32_t bbggrr) {
  return ((bbggrr & 0xFF) << 16) | (bbggrr & 0xFF00) | ((bbggrr >> 16) & 0xFF);
}

// The window drawn in each state and kept as a picture of the test run,
// then checked by rule: every control at least its natural size, none over
// another but the find box over the log's text, the match found in sight,
// and the scheme's colours where they belong. The same test runs again at
// twice the scale (QT_SCALE_FACTOR=2).
class PicturesTest : public WindowFixture,
                     public ::testing::WithParamInterface<std::tuple<Shot, bool>> {
 protected:
  PicturesTest() {
    QApplication::setActiveWindow(&form);
    frame1 = form.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    frame2 = form.findChild<QGroupBox*>(QStringLiteral("Frame2"));
    findBox = form.findChild<QWidget*>(QStringLiteral("FindBox"));
  }

  // Each code point as a key of its own, so a pair of surrogates comes as
  // one character.
  void typeWhole(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
      const qsizetype n = line.at(i).isHighSurrogate() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, text2, Qt::Key_unknown, line.mid(i, n), Qt::NoModifier);
      i += n - 1;
    }
    QTest::keyClick(text2, Qt::Key_Return);
  }

  void act(State state) {
    switch (state) {
      case State::Banner:
        break;
      case State::Help:
        type(QStringLiteral("say Hello, ZOR!"));
        type(QStringLiteral("help"));
        break;
      case State::Find:
        // The line found is the view's second row, under the first.
        type(QStringLiteral("clear"));
        type(QStringLiteral("say needle"));
        for (int i = 0; i < 40; ++i) {
          type(QStringLiteral("say filler %1").arg(i));
        }
        type(QStringLiteral("top"));
        ASSERT_EQ(text1->topRow().line, 0U);
        QTest::keyClick(text2, Qt::Key_F, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("needle"));
        QTRY_COMPARE(text1->selectedText(), QStringLiteral("needle"));
        ASSERT_EQ(text1->selectionStart(), form.console().log.text().find(u"]needle") + 1);
        break;
      case State::Search:
        type(QStringLiteral("say apple"));
        type(QStringLiteral("say banana"));
        QTest::keyClick(text2, Qt::Key_R, Qt::ControlModifier);
        typeText(QStringLiteral("app"));
        ASSERT_EQ(frame2->title(), QStringLiteral("输入Input (搜索历史 search: app)"));
        break;
      case State::Chinese:
        typeWhole(QStringLiteral("say 你好，世界！"));
        typeWhole(QStringLiteral("say 数学字母 𝐀𝐁𝐂 表情 😀😁"));
        ASSERT_TRUE(shown().endsWith(QStringLiteral("]数学字母 𝐀𝐁𝐂 表情 😀😁\n")));
        break;
    }
  }

  // A widget's place in the window, in the picture's pixels.
  Area areaOf(const QWidget* w, QRect r) const {
    r.translate(w->mapTo(&form, QPoint(0, 0)));
    return Area{scaled(r.x()), scaled(r.y()), scaled(r.width()), scaled(r.height())};
  }
  int scaled(int pixels) const { return static_cast<int>(std::lround(pixels * scale)); }
  Part part(const std::string& name, const QWidget* w, QRect r, QSize natural) const {
    return Part{name, areaOf(w, r), scaled(natural.width()), scaled(natural.height())};
  }

  // The window as drawn: a label or a check box needs its size hint, a group
  // box its caption, a text box a line of its font in its text area, the
  // match found the room its text takes.
  DrawnWindow drawn() const {
    DrawnWindow window;
    for (QGroupBox* frame : {frame1, frame2}) {
      window.parts.push_back(part(frame->objectName().toStdString(), frame, frame->rect(),
                                  QSize(frame->minimumSizeHint().width(), 0)));
    }
    window.frame1Caption = captionOf(frame1);
    window.frame2Caption = captionOf(frame2);
    const QWidget* text = text1->viewport();
    window.parts.push_back(part("Text1", text, text->rect(), QSize(1, text1->model().rowHeight())));
    if (const QScrollBar* bar = text1->verticalScrollBar(); bar->isVisible()) {
      window.parts.push_back(part("Text1.scrollbar", bar, bar->rect(), bar->minimumSizeHint()));
    }
    window.parts.push_back(lineOf("Text2", text2));
    window.inputHasText = !text2->text().isEmpty();
    if (findBox == nullptr || !findBox->isVisible()) {
      return window;
    }
    window.parts.push_back(part("FindBox", findBox, findBox->rect(), findBox->minimumSizeHint()));
    for (const QWidget* w : findBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!w->isVisible()) {
        continue;
      }
      const std::string name =
          "FindBox." + (w->objectName().isEmpty() ? std::string(w->metaObject()->className())
                                                  : w->objectName().toStdString());
      if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        window.parts.push_back(lineOf(name, edit));
      } else {
        window.parts.push_back(part(name, w, w->rect(), w->sizeHint()));
      }
    }
    if (text1->selectionStart() != text1->selectionEnd()) {
      const QString match = text1->selectedText();
      const QSize needs(text1->fontMetrics().horizontalAdvance(match), text1->model().rowHeight());
      const auto from = text1->model().caretBoxAt(text1->selectionStart());
      const auto to = text1->model().caretBoxAt(text1->selectionEnd());
      const QRect shown = from && to && from->top == to->top
                              ? QRect(from->left, from->top, to->left - from->left, from->height)
                              : QRect();
      window.match = part("match", text, shown, needs);
    }
    return window;
  }

  // A text box and the line of its font that its text area must hold.
  Part lineOf(const std::string& name, const QLineEdit* edit) const {
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QRect inside = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    return part(name, edit, inside,
                QSize(edit->fontMetrics().averageCharWidth(), edit->fontMetrics().height()));
  }

  // The ink of a group box's caption: its text centred on the line of the
  // place the style gives it.
  Area captionOf(const QGroupBox* frame) const {
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = frame->alignment();
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    const QFontMetrics metrics = frame->fontMetrics();
    const int baseline = label.top() + (label.height() - metrics.height()) / 2 + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(frame->title());
    return areaOf(
        frame, QRect(label.left() + ink.left(), baseline + ink.top(), ink.width(), ink.height()));
  }

  qreal scale = 1;
  QGroupBox* frame1 = nullptr;
  QGroupBox* frame2 = nullptr;
  QWidget* findBox = nullptr;
};

TEST_P(PicturesTest, EveryControlWholeAndInItsPlaceInTheSchemesColours) {
  const auto [shot, dark] = GetParam();
  // The README's pictures are of a bigger window.
  if (const QStringList size = QString::fromLocal8Bit(qgetenv("ZOR_PICTURES_SIZE")).split('x');
      size.size() == 2) {
    form.resize(size[0].toInt(), size[1].toInt());
  }
  if (dark) {
    type(QStringLiteral("bm"));
  }
  act(shot.state);
  if (HasFatalFailure()) {
    return;
  }
  const QImage picture = form.grab().toImage();
  scale = picture.devicePixelRatio();
  const QString dir = QString::fromLocal8Bit(qgetenv("ZOR_PICTURES_DIR"));
  const QString folder = dir.isEmpty() ? QStringLiteral(ZOR_PICTURES_DIR) : dir;
  QDir().mkpath(folder);
  const QString file = QStringLiteral("%1/qt-%2-%3-%4.png")
                           .arg(folder)
                           .arg(std::lround(scale * 100))
                           .arg(QString::fromUtf8(shot.name))
                           .arg(dark ? QStringLiteral("dark") : QStringLiteral("light"));
  ASSERT_TRUE(picture.save(file)) << file.toStdString();
  SCOPED_TRACE(file.toStdString());

  Pixels pixels{picture.width(), picture.height(), {}};
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      pixels.rgb.push_back(picture.pixel(x, y) & 0xFFFFFF);
    }
  }
  const Scheme scheme{dark ? pixelOf(systemColour(1)) : 0xFFFFFFU, dark ? 0xFFFFFFU : 0U,
                      form.palette().color(QPalette::Window).rgb() & 0xFFFFFFU};
  EXPECT_EQ(pictureFaults(drawn(), pixels, scheme), std::vector<std::string>());
}

INSTANTIATE_TEST_SUITE_P(Pictures, PicturesTest,
                         ::testing::Combine(::testing::ValuesIn(kShots), ::testing::Bool()),
                         [](const auto& shot) {
                           return std::string(std::get<0>(shot.param).name) +
                                  (std::get<1>(shot.param) ? "Dark" : "Light");
                         });

}  // namespace
}  // namespace zor::test
