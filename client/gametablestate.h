// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game table as one client sees it: the local player's board, dice and
// pulls, the round's settings and the round clock. The handlers in GameTable
// change it; the board view draws it.
#pragma once

#include <array>

#include "gamerules.h"

namespace kuvo {

inline constexpr int kTableSize = kBoardSize;

// Cell codes of the client's board. Open cells hold their number 1..6; a taken
// cell keeps its number plus the offset of how it was taken, so the numeral
// can still be drawn under the mark.
inline constexpr int kCellUnknownTaken = 7;  // arrived taken; its number is lost
inline constexpr int kTakenPlain = 100;
inline constexpr int kTakenBonus100 = 120;
inline constexpr int kTakenBonus200 = 130;
inline constexpr int kTakenExtraPull = 140;

// Bonus codes of a die, as the host sends them.
inline constexpr int kDieBonus100 = kBonusCode100;
inline constexpr int kDieBonus200 = kBonusCode200;
inline constexpr int kDieBonusExtraPull = kBonusCodeExtraPull;

// The round clock bar's full width; the bar loses timerstep pixels a second.
inline constexpr int kClockBarWidth = 171;

// The most one player can score in one round. A pull allows one choice and a
// round gives kPullsPerRound (20) pulls, so every choice past the 20th needs an extra-pull die,
// which gives no points: the dice give at most 20 x 200 in any round. All 12
// lines (5 columns, 5 rows, 2 diagonals) give 12 x 500. Clearing needs 25
// choices, so at least 5 extra pulls; each one more could come back as only
// 100 of the clearing bonus for the 200 its choice gave up, so the clearing
// gives at most 1000 on top. A board left open has no clearing and misses at
// least two lines. Hence 20 x 200 + 12 x 500 + 1000 = 11000.
inline constexpr int kMaxRoundScore = kPullsPerRound * 200 + 12 * 500 + 1000;
// A board cleared with pulls left earns 100 for each; at most 20 can be left.
inline constexpr int kMinClearingBonus = 1000;
inline constexpr int kMaxClearingBonus = kMinClearingBonus + kPullsPerRound * 100;

// Whether a die fits a column: only a rolled die (1..6) can match an open
// cell. Without that bound an empty die would "match" a cell of a board that
// has not arrived yet (both 0), and a taken cell never matches any die.
inline bool dieFitsColumn(int die, const std::array<int, kTableSize>& column) {
  if (die < 1 || die > 6) return false;
  for (const int cell : column) {
    if (cell == die) return true;
  }
  return false;
}

struct TableState {
  // [column][row]; 0 = no board yet.
  std::array<std::array<int, kTableSize>, kTableSize> boardcells{};
  // Pulls left as last reported by the host; -1 = not playing this round.
  int mypulls = 0;
  // Die i belongs to column i: 1..6 rolled, 0 none (pending, chosen), -1 never set.
  std::array<int, kTableSize> mydice{-1, -1, -1, -1, -1};
  int roundspergame = 0;
  int roundtime = 0;  // seconds per round; below 1 = no time limit
  int secondsleft = 0;
  int timerstep = 0;
  bool balldragging = false;
  // A pull was sent and its dice have not come yet: one pull at a time.
  bool pullpending = false;
  // This seat plays the round now: from the round's start (or a latecomer's
  // state) until the round ends, the time runs out, the board is cleared or
  // the game is decided. No pull is sent outside it.
  bool roundopen = false;
  int roundnumber = 0;         // the round in play as last announced; 0 before the first
  bool filledcounted = false;  // this round's cleared board is in the tally
};

// How a cell code is drawn: the numeral underneath (0 = none) and the picture
// over it (0 = none). Codes 0 and -1 show the bare background.
struct CellPictures {
  bool background = false;  // only the background
  int numeral = 0;          // board picture drawn first
  int overlay = 0;          // board picture drawn over it
};
CellPictures cellPictures(int code);

}  // namespace kuvo
