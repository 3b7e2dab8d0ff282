// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tgamestart.h"

#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>

#include "updown.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;

Tgamestart::Tgamestart(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("gamestart"));
  setWindowTitle(tr("Kuvo - Game Start"));
  setFixedSize(242, 148);
  applyWindowBackground(this);

  auto* heading = new QLabel(tr("Game Options"), this);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSize(headingFont.pointSize() + 3);
  heading->setFont(headingFont);
  heading->setAlignment(Qt::AlignCenter);
  heading->setGeometry(0, 6, 242, 24);

  auto* roundsLabel = new QLabel(tr("Rounds Per Game: "), this);
  roundsLabel->setGeometry(14, 40, 112, 22);
  edit_playtoscore_ = new QLineEdit(this);
  edit_playtoscore_->setObjectName(QStringLiteral("edit_playtoscore"));
  edit_playtoscore_->setGeometry(128, 40, 44, 22);
  UpDown1_ = new UpDown(kRoundsMin, kRoundsMax, 1, edit_playtoscore_, this);
  UpDown1_->setObjectName(QStringLiteral("UpDown1"));
  UpDown1_->setGeometry(172, 40, 16, 22);
  UpDown1_->setPosition(kRoundsInitial);

  auto* timeLabel = new QLabel(tr("Time Per Round:"), this);
  timeLabel->setGeometry(14, 70, 112, 22);
  edit_timeperturn_ = new QLineEdit(this);
  edit_timeperturn_->setObjectName(QStringLiteral("edit_timeperturn"));
  edit_timeperturn_->setGeometry(128, 70, 44, 22);
  UpDown2_ = new UpDown(kSecondsMin, kSecondsMax, kSecondsStep, edit_timeperturn_, this);
  UpDown2_->setObjectName(QStringLiteral("UpDown2"));
  UpDown2_->setGeometry(172, 70, 16, 22);
  UpDown2_->setPosition(kSecondsMin);
  auto* secs = new QLabel(tr("secs"), this);
  secs->setGeometry(194, 70, 40, 22);

  button_start_ = new PictureButton(drawStartButton(false), drawStartButton(true), this);
  button_start_->setObjectName(QStringLiteral("button_start"));
  button_start_->setAccessibleName(tr("Start Game"));
  button_start_->move((242 - kStartButtonSize.width()) / 2, 106);
  connect(button_start_, &QAbstractButton::clicked, this, &Tgamestart::button_startClick);
}

QString Tgamestart::roundsText() const {
  return edit_playtoscore_->text();
}

QString Tgamestart::timeText() const {
  return edit_timeperturn_->text();
}

void Tgamestart::setRoundsPosition(int rounds) {
  UpDown1_->setPosition(rounds);
}

void Tgamestart::setTimePosition(int seconds) {
  UpDown2_->setPosition(seconds);
}

void Tgamestart::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
}

void Tgamestart::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  // A minimised main window hides its tool windows too; that is no closing.
  if (!event->spontaneous()) emit hidden();
}

void Tgamestart::button_startClick() {
  emit startRequested(roundsText(), timeText());
  hide();
}

}  // namespace kuvo
