#pragma once

#include "app/qt/Form1.h"
#include "app/qt/LogView.h"
#include "platform/CodePage.h"
#include "tests/support/Fakes.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace zor::test {

// The Qt window shown over a fixed clock (09:05:07), a recording media
// device and the system's code page, in a program directory of the test's
// choosing, with real key events into its input box.
class WindowFixture : public ::testing::Test {
 protected:
  explicit WindowFixture(const std::filesystem::path& programDirectory = "/opt/zor")
      : form(Services{clock, media, *codePage, programDirectory}) {
    form.show();
    text1 = form.findChild<LogView*>(QStringLiteral("Text1"));
    text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
  }

  // Types each character as a key of its own (keyClicks takes ASCII only).
  void typeText(const QString& text) {
    for (const QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, text2, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  // Types the line, then presses Enter.
  void type(const QString& line) {
    typeText(line);
    QTest::keyClick(text2, Qt::Key_Return);
  }
  // The log as the view shows it, line breaks as "\n".
  QString shown() {
    return QString::fromStdU16String(form.console().log.text())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

  FixedClock clock;
  RecordingMediaDevice media;
  const std::unique_ptr<CodePage> codePage = systemCodePage();
  Form1 form;
  LogView* text1 = nullptr;
  QLineEdit* text2 = nullptr;
};

}  // namespace zor::test
