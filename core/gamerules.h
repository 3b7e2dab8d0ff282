// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's rules as numbers, shared by the host, the client, the tally and
// the windows. Each is written here once; the other folders name it.
#pragma once

namespace kuvo {

// The TCP port a table is hosted on and joined at unless told otherwise.
inline constexpr int kGamePort = 7772;

// Seats: 1..kPlayerSlots play, the ones above up to kMaxConnections only
// watch. The computer plays kComputerSlot while nobody holds it.
inline constexpr int kPlayerSlots = 6;
inline constexpr int kMaxConnections = 9;
inline constexpr int kComputerSlot = 2;
inline constexpr bool isPlayerSeat(int seat) {
  return seat >= 1 && seat <= kPlayerSlots;
}
inline constexpr bool isWatcherSeat(int seat) {
  return seat > kPlayerSlots && seat <= kMaxConnections;
}

// Columns and rows of a board; also the number of dice, die i for column i.
inline constexpr int kBoardSize = 5;
inline constexpr int kPullsPerRound = 20;

// The bonus a die may carry beside its number, as the host sends it.
inline constexpr int kBonusCode100 = 7;
inline constexpr int kBonusCode200 = 8;
inline constexpr int kBonusCodeExtraPull = 9;

// The round clock runs this many seconds longer than the announced limit.
inline constexpr int kRoundClockGrace = 4;

// What a game may be started with: the ranges of the game start dialog, which
// the host holds every start to as well.
inline constexpr int kMinRoundsPerGame = 1;
inline constexpr int kMaxRoundsPerGame = 10;
inline constexpr int kMinRoundSeconds = 0;  // 0: no time limit
inline constexpr int kMaxRoundSeconds = 600;

}  // namespace kuvo
