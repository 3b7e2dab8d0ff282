// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace kuvo::windowart {

UpDown::UpDown(int minimum, int maximum, int step, QLineEdit* buddy, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(std::max(minimum, maximum)),
      step_(std::max(1, step)),
      position_(minimum),
      buddy_(buddy),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  up_->setObjectName(QStringLiteral("up"));
  down_->setObjectName(QStringLiteral("down"));
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(up_);
  layout->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
  if (buddy_ != nullptr) {
    buddy_->setReadOnly(true);
    buddy_->installEventFilter(this);
    buddy_->setText(QString::number(position_));
  }
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  if (buddy_ != nullptr) buddy_->setText(QString::number(position_));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  // The field itself cannot be typed into, but the arrow keys and the wheel
  // step the number like the buttons do.
  if (watched == buddy_) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Up) {
        stepUp();
        return true;
      }
      if (key == Qt::Key_Down) {
        stepDown();
        return true;
      }
    } else if (event->type() == QEvent::Wheel) {
      const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
      if (delta > 0) stepUp();
      if (delta < 0) stepDown();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kuvo::windowart
