// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A timer for tests, benchmarks and fuzz targets: it never ticks by itself;
// the test calls the owner's tick handler when it wants a tick.
#pragma once

#include "timer.h"

namespace kuvo {

class ManualTimer : public Timer {
 public:
  void start() override {
    active_ = true;
    ++starts_;
  }
  void stop() override { active_ = false; }
  bool isActive() const override { return active_; }
  int starts() const { return starts_; }

 private:
  bool active_ = false;
  int starts_ = 0;
};

}  // namespace kuvo
