#include "app/batch/BatchRun.h"
#include "app/qt/Form1.h"
#include "platform/CodePage.h"
#include "tests/support/ByteStreamFakes.h"
#include "tests/support/Fakes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryDirectory.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace zor::test {
namespace {

namespace fs = std::filesystem;

// The same lines typed into the window and run in batch mode, in the same
// program directory, save the same file.
TEST(BatchSaveTest, SaveWritesTheSameBytesAsTheWindow) {
  const TemporaryDirectory temporary;
  const fs::path& directory = temporary.path();
  const std::filesystem::path programDirectory = directory;
  writeBytes(directory / "notes.txt", "a\r\nb\r\n");
  const std::vector<QString> lines = {QStringLiteral("say 你好"), QStringLiteral("   "),
                                      QStringLiteral("help"),     QStringLiteral("load notes"),
                                      QStringLiteral("th"),       QStringLiteral("AI on"),
                                      QStringLiteral("问题"),     QStringLiteral("AI off"),
                                      QStringLiteral("title t"),  QStringLiteral("save session")};
  FixedClock clock;
  RecordingMediaDevice media;
  const auto codePage = systemCodePage();
  {
    Form1 form(Services{clock, media, *codePage, programDirectory});
    form.show();
    auto* text2 = form.findChild<QLineEdit*>(QStringLiteral("Text2"));
    for (const QString& line : lines) {
      for (const QChar c : line) {
        QTest::sendKeyEvent(QTest::Click, text2, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
      QTest::keyClick(text2, Qt::Key_Return);
      // A blank line stays in the box, as it would for the user.
      text2->clear();
    }
  }
  fs::rename(directory / "session.txt", directory / "window.txt");

  std::string script;
  for (const QString& line : lines) {
    script += line.toStdString() + "\n";
  }
  TextSource input(script);
  TextSink output;
  TextSink errors;
  const std::atomic<bool> interrupted{false};
  PlayedMusic music(media);
  Console console(Services{clock, music, *codePage, programDirectory});
  EXPECT_EQ(runBatch(console, music, BatchStreams{input, "-", output, errors, interrupted}), 0);

  const std::string window = readBytes(directory / "window.txt");
  EXPECT_GT(window.size(), 1000u);
  EXPECT_EQ(readBytes(directory / "session.txt"), window);
}

}  // namespace
}  // namespace zor::test
