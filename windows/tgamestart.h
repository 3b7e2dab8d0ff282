// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game start dialog: rounds per game and time per round, then the start.
#pragma once

#include <QDialog>
#include <QString>

#include "startoptions.h"

namespace kuvo {

namespace windowart {
class PictureButton;
class UpDown;
}  // namespace windowart

class Tgamestart : public QDialog, public StartOptions {
  Q_OBJECT

 public:
  static constexpr int kRoundsMin = 1;
  static constexpr int kRoundsMax = 10;
  static constexpr int kRoundsInitial = 3;
  static constexpr int kSecondsMin = 0;
  static constexpr int kSecondsMax = 600;
  static constexpr int kSecondsStep = 30;

  explicit Tgamestart(QWidget* mainWindow);

  // StartOptions
  QString roundsText() const override;
  QString timeText() const override;
  void setRoundsPosition(int rounds) override;
  void setTimePosition(int seconds) override;

 signals:
  // button_start was clicked; the dialog hides right after.
  void startRequested(const QString& rounds, const QString& seconds);
  // The dialog went out of sight: started, closed or hidden.
  void hidden();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void button_startClick();

  QWidget* mainWindow_;
  windowart::UpDown* edit_playtoscore_;
  windowart::UpDown* edit_timeperturn_;
  windowart::PictureButton* button_start_;
};

}  // namespace kuvo
