// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tgamestart.h"

#include <QGridLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "updown.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;

Tgamestart::Tgamestart(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("gamestart"));
  setWindowTitle(tr("Kuvo - Game Start"));
  setFixedSize(242, 148);
  applyWindowBackground(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 6, 10, 10);
  layout->setSpacing(6);
  auto* heading = new QLabel(tr("Game Options"), this);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSize(headingFont.pointSize() + 3);
  heading->setFont(headingFont);
  heading->setAlignment(Qt::AlignCenter);
  layout->addWidget(heading);

  // A grid rather than fixed places, so that longer words in other languages
  // push the fields over instead of being cut.
  auto* fields = new QGridLayout;
  fields->setHorizontalSpacing(4);
  fields->setVerticalSpacing(6);
  auto* roundsLabel = new QLabel(tr("&Rounds Per Game: "), this);
  edit_playtoscore_ = new UpDown(kRoundsMin, kRoundsMax, 1, this);
  edit_playtoscore_->setObjectName(QStringLiteral("edit_playtoscore"));
  edit_playtoscore_->setValue(kRoundsInitial);
  roundsLabel->setBuddy(edit_playtoscore_);
  auto* timeLabel = new QLabel(tr("&Time Per Round:"), this);
  edit_timeperturn_ = new UpDown(kSecondsMin, kSecondsMax, kSecondsStep, this);
  edit_timeperturn_->setObjectName(QStringLiteral("edit_timeperturn"));
  edit_timeperturn_->setValue(kSecondsMin);
  timeLabel->setBuddy(edit_timeperturn_);
  auto* secs = new QLabel(tr("secs"), this);
  edit_timeperturn_->setAccessibleDescription(tr("seconds; 0 means no time limit"));
  for (UpDown* field : {edit_playtoscore_, edit_timeperturn_}) field->setFixedWidth(60);
  fields->addWidget(roundsLabel, 0, 0);
  fields->addWidget(edit_playtoscore_, 0, 1);
  fields->addWidget(timeLabel, 1, 0);
  fields->addWidget(edit_timeperturn_, 1, 1);
  fields->addWidget(secs, 1, 2);
  fields->setColumnStretch(2, 1);
  layout->addLayout(fields);
  layout->addStretch();

  button_start_ = new PictureButton(drawStartButton(false), drawStartButton(true), this);
  button_start_->setObjectName(QStringLiteral("button_start"));
  button_start_->setAccessibleName(tr("Start Game"));
  layout->addWidget(button_start_, 0, Qt::AlignHCenter);
  connect(button_start_, &QAbstractButton::clicked, this, &Tgamestart::button_startClick);
}

QString Tgamestart::roundsText() const {
  return QString::number(edit_playtoscore_->value());
}

QString Tgamestart::timeText() const {
  return QString::number(edit_timeperturn_->value());
}

void Tgamestart::setRoundsPosition(int rounds) {
  edit_playtoscore_->setValue(rounds);
}

void Tgamestart::setTimePosition(int seconds) {
  edit_timeperturn_->setValue(seconds);
}

void Tgamestart::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
  takeFocusOnShow(this);
  edit_playtoscore_->setFocus(Qt::ActiveWindowFocusReason);
}

void Tgamestart::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // A minimised main window hides its tool windows too; that is no closing.
  if (!event->spontaneous()) emit hidden();
}

void Tgamestart::keyPressEvent(QKeyEvent* event) {
  // START GAME is a picture, not a push button, so Return is passed on here.
  // Escape keeps the dialog's own meaning: close without starting.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    button_start_->click();
    return;
  }
  QDialog::keyPressEvent(event);
}

void Tgamestart::button_startClick() {
  emit startRequested(roundsText(), timeText());
  hide();
}

}  // namespace kuvo
