// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A host for tests of whole games: connections that record what they are
// sent, hand-ticked clocks and a seeded generator.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "manualtimer.h"
#include "messages.h"
#include "playertable.h"
#include "random.h"
#include "tserver.h"

namespace kuvo {

inline constexpr int kTickLimit = 100000;

// A client as the host sees it: keeps every message it is sent, and logs it
// with its slot on the shared wire record.
class RecordingConnection : public HostConnection {
 public:
  RecordingConnection(std::vector<std::string>& wire, std::function<void(int)> onClose,
                      std::vector<std::string>* bytes = nullptr)
      : wire_(wire), bytes_(bytes), onClose_(std::move(onClose)) {}

  void send(std::string_view bytes) override {
    ASSERT_FALSE(bytes.empty());
    ASSERT_EQ(bytes.back(), kTerminator);
    std::string text(bytes.substr(0, bytes.size() - 1));
    // A seat key is fresh from the system's secure source on every run.
    if (text.starts_with("CMD_seatkey+")) return;
    wire_.push_back(std::to_string(slot) + ">" + text);
    if (bytes_) bytes_->push_back(std::to_string(slot) + ">" + std::string(bytes));
    received.push_back(std::move(text));
  }
  void close() override {
    if (closed) return;
    closed = true;
    onClose_(slot);
  }

  int slot = 0;
  std::vector<std::string> received;
  bool closed = false;

 private:
  std::vector<std::string>& wire_;
  std::vector<std::string>* bytes_;
  std::function<void(int)> onClose_;
};

// A host with hand-driven clocks and connections that record.
class Harness {
 public:
  explicit Harness(std::uint64_t seed = 7) : random(seed) {}
  explicit Harness(Random generator) : random(std::move(generator)) {}

  int join(const std::string& name) {
    connections.push_back(std::make_unique<RecordingConnection>(
        wire, [this](int slot) { server.connectionClosed(slot); }, &bytes));
    auto& connection = *connections.back();
    connection.slot = server.Sock1Accept(&connection);
    say(connection.slot, "CMD_logininfo+" + std::to_string(connection.slot) + "+" +
                             std::string(kuvo::kVersion) + "+" + name);
    return connection.slot;
  }

  void leave(int slot) { conn(slot).close(); }

  // One message from a slot's client, handled at once.
  void say(int slot, const std::string& text) {
    server.Sock1Read(slot, text + kTerminator);
    for (int i = 0; i < 1000 && !server.queueEmpty(); ++i) server.socktimerTimer();
  }

  void tick1(int count = 1) {
    for (int i = 0; i < count; ++i) {
      if (timer1.isActive()) server.Timer1Timer();
    }
  }
  void tickClock(int count = 1) {
    for (int i = 0; i < count; ++i) {
      if (turntimer.isActive()) server.turntimerTimer();
    }
  }

  RecordingConnection& conn(int slot) {
    for (auto& connection : connections) {
      if (connection->slot == slot && !connection->closed) return *connection;
    }
    ADD_FAILURE() << "no open connection in slot " << slot;
    return *connections.front();
  }
  std::vector<std::string>& inbox(int slot) { return conn(slot).received; }
  tplayer& player(int slot) { return server.table().players[slot]; }
  HostState& host() { return server.table().host; }
  GameEngine& engine() { return server.engine(); }

  Random random;
  ManualTimer socktimer, timer1, turntimer;
  TServer server{random, socktimer, timer1, turntimer};
  std::vector<std::string> wire;   // every message to every slot, in order
  std::vector<std::string> bytes;  // the same as sent, terminator and all
  std::vector<std::unique_ptr<RecordingConnection>> connections;
};

inline std::vector<std::string> named(const std::vector<std::string>& inbox,
                                      std::string_view name) {
  std::vector<std::string> out;
  for (const auto& m : inbox) {
    if (splitMessage(m).name == name) out.push_back(m);
  }
  return out;
}

// Plays the running game to its end: slot 1 places the first die that fits
// and pulls again otherwise; the clocks tick until the winner is announced.
inline void playToTheEnd(Harness& h) {
  for (int tick = 0; tick < kTickLimit && h.host().gameon; ++tick) {
    auto& me = h.player(1);
    std::optional<std::pair<int, int>> fit;
    for (int c = 0; c < 5 && !fit; ++c) {
      for (int r = 0; r < 5 && !fit; ++r) {
        if (me.dice[c] >= 1 && me.playerboard[c][r] == me.dice[c]) fit = {c, r};
      }
    }
    if (tick % 3 == 0 && fit) {
      h.say(1, "CMD_choosedice+1+" + std::to_string(fit->first) + "+" +
                   std::to_string(fit->second) + "+");
    } else if (tick % 3 == 0 && me.pullsleft > 0) {
      h.say(1, "CMD_pullhandle+1+");
    }
    h.tick1();
    h.tickClock();
  }
  EXPECT_FALSE(h.host().gameon);
}

}  // namespace kuvo
