// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host played through a small instruction set, shared by the host fuzz
// target (which reads the instructions from the fuzzer's bytes) and the seed
// recorder (which plays real sessions and writes them down as instructions).
//
// Input layout: two bytes seed the generator, then instructions, each an op
// byte (taken modulo 6) and its operands:
//   0            a new connection
//   1 i          connection i (modulo the count) goes away
//   2 i n bytes  connection i sends the next n bytes (n one byte, 0..255)
//   3 n          up to n + 1 ticks of the queue timer (while it runs)
//   4 n          n + 1 ticks of the game timer
//   5 n          n + 1 ticks of the round clock
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fields.h"
#include "manualtimer.h"
#include "tserver.h"

namespace kuvo::fuzz {

enum Op : std::uint8_t { kAccept, kClose, kFeed, kWork, kTimer1, kTurn, kOpCount };

// Enough for a run of connections that come, send and go to churn the queue.
inline constexpr std::size_t kMaxFuzzConnections = 256;

class FuzzConnection : public HostConnection {
 public:
  explicit FuzzConnection(TServer& server) : server_(server) {}
  void send(std::string_view bytes) override {
    if (closed) std::abort();  // the host sends only to live connections
    // The winner is a seat somebody holds: a player, a kept seat or the computer.
    if (bytes.starts_with("CMD_winner+")) {
      const auto winner = parseInt(FieldReader(bytes.substr(11)).field());
      if (!winner || !PlayerTable::isPlayerSlot(*winner)) std::abort();
      if (*winner != kComputerSlot && !server_.table().players[*winner].connected) std::abort();
    }
    sent += bytes.size();
    if (record) received.append(bytes);
  }
  void close() override {
    if (closed) return;
    closed = true;
    if (slot > 0) server_.connectionClosed(slot);
  }
  void reassigned(int newSlot) override { slot = newSlot; }
  int slot = 0;
  bool closed = false;
  bool record = false;
  std::size_t sent = 0;
  std::string received;  // what the host sent, when recording

 private:
  TServer& server_;
};

class HostDriver {
 public:
  explicit HostDriver(std::uint16_t seed)
      : random(seed), server(random, socktimer, timer1, turntimer) {
    // Time moves with the game timer's ticks, so the chat limit and the login
    // timeout are reached the same way on every run of an input.
    server.setClock([this] { return now; });
  }

  void accept() {
    if (connections.size() >= kMaxFuzzConnections) return;
    connections.push_back(std::make_unique<FuzzConnection>(server));
    auto& c = *connections.back();
    c.record = recordAll;
    c.slot = server.Sock1Accept(&c);
    if (c.slot == 0) c.closed = true;
  }
  void close(std::size_t i) {
    if (connections.empty()) return;
    connections[i % connections.size()]->close();
  }
  void feed(std::size_t i, std::string_view bytes) {
    if (connections.empty()) return;
    auto& c = *connections[i % connections.size()];
    if (!c.closed && c.slot > 0) server.Sock1Read(c.slot, bytes);
  }
  void work(int ticks) {
    for (int i = ticks; i >= 0 && socktimer.isActive(); --i) server.socktimerTimer();
  }
  void tickTimer1(int ticks) {
    for (int i = ticks; i >= 0; --i) {
      now += std::chrono::milliseconds(1350);
      if (timer1.isActive()) server.Timer1Timer();
    }
  }
  void tickTurn(int ticks) {
    for (int i = ticks; i >= 0; --i) {
      if (turntimer.isActive()) server.turntimerTimer();
    }
  }

  // Runs the instructions after the two seed bytes.
  void run(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 2;
    auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    while (at < size) {
      switch (next() % kOpCount) {
        case kAccept:
          accept();
          break;
        case kClose:
          close(next());
          break;
        case kFeed: {
          const std::size_t i = next();
          const std::size_t length = std::min<std::size_t>(next(), size - at);
          feed(i, {reinterpret_cast<const char*>(data + at), length});
          at += length;
          break;
        }
        case kWork:
          work(next() % 32);
          break;
        case kTimer1:
          tickTimer1(next() % 8);
          break;
        case kTurn:
          tickTurn(next() % 8);
          break;
      }
      checkQueue();
    }
  }

  // However connections come and go, the queue holds only what live
  // connections sent, and never more than its caps over all of them.
  void checkQueue() const {
    const auto& queue = server.queue();
    if (queue.size() > kHostQueueLimits.total || queue.bytes() > kHostQueueLimits.totalBytes)
      std::abort();
    std::size_t live = 0;
    for (int slot = 1; slot < kTableEntries; ++slot) {
      const auto& p = server.table().players[slot];
      if (p.connected && p.conn) live += queue.countFrom(server.connectionId(slot));
    }
    if (live != queue.size()) std::abort();
  }

  static std::uint16_t seedOf(const std::uint8_t* data, std::size_t size) {
    return static_cast<std::uint16_t>((size > 0 ? data[0] : 0) | (size > 1 ? data[1] << 8 : 0));
  }

  Random random;
  ManualTimer socktimer, timer1, turntimer;
  std::chrono::milliseconds now{0};
  TServer server;
  std::vector<std::unique_ptr<FuzzConnection>> connections;
  bool recordAll = false;
};

}  // namespace kuvo::fuzz
