// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host's connection layer driven by hand: connections that record what
// they are sent, hand-ticked clocks and a clock for the login time-out.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "manualtimer.h"
#include "messages.h"
#include "random.h"
#include "tserver.h"

namespace kuvo {

const std::string FF(1, kTerminator);

class FakeConnection : public HostConnection {
 public:
  FakeConnection(TServer& server) : server_(server) {}
  void send(std::string_view bytes) override {
    std::string_view rest = bytes;
    while (!rest.empty()) {
      auto end = rest.find(kTerminator);
      // Seat keys are random; they are kept apart from the messages compared.
      if (rest.starts_with("CMD_seatkey+"))
        seatKey = rest.substr(0, end);
      else
        messages.emplace_back(rest.substr(0, end));
      rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
  }
  void close() override {
    if (closed) return;
    closed = true;
    if (slot > 0 && !lingers) server_.connectionClosed(slot);
  }
  void reassigned(int newSlot) override { slot = newSlot; }
  std::string peerAddress() const override { return address; }
  std::vector<std::string> take() { return std::exchange(messages, {}); }
  // The key of the last "CMD_seatkey+<slot>+<key>".
  std::string key() const { return seatKey.substr(seatKey.rfind('+') + 1); }

  int slot = 0;
  bool closed = false;
  // A peer that stops reading: its close is not reported for a long while.
  bool lingers = false;
  std::string address;
  std::vector<std::string> messages;
  std::string seatKey;

 private:
  TServer& server_;
};

class HostTest : public ::testing::Test {
 protected:
  HostTest() : server(random, socktimer, timer1, turntimer) {
    server.setClock([this] { return now; });
  }

  FakeConnection& connect(const std::string& address = {}) {
    connections.push_back(std::make_unique<FakeConnection>(server));
    auto& c = *connections.back();
    c.address = address;
    c.slot = server.Sock1Accept(&c);
    return c;
  }
  // Sends bytes from a connection and works the whole queue off, one per tick.
  void say(FakeConnection& c, const std::string& text) {
    server.Sock1Read(c.slot, text + FF);
    drain();
  }
  void drain() {
    for (int i = 0; i < 10000 && socktimer.isActive(); ++i) server.socktimerTimer();
  }
  FakeConnection& login(const std::string& name,
                        const std::string& version = std::string(kVersion)) {
    auto& c = connect();
    say(c, "CMD_logininfo+" + std::to_string(c.slot) + "+" + version + "+" + name + FF);
    return c;
  }
  void clearAll() {
    for (auto& c : connections) c->take();
  }
  // The player leaves on purpose, as the window does on closing.
  void leave(FakeConnection& c) {
    server.Sock1Read(c.slot, "CMD_leaving+" + std::to_string(c.slot) + "+" + FF);
  }

  Random random{7};
  ManualTimer socktimer, timer1, turntimer;
  std::chrono::milliseconds now{0};
  TServer server;
  std::vector<std::unique_ptr<FakeConnection>> connections;
};

}  // namespace kuvo
