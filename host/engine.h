// The game engine and the computer players: the only authority on boards,
// dice, choices, scores, rounds and the winner. Works on the player table;
// sends through the table's sending rule; draws from the injected generator;
// starts and stops the injected game timer (Timer1) and round clock
// (turntimer), whose ticks its owner forwards to Timer1Timer and
// turntimerTimer.
#pragma once

#include <string_view>

#include "playertable.h"
#include "random.h"
#include "timer.h"

namespace kuvo {

inline constexpr int kPullsPerRound = 20;

class GameEngine {
 public:
  GameEngine(PlayerTable& table, Random& random, Timer& timer1, Timer& turntimer);

  // Requests, already checked by the connection layer: the slot is the
  // sender's own and in range.
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
  PlayerTable& table_;
  Random& random_;
  Timer& timer1_;
  Timer& turntimer_;
};

}  // namespace kuvo
