// The game's rules as numbers, shared by the host, the client and the windows.
#pragma once

namespace kuvo {

// What a game may be started with: the ranges of the game start dialog, which
// the host holds every start to as well.
inline constexpr int kMinRoundsPerGame = 1;
inline constexpr int kMaxRoundsPerGame = 10;
inline constexpr int kMinRoundSeconds = 0;  // 0: no time limit
inline constexpr int kMaxRoundSeconds = 600;

}  // namespace kuvo
