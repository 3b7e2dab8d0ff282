// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "updown.h"

#include <QLineEdit>
#include <QLocale>

namespace kuvo::windowart {

UpDown::UpDown(int minimum, int maximum, int step, QWidget* parent) : QSpinBox(parent) {
  setRange(minimum, maximum);
  setSingleStep(step);
  setWrapping(false);
  // The text goes on the wire and into the settings file as plain digits,
  // whatever the player's language.
  setLocale(QLocale::c());
  setGroupSeparatorShown(false);
  // Only the line is read-only: a read-only spin box would refuse its arrows too.
  lineEdit()->setReadOnly(true);
}

}  // namespace kuvo::windowart
