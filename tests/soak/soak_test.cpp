// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Soak of the host over loopback: a thousand connections that log in and go,
// and a flooding peer among players. Prints its figures; asserts only bounds
// generous enough never to depend on the machine's speed.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "messages.h"
#include "tcphost.h"
#include "waituntil.h"

#if defined(__SANITIZE_ADDRESS__)
#define KUVO_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KUVO_ASAN 1
#endif
#endif

#ifdef KUVO_ASAN
// Freed memory waits in a quarantine before reuse; keep it small so the
// resident size says something about leaks.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=4";
}
#endif

namespace kuvo {
namespace {

using namespace std::chrono_literals;
const std::string FF(1, kTerminator);

long residentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return 0;
}

int openFiles() {
  return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).count()) - 2;
}

// How much the resident size may grow over a run. Allocators keep some freed
// memory; a leak of a few hundred bytes per connection shows well above this.
#ifdef KUVO_ASAN
constexpr long kRssToleranceKb = 24 * 1024;
#else
constexpr long kRssToleranceKb = 6 * 1024;
#endif

// A test peer: whole messages off a socket.
class Peer {
 public:
  Peer() = default;
  bool connect(quint16 port) {
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(3000);
  }
  void send(const std::string& text) {
    socket.write(text.data(), static_cast<qint64>(text.size()));
  }
  // Messages received so far, without waiting.
  std::vector<std::string> poll() {
    const QByteArray bytes = socket.readAll();
    pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::vector<std::string> out;
    std::size_t end;
    while ((end = pending.find(kTerminator)) != std::string::npos) {
      out.push_back(pending.substr(0, end));
      pending.erase(0, end + 1);
    }
    return out;
  }
  // Waits (bounded) for a message starting with `prefix`; returns it or "".
  std::string waitFor(const std::string& prefix, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
      for (auto& m : poll()) {
        if (m.rfind(prefix, 0) == 0) return m;
      }
      if (socket.state() != QAbstractSocket::ConnectedState) return {};
      QTest::qWait(1);
    }
    return {};
  }
  QTcpSocket socket;
  std::string pending;
};

bool waitUntil(const std::function<bool()>& done) {
  return kuvo::waitUntil(done, 5000, 1);
}

HostIntervals fastHost() {
  HostIntervals intervals;
  intervals.socktimer = 1ms;
  intervals.timer1 = 20ms;
  return intervals;
}

TEST(Soak, ThousandConnectLoginDisconnectCyclesLeaveNothingBehind) {
  Random random(11);
  TcpHost host(random, fastHost());
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  const auto& table = host.server().table();

  auto cycle = [&](int i) {
    Peer peer;
    if (!peer.connect(host.port())) return false;
    const std::string hello = peer.waitFor("CMD_sendlogininfo+");
    if (hello.empty()) return false;
    const std::string slot = hello.substr(hello.find('+') + 1);
    const std::string name = "P" + std::to_string(i);
    peer.send("CMD_logininfo+" + slot + "+" + std::string(kuvo::kVersion) + "+" + name + FF + FF);
    if (peer.waitFor("CMD_newplayerinfo+" + slot + "+" + name).empty()) return false;
    // Half leave politely, half drop the connection.
    if (i % 2) {
      peer.socket.disconnectFromHost();
    } else {
      peer.socket.abort();
    }
    const int s = std::stoi(slot);
    return waitUntil([&] { return !table.players[s].connected; });
  };

  constexpr int kWarmup = 50, kCycles = 1000;
  for (int i = 0; i < kWarmup; ++i) ASSERT_TRUE(cycle(i));
  QTest::qWait(50);
  const long rssBefore = residentKb();
  const int filesBefore = openFiles();
  QElapsedTimer clock;
  clock.start();
  int done = 0;
  for (; done < kCycles && clock.elapsed() < 90000; ++done) ASSERT_TRUE(cycle(done)) << done;
  QTest::qWait(100);  // deferred deletions of the last connections
  const long rssAfter = residentKb();
  const int filesAfter = openFiles();
  std::printf("[soak] %d cycles in %lld ms; RSS %ld kB -> %ld kB (%+ld kB); open files %d -> %d\n",
              done, static_cast<long long>(clock.elapsed()), rssBefore, rssAfter,
              rssAfter - rssBefore, filesBefore, filesAfter);

  EXPECT_EQ(done, kCycles);
  for (int s = 1; s <= kMaxConnections; ++s) {
    EXPECT_FALSE(table.players[s].connected) << s;
    EXPECT_EQ(table.players[s].conn, nullptr) << s;
    EXPECT_EQ(table.players[s].name, "") << s;
  }
  EXPECT_EQ(host.findChildren<QTcpSocket*>().size(), 0);
  EXPECT_EQ(filesAfter, filesBefore);
  EXPECT_LT(rssAfter - rssBefore, kRssToleranceKb);
  EXPECT_TRUE(host.server().queueEmpty());
}

