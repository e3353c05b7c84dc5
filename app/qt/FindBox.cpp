#include "app/qt/FindBox.h"

#include "app/qt/LogView.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace zor {

namespace {

// Typing searches once it pauses this long, so a fast typist does not wait
// for a search of every prefix.
constexpr int kPauseMs = 150;

}  // namespace

FindBox::FindBox(QWidget* parent, FindBar& bar, LogView& view, std::function<void()> focusInput)
    : QFrame(parent), bar_(bar), view_(view), focusInput_(std::move(focusInput)) {
  setObjectName(QStringLiteral("FindBox"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  auto* label = new QLabel(QString::fromUtf16(FindBar::kLabel), this);
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("FindText"));
  edit_->setAccessibleName(label->text());
  label->setBuddy(edit_);
  matchCase_ = new QCheckBox(QString::fromUtf16(FindBar::kMatchCase), this);
  matchCase_->setObjectName(QStringLiteral("FindMatchCase"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("FindCount"));
  count_->setMinimumWidth(
      count_->fontMetrics().horizontalAdvance(QStringLiteral("0000000/0000000")));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(4, 2, 4, 2);
  row->addWidget(label);
  row->addWidget(edit_);
  row->addWidget(matchCase_);
  row->addWidget(count_);
  edit_->installEventFilter(this);
  matchCase_->installEventFilter(this);

  pause_.setSingleShot(true);
  pause_.setInterval(kPauseMs);
  connect(&pause_, &QTimer::timeout, this, [this] {
    apply(bar_.search(*view_.model().log(), view_.model().bottomPosition()));
    showCount();
  });
  connect(edit_, &QLineEdit::textEdited, this, &FindBox::edited);
  connect(matchCase_, &QCheckBox::toggled, this, &FindBox::edited);
  // Counting goes in slices between the window's events.
  counting_.setInterval(0);
  connect(&counting_, &QTimer::timeout, this, [this] {
    bar_.countStep(*view_.model().log());
    showCount();
  });
  hide();
}

void FindBox::findKey() { apply(bar_.press(FindKey::CtrlF, false, *view_.model().log())); }

void FindBox::logChanged() {
  if (bar_.isOpen()) {
    bar_.follow(*view_.model().log());
    showCount();
  }
}

void FindBox::place(const QRect& logRect) {
  const QSize size = sizeHint().boundedTo(logRect.size());
  setGeometry(QRect(logRect.right() - size.width(), logRect.top(), size.width(), size.height()));
}

void FindBox::edited() {
  bar_.edit(edit_->text().toStdU16String(), matchCase_->isChecked());
  pause_.start();
}

void FindBox::apply(const FindBar::Outcome& outcome) {
  if (outcome.openBox) {
    show();
    raise();
    edit_->setFocus();
    edit_->selectAll();
    showCount();
  }
  if (outcome.selectTyped) {
    edit_->setFocus();
    edit_->selectAll();
  }
  if (outcome.select) {
    view_.model().select(outcome.select->start, outcome.select->end());
    view_.refresh();
  }
  view_.viewport()->update();
  if (outcome.closeBox) {
    pause_.stop();
    counting_.stop();
    hide();
    focusInput_();
  }
}

void FindBox::showCount() {
  const Log& log = *view_.model().log();
  if (bar_.counting(log)) {
    counting_.start();
  } else {
    counting_.stop();
  }
  const QString text = QString::fromStdU16String(bar_.countText(log));
  if (count_->text() != text) {
    count_->setText(text);
    QAccessibleEvent changed(count_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
  QPalette palette = edit_->palette();
  palette.setColor(QPalette::Base, bar_.nothingFound(log) ? QColor(0xFF, 0x66, 0x66)
                                                          : this->palette().color(QPalette::Base));
  edit_->setPalette(palette);
}

bool FindBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool shift = key->modifiers().testFlag(Qt::ShiftModifier);
  FindKey findKey;
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      findKey = FindKey::Enter;
      break;
    case Qt::Key_F3:
      findKey = FindKey::F3;
      break;
    case Qt::Key_Escape:
      findKey = FindKey::Escape;
      break;
    default:
      return QFrame::eventFilter(watched, event);
  }
  if (pause_.isActive() && findKey != FindKey::Escape) {
    // A key right after typing finds what was typed, without the pause.
    pause_.stop();
    apply(bar_.search(*view_.model().log(), view_.model().bottomPosition()));
  } else {
    apply(bar_.press(findKey, shift, *view_.model().log()));
  }
  showCount();
  return true;
}

}  // namespace zor
