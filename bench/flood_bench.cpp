// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Eight quiet players and one flooder at a real host on loopback. The quiet
// ones take turns sending a chat line and wait for its relay; the flooder
// either paces 80 lines a second or writes 50 lines at a time. Prints the
// quiet round trips (p50, p99) and how many of the flooder's lines a quiet
// player was shown per second.
//
//   flood_bench [paced|burst] [seconds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

#include "messages.h"
#include "tcphost.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Peer {
  QTcpSocket socket;
  std::string pending;

  std::vector<std::string> poll() {
    const QByteArray bytes = socket.readAll();
    pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::vector<std::string> out;
    for (auto end = pending.find(kuvo::kTerminator); end != std::string::npos;
         end = pending.find(kuvo::kTerminator)) {
      out.push_back(pending.substr(0, end));
      pending.erase(0, end + 1);
    }
    return out;
  }
  void send(const std::string& bytes) {
    socket.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
};

void spin() {
  QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const bool burst = argc > 1 && std::strcmp(argv[1], "burst") == 0;
  const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

  kuvo::Random random(7);
  kuvo::TcpHost host(random);
  if (!host.listen(0, QHostAddress::LocalHost)) return 1;

  constexpr int kPeers = 9;
  std::vector<std::unique_ptr<Peer>> peers;
  for (int n = 1; n <= kPeers; ++n) {
    auto peer = std::make_unique<Peer>();
    peer->socket.connectToHost(QHostAddress::LocalHost, host.port());
    if (!peer->socket.waitForConnected(3000)) return 1;
    const std::string name = "P" + std::to_string(n);
    peer->send("CMD_logininfo+" + std::to_string(n) + "+" + std::string(kuvo::kVersion) + "+" +
               name + std::string(2, kuvo::kTerminator));
    QElapsedTimer wait;
    wait.start();
    bool in = false;
    while (!in && wait.elapsed() < 3000) {
      spin();
      for (const auto& m : peer->poll())
        in = in || m.rfind("CMD_newplayerinfo+" + std::to_string(n) + "+", 0) == 0;
    }
    if (!in) return 1;
    peers.push_back(std::move(peer));
  }
  Peer& flooder = *peers[kPeers - 1];
  const std::string floodLine = "CMD_chat+9+" + std::string(60, 'x') + "|clRed" + kuvo::kTerminator;
  std::string burstBytes;
  for (int i = 0; i < 50; ++i) burstBytes += floodLine;

  std::vector<double> trips;
  long long floodShown = 0, floodSent = 0;
  const auto start = Clock::now();
  const auto end = start + std::chrono::seconds(seconds);
  auto nextFlood = start;
  int quietTurn = 0, ping = 0;
  // Sends what the flooder sends by now, and reads every peer; true when the
  // quiet player's line `expect` came back.
  const auto pump = [&](const Peer* quiet, const std::string& expect) {
    const auto now = Clock::now();
    if (flooder.socket.state() == QAbstractSocket::ConnectedState && now >= nextFlood) {
      if (burst) {
        flooder.send(burstBytes);
        floodSent += 50;
        nextFlood = now + std::chrono::milliseconds(500);
      } else {
        flooder.send(floodLine);
        ++floodSent;
        nextFlood += std::chrono::microseconds(12'500);  // 80 a second
      }
    }
    spin();
    bool back = false;
    for (auto& peer : peers) {
      for (const auto& m : peer->poll()) {
        if (peer.get() == peers[0].get() && m.rfind("CMD_chat+9+", 0) == 0) ++floodShown;
        if (peer.get() == quiet && !expect.empty() && m.rfind(expect, 0) == 0) back = true;
      }
    }
    return back;
  };
  while (Clock::now() < end) {
    // Eight quiet players in turn, a line every 30 ms: each stays within the
    // host's chat limit.
    const auto pauseUntil = Clock::now() + std::chrono::milliseconds(30);
    while (Clock::now() < pauseUntil) pump(nullptr, {});
    Peer& quiet = *peers[static_cast<std::size_t>(quietTurn)];
    const int slot = quietTurn + 1;
    const std::string tag = "ping" + std::to_string(ping++);
    const std::string expect =
        "CMD_chat+" + std::to_string(slot) + "+P" + std::to_string(slot) + " chats: " + tag;
    const auto sent = Clock::now();
    quiet.send("CMD_chat+" + std::to_string(slot) + "+" + tag + "|clBlue" + kuvo::kTerminator);
    bool back = false;
    while (!back && Clock::now() - sent < std::chrono::seconds(5)) back = pump(&quiet, expect);
    if (!back) {
      std::printf("a quiet line did not come back within 5 s\n");
      return 1;
    }
    trips.push_back(std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
    quietTurn = (quietTurn + 1) % (kPeers - 1);
  }
  const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  std::sort(trips.begin(), trips.end());
  const auto at = [&](double q) {
    return trips[std::min(trips.size() - 1,
                          static_cast<std::size_t>(q * static_cast<double>(trips.size())))];
  };
  std::printf(
      "%s flooder, %.0f s: %zu quiet round trips p50 %.1f ms, p99 %.1f ms, max %.1f ms; "
      "flooder sent %lld, a quiet player was shown %.1f of its lines a second; flooder %s\n",
      burst ? "burst" : "paced", elapsed, trips.size(), at(0.5), at(0.99), trips.back(), floodSent,
      static_cast<double>(floodShown) / elapsed,
      flooder.socket.state() == QAbstractSocket::ConnectedState ? "still connected"
                                                                : "disconnected by the host");
  return 0;
}