// Eight peers play and chat while a ninth floods chat without pause. The
// quiet ones' chat round trip must stay bounded, the host must not grow, and
// no more of the flood than the chat limit allows may reach anyone.
TEST(Soak, AFlooderDoesNotStarveTheOthersNorGrowTheHost) {
  Random random(12);
  HostIntervals intervals;  // the product's clocks
  intervals.timer1 = 100ms;
  TcpHost host(random, intervals);
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  const auto& table = host.server().table();

  std::vector<std::unique_ptr<Peer>> peers;
  for (int i = 1; i <= kMaxConnections; ++i) {
    peers.push_back(std::make_unique<Peer>());
    ASSERT_TRUE(peers.back()->connect(host.port()));
    ASSERT_EQ(peers.back()->waitFor("CMD_sendlogininfo+"),
              "CMD_sendlogininfo+" + std::to_string(i));
    peers.back()->send("CMD_logininfo+" + std::to_string(i) + "+" + std::string(kuvo::kVersion) +
                       "+P" + std::to_string(i) + FF);
    ASSERT_FALSE(peers.back()->waitFor("CMD_newplayerinfo+" + std::to_string(i)).empty());
  }
  Peer& flooder = *peers[8];  // slot 9, a spectator
  // Slots 7 and 8, spectators who chat in turn, each well within the chat limit.
  std::array<Peer*, 2> quietOnes{peers[6].get(), peers[7].get()};
  constexpr auto kQuietPause = std::chrono::milliseconds(110);
  peers[0]->send("CMD_startgame+P1+10+0+" + FF);
  ASSERT_TRUE(waitUntil([&] { return table.host.gameon; }));

  // The players 1..6 pull and choose, looking at the host's table for a cell
  // that matches (a test may cheat); the flooder chats without pause.
  constexpr int kBurstPerPoll = 4;
  long long flooderSent = 0, flooderEchoed = 0;
  const std::string floodLine = "CMD_chat+9+" + std::string(200, 'x') + "|clRed" + FF;
  // A player waits for the host's answer to its last move (its part of the
  // table changed) before the next one, as a real client does.
  std::vector<std::string> lastSeen(kPlayerSlots + 1);
  auto snapshot = [&](int s) {
    const auto& p = table.players[s];
    std::string text = std::to_string(p.pullsleft) + "/" + std::to_string(table.host.roundnumber);
    for (int c = 0; c < kBoardSize; ++c) {
      text += "/" + std::to_string(p.dice[c]);
      for (int r = 0; r < kBoardSize; ++r) text += "," + std::to_string(p.playerboard[c][r]);
    }
    return text;
  };
  auto play = [&] {
    for (int s = 1; s <= kPlayerSlots; ++s) {
      auto& peer = *peers[static_cast<std::size_t>(s - 1)];
      for (const auto& m : peer.poll()) (void)m;
      const std::string now = snapshot(s);
      if (now == lastSeen[static_cast<std::size_t>(s)]) continue;
      lastSeen[static_cast<std::size_t>(s)] = now;
      const auto& p = table.players[s];
      std::string move;
      for (int c = 0; c < kBoardSize && move.empty(); ++c) {
        for (int r = 0; r < kBoardSize && move.empty(); ++r) {
          if (p.dice[c] > 0 && p.playerboard[c][r] == p.dice[c]) {
            move = "CMD_choosedice+" + std::to_string(s) + "+" + std::to_string(c) + "+" +
                   std::to_string(r) + "+" + FF;
          }
        }
      }
      if (move.empty() && p.pullsleft > 0) move = "CMD_pullhandle+" + std::to_string(s) + "+" + FF;
      if (!move.empty()) peer.send(move);
    }
    for (const auto& m : flooder.poll()) {
      if (m.rfind("CMD_chat+9+", 0) == 0) ++flooderEchoed;
    }
    // Lines over the chat limit are dropped as they arrive, so the flooder
    // may write without pause and still keep its seat.
    for (int i = 0; i < kBurstPerPoll && flooder.socket.state() == QAbstractSocket::ConnectedState;
         ++i) {
      flooder.send(floodLine);
      ++flooderSent;
    }
  };

  const long rssBefore = residentKb();
  std::vector<double> trips;
  QElapsedTimer clock;
  clock.start();
  constexpr int kSamples = 100;
  for (int n = 0; n < kSamples && clock.elapsed() < 45000; ++n) {
    Peer& quiet = *quietOnes[static_cast<std::size_t>(n % 2)];
    const std::string slot = std::to_string(7 + n % 2);
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < kQuietPause.count()) {
      play();
      QTest::qWait(1);
    }
    const std::string tag = "ping" + std::to_string(n);
    QElapsedTimer trip;
    trip.start();
    quiet.send("CMD_chat+" + slot + "+" + tag + "|clBlue" + FF);
    bool back = false;
    while (!back && trip.elapsed() < 10000) {
      play();
      for (const auto& m : quiet.poll())
        back = back || m == "CMD_chat+" + slot + "+P" + slot + " chats: " + tag + "|clBlue";
      if (!back) QTest::qWait(1);
    }
    ASSERT_TRUE(back) << n;
    trips.push_back(static_cast<double>(trip.nsecsElapsed()) / 1e6);
  }
  const long rssAfter = residentKb();
  std::sort(trips.begin(), trips.end());
  const auto at = [&](double q) {
    return trips[std::min(trips.size() - 1,
                          static_cast<std::size_t>(q * static_cast<double>(trips.size())))];
  };
  std::printf(
      "[flood] %zu round trips of a quiet chat: p50 %.1f ms, p99 %.1f ms, max %.1f ms; "
      "flooder sent %lld, echoed %lld, still connected: %s; rounds played: %d; "
      "RSS %ld kB -> %ld kB (%+ld kB)\n",
      trips.size(), at(0.5), at(0.99), trips.back(), flooderSent, flooderEchoed,
      flooder.socket.state() == QAbstractSocket::ConnectedState ? "yes" : "no",
      table.host.roundnumber, rssBefore, rssAfter, rssAfter - rssBefore);
  ASSERT_EQ(trips.size(), static_cast<std::size_t>(kSamples));
  const long long limit = kRelayBurst + kRelaysPerSecond * (clock.elapsed() / 1000 + 1);
  EXPECT_LE(flooderEchoed, limit);
  EXPECT_EQ(flooder.socket.state(), QAbstractSocket::ConnectedState);
  // Ten seconds: nothing a flooder does may hold the others up for long.
  EXPECT_LT(at(0.99), 10000.0);
  EXPECT_LT(rssAfter - rssBefore, kRssToleranceKb);
}

}  // namespace
}  // namespace kuvo

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
