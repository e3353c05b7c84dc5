#include "tests/qt/WindowFixture.h"
#include "tests/support/TemporaryDirectory.h"
#include "tests/support/Transcript.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>

#include <array>
#include <utility>

namespace zor::test {
namespace {

// The program directory, made before the window that shows it.
struct ProgramDirectory {
  TemporaryDirectory temporary;
};

// Every transcript typed into the Qt window with real key events to the
// widget that has the focus, the log read back from the view as a screen
// reader reads it.
class TranscriptWindowTest : public ProgramDirectory,
                             public WindowFixture,
                             public ::testing::WithParamInterface<std::string> {
 protected:
  TranscriptWindowTest() : WindowFixture(temporary.path()) {
    QApplication::setActiveWindow(&form);
    QObject::connect(&form, &Form1::stopRequested, [this] { ended = true; });
  }

  QWidget* focused() const {
    QWidget* widget = QApplication::focusWidget();
    return widget != nullptr ? widget : text2;
  }
  QString viewText() const {
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(text1)->textInterface();
    return text->text(0, text->characterCount());
  }
  void press(const KeyPiece& piece) {
    if (!piece.key) {
      for (const QChar c : QString::fromStdString(piece.text)) {
        QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
      return;
    }
    static const std::array<std::pair<std::string_view, Qt::Key>, 13> keys = {{
        {"Enter", Qt::Key_Return},
        {"Esc", Qt::Key_Escape},
        {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},
        {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},
        {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},
        {"Tab", Qt::Key_Tab},
        {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete},
        {"F3", Qt::Key_F3},
        {"Space", Qt::Key_Space},
    }};
    std::string_view name = piece.text;
    Qt::KeyboardModifiers modifiers;
    for (const auto& [word, modifier] :
         {std::pair{"Ctrl+", Qt::ControlModifier}, std::pair{"Shift+", Qt::ShiftModifier},
          std::pair{"Alt+", Qt::AltModifier}}) {
      if (name.starts_with(word)) {
        modifiers |= modifier;
        name.remove_prefix(std::string_view(word).size());
      }
    }
    auto key = static_cast<Qt::Key>(Qt::Key_A + (name[0] - 'A'));
    for (const auto& [word, named] : keys) {
      key = word == name ? named : key;
    }
    if (key == Qt::Key_Tab && modifiers == Qt::ShiftModifier) {
      key = Qt::Key_Backtab;  // as the platform sends it
    }
    QTest::keyClick(focused(), key, modifiers);
  }
  // The state a transcript expects, as it writes it.
  QString state(const std::string& what) const {
    if (what == "input") {
      QString text = text2->text();
      if (text2->hasSelectedText()) {
        text.insert(text2->selectionEnd(), ']').insert(text2->selectionStart(), '[');
      }
      return text;
    }
    if (what == "caption") {
      return form.findChild<QGroupBox*>(QStringLiteral("Frame2"))->title();
    }
    if (what == "find") {
      return form.findChild<QWidget*>(QStringLiteral("FindBox"))->isVisible()
                 ? form.findChild<QLabel*>(QStringLiteral("FindCount"))->text()
                 : QStringLiteral("hidden");
    }
    if (what == "clipboard") {
      return QApplication::clipboard()->text();
    }
    return viewText().isEmpty() ? QString() : QStringLiteral("(not empty)");
  }

  bool ended = false;
};

TEST_P(TranscriptWindowTest, TheViewShowsTheTranscriptsLog) {
  if (const std::string reason = skipReason("qt", GetParam()); !reason.empty()) {
    GTEST_SKIP() << reason;
  }
  const Transcript transcript = readTranscript(GetParam());
  putFiles(transcript, temporary.path(), *codePage);
  QString received = viewText();
  const auto takeNewLines = [&](const auto& act) {
    const QString before = viewText();
    act();
    const QString after = viewText();
    received += after.startsWith(before) ? after.mid(before.size()) : after;
  };
  for (const Step& step : transcript.steps) {
    const bool acts = step.kind == Step::Kind::Enter || step.kind == Step::Kind::Keys;
    if (ended && acts) {
      break;
    }
    switch (step.kind) {
      case Step::Kind::Enter:
        takeNewLines([&] {
          QTest::keyClick(text2, Qt::Key_Escape);
          type(QString::fromStdString(step.text));
        });
        break;
      case Step::Kind::Keys:
        takeNewLines([&] {
          for (const KeyPiece& piece : step.keys) {
            press(piece);
          }
        });
        break;
      case Step::Kind::Clipboard:
        QApplication::clipboard()->setText(QString::fromStdString(step.text));
        break;
      case Step::Kind::Expect:
        if (step.what == "ended") {
          EXPECT_TRUE(ended) << "before line " << step.logged + 1;
        } else {
          const QString expected = QString::fromStdString(step.text);
          if (!QTest::qWaitFor([&] { return state(step.what) == expected; }, 5000)) {
            FAIL() << "the " << step.what << " shows \"" << state(step.what).toStdString()
                   << "\", not \"" << step.text << "\", after log line " << step.logged;
          }
        }
        break;
    }
  }
  const std::string dir = temporary.path().string();
  const std::string all = expectedLog(transcript.logText(), "[09:05:07]", dir, "\r\n");
  EXPECT_EQ(received.toStdString(), all);
  const std::size_t from = transcript.shownFrom();
  EXPECT_EQ(viewText().toStdString(),
            from == 0 ? all : filledIn(transcript.logText(from), "[09:05:07]", dir, "\r\n"));
  EXPECT_EQ(differingFiles(transcript, temporary.path(), dir, *codePage), "");
}

INSTANTIATE_TEST_SUITE_P(Transcripts, TranscriptWindowTest, ::testing::ValuesIn(transcriptNames()),
                         [](const auto& row) {
                           std::string name = row.param;
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace zor::test
