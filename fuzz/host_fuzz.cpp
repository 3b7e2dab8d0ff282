// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays any number of connections against the host: each step of the input
// accepts, closes or feeds a connection, or ticks one of the host's clocks
// (the instruction set is in hostdriver.h). Whatever the peers send, the host
// must neither crash nor touch memory it does not own, must send only to live
// connections, and its table, queue and buffers must stay consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "hostdriver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kuvo::fuzz::HostDriver driver(kuvo::fuzz::HostDriver::seedOf(data, size));
  driver.run(data, size);

  // Draining what is left must terminate and keep the table consistent.
  auto& server = driver.server;
  for (int i = 0; i < 100000 && driver.socktimer.isActive(); ++i) server.socktimerTimer();
  if (!server.queueEmpty()) std::abort();
  const auto& table = server.table();
  if (table.host.slotcount < 0 || table.host.slotcount > kuvo::kMaxConnections) std::abort();
  for (int slot = 1; slot < kuvo::kTableEntries; ++slot) {
    const auto& p = table.players[slot];
    // No slot outside 1..9 is ever taken, but for the entry where a newcomer
    // to a full table may wait to take a kept seat back; a taken slot has a
    // live connection, unless it is a seat kept for a player who lost theirs.
    if (slot > kuvo::kMaxConnections && !kuvo::isWaitingEntry(slot) && (p.connected || p.conn))
      std::abort();
    if (p.connected && !p.conn && !server.held(slot)) std::abort();
    if (server.held(slot) && p.conn) std::abort();
    if (p.conn && static_cast<const kuvo::fuzz::FuzzConnection*>(p.conn)->closed) std::abort();
    if (!p.connected && !p.name.empty()) std::abort();
    // An emptied seat is out of the game; the computer holds slot 2.
    if (kuvo::PlayerTable::isPlayerSlot(slot) && slot != kuvo::kComputerSlot && !p.connected &&
        (p.score != 0 || p.roundscore != 0))
      std::abort();
  }
  if (table.host.roundnumber < 0) std::abort();
  return 0;
}
