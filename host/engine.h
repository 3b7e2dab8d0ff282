// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game engine and the computer players: the only authority on boards,
// dice, choices, scores, rounds and the winner. Works on the player table;
// sends through the table's sending rule; draws from the injected generator;
// starts and stops the injected game timer (Timer1) and round clock
// (turntimer), whose ticks its owner forwards to Timer1Timer and
// turntimerTimer.
#pragma once

#include <string_view>

#include "gamerules.h"
#include "playertable.h"
#include "random.h"
#include "timer.h"

namespace kuvo {

inline constexpr int kDefaultRoundsPerGame = 5;
// Ticks of the game timer before the first computer pull of a round, between
// computer pulls, and of the pause between rounds (acted on when the
// countdown drops below zero, so one more tick each).
inline constexpr int kComputerPullCountdown = 1;
inline constexpr int kRoundPauseCountdown = 3;

inline constexpr int kLinePoints = 500;
inline constexpr int kClearingPoints = 1000;
inline constexpr int kClearingPointsPerPull = 100;
inline constexpr int kSpentDie = -1;
inline constexpr int kScoredDiagonalMark = -1;

class GameEngine {
 public:
  GameEngine(PlayerTable& table, Random& random, Timer& timer1, Timer& turntimer);

  // Requests, already checked by the connection layer: the slot is the
  // sender's own and in range. The engine checks the ranges again.
  void startgame(std::string_view payload);  // name; rounds; seconds; empty
  void pullhandle(int slot);
  void choosedice(int slot, int column, int row);

  void startround();
  void createboard();
  bool movesleft(int slot) const;
  bool noonecango() const;
  void endround();
  bool checkforwin();

  // Clock ticks.
  void Timer1Timer();
  void turntimerTimer();

  void computerroll(int slot);
  void computerplace(int slot);

 private:
  // Between the start of a round and its end; pulls and choices count only then.
  bool roundrunning() const;
  // The die of `column` is from the slot's current pull and not yet placed.
  bool dieinplay(const tplayer& p, int column) const;
  void restarttimer1(int count, int mode);
  void sendboard();

  PlayerTable& table_;
  Random& random_;
  Timer& timer1_;
  Timer& turntimer_;
};

}  // namespace kuvo
