// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game start dialog's two choices as the settings file keeps them: saved
// as the dialog shows them, read back as positions for the dialog to clamp.
#pragma once

#include <QString>

namespace kuvo {

class StartOptions {
 public:
  virtual ~StartOptions() = default;
  virtual QString roundsText() const = 0;
  virtual QString timeText() const = 0;
  virtual void setRoundsPosition(int rounds) = 0;
  virtual void setTimePosition(int seconds) = 0;
};

}  // namespace kuvo
