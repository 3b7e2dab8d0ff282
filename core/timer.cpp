// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "timer.h"

namespace kuvo {

QtTimer::QtTimer(std::chrono::milliseconds interval, std::function<void()> onTick) {
  timer_.setInterval(interval);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
}

}  // namespace kuvo
