// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the event loop until a condition holds, for tests that wait on sockets,
// processes and timers. Bounded in time and in the number of turns.
#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QTest>

namespace kuvo {

// True as soon as done() holds; false when it still does not after `ms`.
inline bool waitUntil(const std::function<bool()>& done, int ms = 3000, int stepMs = 5) {
  QElapsedTimer clock;
  clock.start();
  for (int turn = 0; turn <= ms / stepMs && !done() && clock.elapsed() < ms; ++turn) {
    QTest::qWait(stepMs);
  }
  return done();
}

}  // namespace kuvo
