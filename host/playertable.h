// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host's player table and game state, shared by the connection handling
// and the game engine. Slots 1..9 hold connections (1..6 play, 7..9 watch);
// entries 10..16 hold connections that arrive while every slot is taken and
// may only take back a seat kept for them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "gamerules.h"

namespace kuvo {

// Where a connection waits while every slot is taken but a seat is kept for a
// player who lost the connection: it may take that seat back, nothing else.
// One per seat that can be kept and one more, so that a stranger sitting in
// one (the host lets each address wait in one only) never bars a return.
inline constexpr int kFirstWaitingEntry = kMaxConnections + 1;
inline constexpr int kWaitingEntries = kPlayerSlots + 1;
inline constexpr int kTableEntries = kFirstWaitingEntry + kWaitingEntries;  // index 0 unused

inline constexpr bool isWaitingEntry(int slot) {
  return slot >= kFirstWaitingEntry && slot < kTableEntries;
}

using Board = std::array<std::array<int, kBoardSize>, kBoardSize>;  // [column][row]

// One peer as the host sees it.
class HostConnection {
 public:
  virtual ~HostConnection() = default;
  virtual void send(std::string_view bytes) = 0;
  // Closes the connection. The owner reports the departure to the host once,
  // possibly from inside this call.
  virtual void close() = 0;
  // The host moved this connection to another slot; 0: it has none any more
  // and its close is not to be reported.
  virtual void reassigned(int /*slot*/) {}
  // Where the peer connects from, to tell one asker from another; empty when
  // unknown.
  virtual std::string peerAddress() const { return {}; }
};

struct tplayer {
  std::string name;
  bool connected = false;
  HostConnection* conn = nullptr;
  int score = 0;
  int roundscore = 0;
  bool watching = false;
  std::array<int, kBoardSize> dice{};
  std::array<int, kBoardSize> bonus{};
  Board playerboard{};
  int pullsleft = 0;
  bool mayroll = false;
  // The connection was lost during a game and the seat is kept for its
  // player's return: still marked connected, with no connection.
  bool held = false;
};

inline constexpr int kTimer1ModeNextRound = 1;
inline constexpr int kTimer1ModeComputers = 2;
inline constexpr int kTimer1ModeIdle = 3;

struct HostState {
  int slotcount = 0;
  bool gameon = false;
  int roundspergame = 0;
  int roundnumber = 0;
  int roundtime = 0;
  int turncount = 0;
  int timer1count = 0;
  int timer1mode = kTimer1ModeIdle;
  Board masterboard{};
};

class PlayerTable {
 public:
  std::array<tplayer, kTableEntries> players{};
  HostState host;

  static bool isPlayerSlot(int slot) { return isPlayerSeat(slot); }
  static bool isConnectionSlot(int slot) { return slot >= 1 && slot <= kMaxConnections; }

  // The computer plays slot 2 while nobody holds it, any connected player
  // slot whose player chose to just watch, and a seat kept for a lost player.
  bool isComputerPlayed(int slot) const {
    if (!isPlayerSlot(slot)) return false;
    const auto& p = players[slot];
    // Slot 2 is the computer's until somebody logs in there: a connection
    // that never does must not stop it (nor play in its place).
    return (p.connected && (p.watching || p.held)) || (slot == kComputerSlot && p.name.empty());
  }

  // Sends only to a slot marked connected.
  void sendTo(int slot, std::string_view message) {
    if (slot < 1 || slot >= kTableEntries) return;
    auto& p = players[slot];
    if (p.connected && p.conn) p.conn->send(message);
  }
  // Every connected slot 1..slotcount, in ascending order, each its own send.
  void sendAll(std::string_view message) { sendAllExcept(0, message); }
  void sendAllExcept(int except, std::string_view message) {
    for (int slot = 1; slot <= host.slotcount && slot <= kMaxConnections; ++slot) {
      if (slot != except) sendTo(slot, message);
    }
  }
};

}  // namespace kuvo
