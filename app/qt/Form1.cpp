#include "app/qt/Form1.h"

#include "app/Colours.h"
#include "app/Layout.h"
#include "app/Twips.h"
#include "app/WindowTexts.h"
#include "app/qt/FindBox.h"
#include "app/qt/InputBox.h"
#include "app/qt/LogView.h"
#include "app/qt/QtColour.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QScreen>
#include <QShortcut>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zor {

namespace {

QRect pixelRect(const Rect& twips, double dpiX, double dpiY) {
  const Rect r = toPixels(twips, dpiX, dpiY);
  return QRect(r.left, r.top, r.width, r.height);
}

void paint(QWidget* box, const BoxColours& colours) {
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, toQColor(paintedColour(colours.background)));
  palette.setColor(QPalette::Text, toQColor(paintedColour(colours.text)));
  if (palette != box->palette()) {
    box->setPalette(palette);
  }
}

// The caption as the title bar shows it. Qt reads "[*]" as the mark of an
// unsaved window, and writes "[*][*]" for a literal one; it shows the
// program's name for an empty title, so an empty caption is shown as a
// zero-width space.
QString shownCaption(const std::u16string& caption) {
  if (caption.empty()) {
    return QStringLiteral("\u200B");
  }
  return QString::fromStdU16String(caption).replace(QStringLiteral("[*]"),
                                                    QStringLiteral("[*][*]"));
}

// `font` at a zoom of `percent`, in points or pixels as it is given.
QFont zoomedFont(QFont font, int percent) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(zoomedSize(font.pointSizeF(), percent));
  } else {
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(zoomedSize(font.pixelSize(), percent)))));
  }
  return font;
}

}  // namespace

Form1::Form1(Services services) : controller_(std::move(services)) {
  setObjectName(QStringLiteral("Form1"));
  // Created in the order Frame2, Text2, Frame1, Text1; tabbed in the order
  // Frame1, Text1, Frame2, Text2.
  frame2_ = new QGroupBox(this);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  text2_ =
      new InputBox(frame2_, controller_, [this](const WindowUpdate& update) { apply(update); });
  frame1_ = new QGroupBox(QString::fromUtf16(kLogCaption), this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  text1_ = new LogView(frame1_);
  setTabOrder(text1_, text2_);
  text1_->model().highlight(controller_.findBar());
  // Over the log, so the frames keep their layout; created after them, so
  // it is drawn on top.
  find_ = new FindBox(this, controller_.findBar(), *text1_, [this] { text2_->setFocus(); });
  connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, find_, &FindBox::findKey);
  // Qt's keys for '=', '+', '-' and '0' are their characters; the keypad's
  // match them too.
  for (const ZoomKeyCharacter& key : kZoomKeys) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(key.character)), this);
    connect(shortcut, &QShortcut::activated, this,
            [this, key] { apply(controller_.zoomKey(key.key)); });
  }
  logFont_ = text1_->font();
  inputFont_ = text2_->font();
  findFont_ = find_->font();
  text1_->viewport()->installEventFilter(this);
  text2_->installEventFilter(this);

  apply(controller_.load());

  resize(toPixels(kDesignClientWidth, logicalDpiX()), toPixels(kDesignClientHeight, logicalDpiY()));
  if (const QScreen* s = screen()) {
    move(s->availableGeometry().center() - rect().center());
  }
}

void Form1::apply(const WindowUpdate& update) { applyUpdate(*this, update); }

void Form1::mirrorLog(const Log& log) { text1_->mirror(log); }

void Form1::findInChangedLog() { find_->logChanged(); }

void Form1::showInput(const InputBoxEdit& edit) { text2_->showEdit(edit); }

void Form1::showInputCaption(const std::u16string& caption) {
  frame2_->setTitle(QString::fromStdU16String(caption));
}

void Form1::showCaption(const std::u16string& caption) { setWindowTitle(shownCaption(caption)); }

void Form1::paintLog(const BoxColours& colours) { paint(text1_, colours); }

void Form1::paintInput(const BoxColours& colours) { paint(text2_, colours); }

// Linux has no contrast themes: the marks never change.
void Form1::markLog(const ViewMarks&) {}

// The window manager draws the title bar.
void Form1::useDarkTitleBar(bool) {}

// The log, the input box and the find box take the zoomed font; the frames
// and the window keep theirs.
void Form1::zoomFonts(int percent) {
  text1_->setFont(zoomedFont(logFont_, percent));
  text2_->setFont(zoomedFont(inputFont_, percent));
  find_->setFont(zoomedFont(findFont_, percent));
  placeFindBox();
}

void Form1::showLogCaption(const std::u16string& caption) {
  frame1_->setTitle(QString::fromStdU16String(caption));
  QAccessibleEvent named(text1_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&named);
}

void Form1::showWindow(bool visible) { setVisible(visible); }

void Form1::focusInput() { text2_->setFocus(); }

void Form1::quitWindow() { QCoreApplication::quit(); }

void Form1::stopProcess() { emit stopRequested(); }

void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ApplicationPaletteChange) {
    apply(controller_.coloursChanged());
  }
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  formResize();
}

// The title bar and borders are known only once the window manager has
// framed the window, which moves it without resizing it.
void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  formResize();
}

void Form1::formResize() {
  const QSize outer = frameGeometry().size();
  apply(controller_.resized(toTwips(outer.width(), logicalDpiX()),
                            toTwips(outer.height(), logicalDpiY()), isMinimized()));
}

void Form1::placeControls(const FormLayout& layout) {
  const double dpiX = logicalDpiX();
  const double dpiY = logicalDpiY();
  frame1_->setGeometry(pixelRect(layout.frame1, dpiX, dpiY));
  text1_->setGeometry(pixelRect(layout.text1, dpiX, dpiY));
  frame2_->setGeometry(pixelRect(layout.frame2, dpiX, dpiY));
  text2_->setGeometry(pixelRect(layout.text2, dpiX, dpiY));
  placeFindBox();
}

void Form1::placeFindBox() { find_->place(); }

// Ctrl and the wheel over the log or the input box zoom.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (wheel->modifiers().testFlag(Qt::ControlModifier)) {
      apply(controller_.zoomWheel(wheel->angleDelta().y()));
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  apply(controller_.close());
}

}  // namespace zor
