// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Round trip of a chat line through a real host on loopback: a client sends
// CMD_chat and waits for the host's relay of it. Prints p50 and p99. The
// host's relay limit would drop every line past its burst, so the benchmark
// lifts it: it measures the relay, not the limit (flood_bench measures that).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>

#include "messages.h"
#include "tcphost.h"

namespace {

bool waitFor(QTcpSocket& socket, std::string& pending, const std::string& wanted) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 5000) {
    auto end = pending.find(kuvo::kTerminator);
    while (end != std::string::npos) {
      const std::string message = pending.substr(0, end);
      pending.erase(0, end + 1);
      if (message == wanted) return true;
      end = pending.find(kuvo::kTerminator);
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const QByteArray bytes = socket.readAll();
    pending.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  kuvo::Random random(1);
  kuvo::TcpHost host(random);
  constexpr int kRounds = 500;
  host.server().setRelayLimit(kRounds, kRounds);
  if (!host.listen(0, QHostAddress::LocalHost)) return 1;
  QTcpSocket client;
  client.connectToHost(QHostAddress::LocalHost, host.port());
  if (!client.waitForConnected(3000)) return 1;
  std::string pending;
  const std::string login =
      "CMD_logininfo+1+" + std::string(kuvo::kVersion) + "+Ann" + std::string(2, kuvo::kTerminator);
  client.write(login.data(), static_cast<qint64>(login.size()));
  if (!waitFor(client, pending, "CMD_newplayerinfo+1+Ann+0")) return 1;

  std::vector<double> micros;
  for (int i = 0; i < kRounds; ++i) {
    const std::string text = "line " + std::to_string(i) + "|clRed";
    const std::string message = kuvo::build(kuvo::ToHost::Chat, {1, text});
    const auto start = std::chrono::steady_clock::now();
    client.write(message.data(), static_cast<qint64>(message.size()));
    if (!waitFor(client, pending, "CMD_chat+1+Ann chats: " + text)) {
      std::fprintf(stderr, "no relay of line %d within 5 s\n", i);
      return 1;
    }
    micros.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("chat relay round trip over %d lines: p50 %.0f us, p99 %.0f us, max %.0f us\n",
              kRounds, micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
  return 0;
}
