// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host on real sockets over loopback.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "messages.h"
#include "random.h"
#include "tcphost.h"
#include "tserver.h"
#include "waituntil.h"

namespace kuvo {
namespace {

const std::string FF(1, kTerminator);

// Reads whole messages from a socket until `count` arrived or time runs out.
std::vector<std::string> readMessages(QTcpSocket& socket, std::size_t count, int ms = 3000) {
  std::vector<std::string> out;
  std::string pending;
  QElapsedTimer clock;
  clock.start();
  while (out.size() < count && clock.elapsed() < ms) {
    if (socket.bytesAvailable() == 0) QTest::qWait(5);
    const QByteArray bytes = socket.readAll();
    pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::size_t end;
    while ((end = pending.find(kTerminator)) != std::string::npos) {
      // Seat keys are random; the tests that want one read it themselves.
      if (!pending.starts_with("CMD_seatkey+")) out.push_back(pending.substr(0, end));
      pending.erase(0, end + 1);
    }
  }
  return out;
}

TEST(TcpHostTest, ServesNineClientsOverLoopbackAndTurnsTheTenthAway) {
  Random random(3);
  TcpHost host(random);
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  std::vector<std::unique_ptr<QTcpSocket>> clients;
  for (int i = 1; i <= 10; ++i) {
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(socket->waitForConnected(3000));
    const auto got = readMessages(*socket, 1);
    ASSERT_EQ(got.size(), 1u) << i;
    EXPECT_EQ(got[0], i <= 9 ? "CMD_sendlogininfo+" + std::to_string(i) : "CMD_full+");
    clients.push_back(std::move(socket));
  }
  EXPECT_TRUE(waitUntil([&] { return clients[9]->state() == QAbstractSocket::UnconnectedState; }));

  // Login and a chat relayed back to the sender over the wire.
  clients[0]->write(("CMD_logininfo+1+" + std::string(kVersion) + "+Ann" + FF + FF).c_str());
  // The others are connected but have not logged in: they are listed without names.
  EXPECT_EQ(readMessages(*clients[0], 3),
            (std::vector<std::string>{"CMD_newplayerinfo+1+Ann+0",
                                      "CMD_existingplayers+2++0+3++0+4++0+5++0+6++0+7++0+8++0+9++0",
                                      "CMD_moderator+1+"}));
  clients[0]->write(("CMD_chat+1+hello|clRed" + FF).c_str());
  EXPECT_EQ(readMessages(*clients[0], 1),
            std::vector<std::string>{"CMD_chat+1+Ann chats: hello|clRed"});

  // A client that drops its connection frees its slot for the next one.
  clients[3]->abort();
  EXPECT_TRUE(waitUntil([&] { return !host.server().table().players[4].connected; }));
  QTcpSocket again;
  again.connectToHost(QHostAddress::LocalHost, host.port());
  ASSERT_TRUE(again.waitForConnected(3000));
  EXPECT_EQ(readMessages(again, 1), std::vector<std::string>{"CMD_sendlogininfo+4"});
}

// A peer that keeps chatting but never reads would have its own echoes pile
// up in the host's send buffer without end; the host drops it instead.
TEST(TcpHostTest, DropsAPeerThatNeverReadsWhatItIsSent) {
  Random random(5);
  HostIntervals intervals;
  intervals.socktimer = std::chrono::milliseconds(1);
  TcpHost host(random, intervals);
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  // The test's own clock: each round of lines waits out the chat limit.
  std::chrono::milliseconds now{0};
  host.server().setClock([&now] { return now; });
  QStringList log;
  host.setLog([&](const QString& line) { log << line; });
  QTcpSocket reader, sink;
  for (QTcpSocket* s : {&reader, &sink}) {
    s->connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(s->waitForConnected(3000));
    ASSERT_EQ(readMessages(*s, 1).size(), 1u);
  }
  reader.write(("CMD_logininfo+1+" + std::string(kVersion) + "+Ann" + FF).c_str());
  sink.write(("CMD_logininfo+2+" + std::string(kVersion) + "+Sid" + FF).c_str());
  const auto& players = host.server().table().players;
  ASSERT_TRUE(waitUntil([&] { return players[1].name == "Ann" && players[2].name == "Sid"; }));
  // Qt stops taking bytes off the wire for the sink: the kernel's buffers
  // fill, then the host's.
  sink.setReadBufferSize(1);
  const std::string line = "CMD_chat+2+" + std::string(15000, 'x') + "|clRed" + FF;
  const auto& sid = host.server().table().players[2];
  QElapsedTimer clock;
  clock.start();
  // Paced by what the reader hears, so the host's queue never overflows.
  std::string pending;
  while (sid.connected && clock.elapsed() < 20000) {
    now += std::chrono::seconds(10);
    for (int i = 0; i < kRelayBurst; ++i) sink.write(line.data(), static_cast<qint64>(line.size()));
    int echoes = 0;
    while (echoes < kRelayBurst && sid.connected && clock.elapsed() < 20000) {
      QTest::qWait(2);
      const QByteArray bytes = reader.readAll();
      pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      std::size_t end;
      while ((end = pending.find(kTerminator)) != std::string::npos) {
        if (pending.rfind("CMD_chat+2+", 0) == 0) ++echoes;
        pending.erase(0, end + 1);
      }
    }
  }
  EXPECT_FALSE(sid.connected);
  // Dropped for what it did not read, not for what it sent.
  EXPECT_FALSE(log.join('\n').contains("sent more than")) << log.join('\n').toStdString();
  // The player who reads is still there.
  reader.write(("CMD_chat+1+still here|clRed" + FF).c_str());
  bool heard = false;
  for (const auto& m : readMessages(reader, 50, 3000))
    heard = heard || m.find("still here") != std::string::npos;
  EXPECT_TRUE(heard);
}

}  // namespace
}  // namespace kuvo
