// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A pair of arrow buttons that own a number and write it into an associated
// read-only text field, the way an up/down control sits beside an edit box.
// The field's text is only replaced when the number changes, so a text that is
// not a number (kept from the settings file) stays until an arrow is used.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kuvo::windowart {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(int minimum, int maximum, int step, QLineEdit* buddy, QWidget* parent);

  int position() const { return position_; }
  // Clamped to the range; the buddy shows the number afterwards.
  void setPosition(int position);
  void stepUp() { setPosition(position_ + step_); }
  void stepDown() { setPosition(position_ - step_); }

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int minimum_;
  int maximum_;
  int step_;
  int position_;
  QLineEdit* buddy_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kuvo::windowart
