// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Two players on a real host over loopback play a whole game of two rounds,
// each client a small script that pulls and places like a person would.
#include <QCoreApplication>
#include <QTcpSocket>
#include <QTest>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fields.h"
#include "messages.h"
#include "tcphost.h"
#include "waituntil.h"

namespace kuvo {
namespace {

class ScriptedPlayer {
 public:
  ScriptedPlayer(const std::string& name, quint16 port) : name_(name) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { read(); });
    socket_.connectToHost(QHostAddress::LocalHost, port);
  }

  void send(const std::string& message) {
    socket_.write(message.data(), static_cast<qint64>(message.size()));
  }

  int slot = 0;
  std::vector<std::string> received;
  bool won = false;
  int winner = 0;

 private:
  void read() {
    const QByteArray bytes = socket_.readAll();
    pending_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::size_t end;
    while ((end = pending_.find(kTerminator)) != std::string::npos) {
      std::string message = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      handle(message);
      received.push_back(std::move(message));
    }
  }

  void handle(const std::string& message) {
    const auto [name, payload] = splitMessage(message);
    const auto id = lookupToClient(name);
    if (!id) return;
    FieldReader reader(payload);
    switch (*id) {
      case ToClient::SendLoginInfo:
        slot = parseInt(payload).value_or(0);
        send("CMD_logininfo+" + std::to_string(slot) + "+" + std::string(kuvo::kVersion) + "+" +
             name_ + kTerminator + kTerminator);
        break;
      case ToClient::LoadBoard: {
        GroupReader groups(payload);
        while (groups.moreGroups()) {
          const int c = groups.intField().value_or(0), r = groups.intField().value_or(0);
          board_[c][r] = groups.intField().value_or(0);
        }
        break;
      }
      case ToClient::StartRound:
        pull();
        break;
      case ToClient::YourDice: {
        reader.field();
        pulls_ = reader.intField().value_or(0);
        for (int i = 0; i < 5; ++i) {
          reader.field();
          dice_[i] = reader.intField().value_or(0);
          reader.field();
        }
        for (int c = 0; c < 5; ++c) {
          for (int r = 0; r < 5; ++r) {
            if (board_[c][r] == dice_[c]) {
              board_[c][r] = 0;
              send(build(ToHost::ChooseDice, {slot, c, r, ""}));
              return;
            }
          }
        }
        if (pulls_ > 0) pull();
        break;
      }
      case ToClient::ChooseDiceOwn: {
        for (int i = 0; i < 5; ++i) reader.field();
        pulls_ = reader.intField().value_or(0);
        if (pulls_ > 0) pull();
        break;
      }
      case ToClient::Filled:
        pulls_ = -1;
        break;
      case ToClient::Winner:
        winner = parseInt(reader.field()).value_or(0);
        won = true;
        break;
      default:
        break;
    }
  }

  void pull() { send(build(ToHost::PullHandle, {slot, ""})); }

  std::string name_;
  QTcpSocket socket_;
  std::string pending_;
  std::array<std::array<int, 5>, 5> board_{};
  std::array<int, 5> dice_{};
  int pulls_ = 0;
};

int count(const std::vector<std::string>& messages, const std::string& prefix) {
  int n = 0;
  for (const auto& m : messages) n += m.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

TEST(TwoPlayersOnAHost, PlayAWholeGameOfTwoRounds) {
  Random random(2024);
  using namespace std::chrono_literals;
  TcpHost host(random, {1ms, 20ms, 20ms});
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  ScriptedPlayer ann("Ann", host.port());
  waitUntil([&] { return ann.slot != 0; });
  ScriptedPlayer bob("Bob", host.port());
  waitUntil([&] { return bob.slot != 0 && host.server().table().players[2].name == "Bob"; });
  ASSERT_EQ(ann.slot, 1);
  ASSERT_EQ(bob.slot, 2);

  ann.send(build(ToHost::StartGame, {"Ann", 2, 0, ""}));
  waitUntil([&] { return ann.won && bob.won; }, 30000);
  ASSERT_TRUE(ann.won && bob.won);
  EXPECT_EQ(ann.winner, bob.winner);

  for (const auto* player : {&ann, &bob}) {
    const auto& got = player->received;
    EXPECT_EQ(count(got, "CMD_startgame+Ann+2+0+"), 1);
    // Two rounds, more if the totals were level.
    EXPECT_GE(count(got, "CMD_loadboard+"), 2);
    EXPECT_EQ(count(got, "CMD_loadboard+"), count(got, "CMD_startround+"));
    EXPECT_EQ(count(got, "CMD_endround+"), count(got, "CMD_startround+"));
    EXPECT_GE(count(got, "CMD_yourdice+"), 2);
    EXPECT_GE(count(got, "CMD_hisscores+"), 1);
    EXPECT_EQ(count(got, "CMD_winner+"), 1);
    EXPECT_EQ(got.back().rfind("CMD_winner+", 0), 0u);
    EXPECT_EQ(count(got, "CMD_outtime+"), 0);
  }
  // The winner holds the highest total.
  const auto& table = host.server().table();
  EXPECT_GT(table.players[ann.winner].score, table.players[3 - ann.winner].score);
}

}  // namespace
}  // namespace kuvo
