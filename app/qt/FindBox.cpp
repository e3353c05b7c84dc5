#include "app/qt/FindBox.h"

#include "app/qt/LogView.h"
#include "app/qt/QtColour.h"

#include <QAccessible>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <algorithm>

namespace zor {

namespace {

ViewSize sizeOf(const QSize& size) { return ViewSize{size.width(), size.height()}; }

QRect rectOf(const ViewBox& box) { return QRect(box.left, box.top, box.width, box.height); }

// The widget's rectangle in `parent`, one of its ancestors.
ViewBox boxIn(const QWidget* widget, const QWidget* parent) {
  const QPoint corner = widget->mapTo(parent, QPoint(0, 0));
  return ViewBox{corner.x(), corner.y(), widget->width(), widget->height()};
}

}  // namespace

FindBox::FindBox(QWidget* parent, FindBar& bar, LogView& view, std::function<void()> focusInput)
    : QFrame(parent),
      view_(view),
      viewport_(view.viewport()),
      focusInput_(std::move(focusInput)),
      driver_(bar, view.model(), *this) {
  setObjectName(QStringLiteral("FindBox"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  label_ = new QLabel(QString::fromUtf16(FindBar::kLabel), this);
  label_->setObjectName(QStringLiteral("FindLabel"));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("FindText"));
  edit_->setAccessibleName(label_->text());
  label_->setBuddy(edit_);
  matchCase_ = new QCheckBox(QString::fromUtf16(FindBar::kMatchCase), this);
  matchCase_->setObjectName(QStringLiteral("FindMatchCase"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("FindCount"));
  edit_->installEventFilter(this);
  matchCase_->installEventFilter(this);
  // The text area narrows when the scroll bar comes.
  viewport_->installEventFilter(this);

  pause_.setSingleShot(true);
  pause_.setInterval(FindBar::kPauseMs);
  connect(&pause_, &QTimer::timeout, this, [this] { driver_.pauseEnded(); });
  const auto edited = [this] {
    driver_.edited(edit_->text().toStdU16String(), matchCase_->isChecked());
  };
  connect(edit_, &QLineEdit::textEdited, this, edited);
  connect(matchCase_, &QCheckBox::toggled, this, edited);
  counting_.setInterval(0);
  connect(&counting_, &QTimer::timeout, this, [this] { driver_.countSlice(); });
  hide();
}

FindBoxMeasures FindBox::measures() const {
  const QSize text = edit_->sizeHint();
  return FindBoxMeasures{
      sizeOf(label_->sizeHint()),
      sizeOf(text),
      sizeOf(matchCase_->sizeHint()),
      ViewSize{count_->fontMetrics().horizontalAdvance(QString::fromUtf16(FindBar::kWidestCount)),
               count_->sizeHint().height()},
      std::max(edit_->minimumSizeHint().width(), 2 * text.height()),
      fontMetrics().height() / 4,
      frameWidth(),
  };
}

ViewBox FindBox::textArea() const { return boxIn(view_.viewport(), parentWidget()); }

ViewBox FindBox::scrollBar() const {
  const QScrollBar* bar = view_.verticalScrollBar();
  return bar->isVisible() ? boxIn(bar, parentWidget()) : ViewBox{};
}

void FindBox::placeBox(const FindBoxPlace& place) {
  const QPoint inside = contentsRect().topLeft();
  label_->setGeometry(rectOf(place.label).translated(inside));
  edit_->setGeometry(rectOf(place.text).translated(inside));
  matchCase_->setGeometry(rectOf(place.matchCase).translated(inside));
  count_->setGeometry(rectOf(place.count).translated(inside));
  setGeometry(rectOf(place.box));
}

void FindBox::showBox(bool shown) {
  setVisible(shown);
  raise();
}

void FindBox::selectText() {
  edit_->setFocus();
  edit_->selectAll();
}

void FindBox::showCount(const FindBar::Count& count) {
  const QString text = QString::fromStdU16String(count.text);
  if (count_->text() != text) {
    count_->setText(text);
    QAccessibleEvent changed(count_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, count.tinted ? toQColor(FindBar::kNothingFoundTint)
                                                : this->palette().color(QPalette::Base));
  edit_->setPalette(palette);
}

void FindBox::runPause(bool on) {
  if (on) {
    pause_.start();
  } else {
    pause_.stop();
  }
}

void FindBox::runCounting(bool on) {
  if (on) {
    counting_.start();
  } else {
    counting_.stop();
  }
}

void FindBox::refreshView() { view_.refresh(); }

void FindBox::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    driver_.place();
  }
}

bool FindBox::eventFilter(QObject* watched, QEvent* event) {
  // The viewport is compared by the pointer kept, since its events come on
  // while the view is being destroyed, when it is no longer a view.
  if (watched == viewport_ && event->type() == QEvent::Resize) {
    driver_.place();
  }
  if (watched == viewport_ || event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      driver_.press(FindKey::Enter, shift);
      return true;
    case Qt::Key_F3:
      driver_.press(FindKey::F3, shift);
      return true;
    case Qt::Key_Escape:
      driver_.press(FindKey::Escape, shift);
      return true;
    default:
      return QFrame::eventFilter(watched, event);
  }
}

}  // namespace zor
