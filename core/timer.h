// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Timers as the game logic sees them. The logic only starts and stops them;
// whoever owns a timer calls the logic's tick handler. Starting a running
// timer restarts its interval, so the next tick comes a full interval later.
#pragma once

#include <chrono>
#include <functional>

#include <QTimer>

namespace kuvo {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void start() = 0;
  virtual void stop() = 0;
  virtual bool isActive() const = 0;
};

// The product's timer: a QTimer on the event loop.
class QtTimer : public Timer {
 public:
  QtTimer(std::chrono::milliseconds interval, std::function<void()> onTick);
  void start() override { timer_.start(); }
  void stop() override { timer_.stop(); }
  bool isActive() const override { return timer_.isActive(); }

 private:
  QTimer timer_;
};

}  // namespace kuvo
