// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A number that only its arrows change: a spin box whose text cannot be typed
// into. The arrows, the arrow keys, Page Up/Down and the wheel step it and
// stop at the ends. Being a real spin box, a screen reader hears its value.
#pragma once

#include <QSpinBox>

namespace kuvo::windowart {

class UpDown : public QSpinBox {
  Q_OBJECT

 public:
  UpDown(int minimum, int maximum, int step, QWidget* parent);
};

}  // namespace kuvo::windowart
