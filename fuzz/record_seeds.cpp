// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Records real sessions with the in-process host and writes them as seed
// inputs: for host_fuzz the session as driver instructions, for client_fuzz
// the bytes the host sent to one client, cut into pieces of whole messages,
// and for the tally targets a small real tally.
// Usage: record_seeds CORPUS_FOLDER (creates host_fuzz/, client_fuzz/, ...)
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include <QByteArray>

#include "hostdriver.h"
#include "lzrw1.h"
#include "tallystore.h"
#include "version.h"

namespace {

using kuvo::fuzz::HostDriver;
namespace fs = std::filesystem;
const std::string FF(1, kuvo::kTerminator);

// Plays through the driver and writes down every step as an instruction.
class Recorder {
 public:
  explicit Recorder(std::uint16_t seed) : driver(seed) {
    driver.recordAll = true;
    ops += static_cast<char>(seed & 0xFF);
    ops += static_cast<char>(seed >> 8);
  }
  void accept() {
    ops += static_cast<char>(kuvo::fuzz::kAccept);
    driver.accept();
  }
  void close(std::size_t i) {
    ops += static_cast<char>(kuvo::fuzz::kClose);
    ops += static_cast<char>(i);
    driver.close(i);
  }
  void send(std::size_t i, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size(); at += 255) {
      const std::string chunk = bytes.substr(at, 255);
      ops += static_cast<char>(kuvo::fuzz::kFeed);
      ops += static_cast<char>(i);
      ops += static_cast<char>(chunk.size());
      ops += chunk;
      driver.feed(i, chunk);
    }
    work();
  }
  void work() {
    while (driver.socktimer.isActive()) {
      ops += static_cast<char>(kuvo::fuzz::kWork);
      ops += static_cast<char>(31);
      driver.work(31);
    }
  }
  void timer1() {
    ops += static_cast<char>(kuvo::fuzz::kTimer1);
    ops += static_cast<char>(7);
    driver.tickTimer1(7);
  }
  void turn() {
    ops += static_cast<char>(kuvo::fuzz::kTurn);
    ops += static_cast<char>(7);
    driver.tickTurn(7);
  }
  void login(std::size_t i, const std::string& name) {
    const int slot = driver.connections[i]->slot;
    send(i, "CMD_logininfo+" + std::to_string(slot) + "+" + std::string(kuvo::kVersion) + "+" +
                name + FF + FF);
  }
  // One step of the human in connection i: choose a matching cell, else pull.
  void play(std::size_t i) {
    const int slot = driver.connections[i]->slot;
    const auto& p = driver.server.table().players[slot];
    for (int c = 0; c < kuvo::kBoardSize; ++c) {
      for (int r = 0; r < kuvo::kBoardSize; ++r) {
        if (p.dice[c] > 0 && p.playerboard[c][r] == p.dice[c]) {
          send(i, "CMD_choosedice+" + std::to_string(slot) + "+" + std::to_string(c) + "+" +
                      std::to_string(r) + "+" + FF);
          return;
        }
      }
    }
    if (p.pullsleft > 0) send(i, "CMD_pullhandle+" + std::to_string(slot) + "+" + FF);
  }
  bool gameon() const { return driver.server.table().host.gameon; }

  HostDriver driver;
  std::string ops;
};

void write(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The bytes a client received, cut into seeds of about `messages` whole messages.
void writeStream(const fs::path& folder, const std::string& stem, const std::string& stream,
                 int messages) {
  std::size_t start = 0;
  int part = 0;
  while (start < stream.size()) {
    std::size_t end = start;
    for (int m = 0; m < messages && end < stream.size(); ++m) {
      const auto ff = stream.find(kuvo::kTerminator, end);
      end = ff == std::string::npos ? stream.size() : ff + 1;
    }
    write(folder / (stem + "-" + std::to_string(part++)), stream.substr(start, end - start));
    start = end;
  }
}

// A solo game against the computer, optionally with a round time that runs out.
Recorder soloGame(std::uint16_t seed, int rounds, int seconds) {
  Recorder rec(seed);
  rec.accept();
  rec.login(0, "Ann");
  rec.send(
      0, "CMD_startgame+Ann+" + std::to_string(rounds) + "+" + std::to_string(seconds) + "+" + FF);
  for (int step = 0; step < 4000 && rec.gameon(); ++step) {
    rec.play(0);
    if (step % 3 == 0) rec.timer1();
    if (seconds > 0 && step % 2 == 0) rec.turn();
  }
  return rec;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: record_seeds CORPUS_FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  const fs::path host = root / "host_fuzz", client = root / "client_fuzz";
  const fs::path decode = root / "lzrw1_decode_fuzz", roundtrip = root / "lzrw1_roundtrip_fuzz",
                 tally = root / "tally_file_fuzz";
  for (const auto& f : {host, client, decode, roundtrip, tally}) fs::create_directories(f);

  // Logging in alone.
  {
    Recorder rec(1);
    rec.accept();
    rec.login(0, "Ann");
    write(host / "login", rec.ops);
  }
  // A whole solo game, and one whose rounds run out of time.
  {
    Recorder rec = soloGame(2, 2, 0);
    write(host / "solo-game", rec.ops);
    writeStream(client, "solo-game", rec.driver.connections[0]->received, 40);
  }
  {
    Recorder rec = soloGame(3, 1, 3);
    write(host / "solo-outtime", rec.ops);
    writeStream(client, "solo-outtime", rec.driver.connections[0]->received, 60);
  }
  // Two players, a spectator's worth of chatter, moderation, a departure and a
  // newcomer who takes over the computer's slot in the middle of a round.
  {
    Recorder rec(4);
    rec.accept();
    rec.login(0, "Ann");
    rec.accept();
    rec.login(1, "Bob");
    rec.send(1, "CMD_chat+2+hello :) www.example.com|clRed" + FF);
    rec.send(0, "CMD_action+1+waves|$00FF8000" + FF);
    rec.send(1, "CMD_playasound+2+wave7+" + FF);
    rec.send(0, "CMD_startgame+Ann+2+30+" + FF);
    for (int step = 0; step < 12; ++step) {
      rec.play(0);
      rec.play(1);
      rec.timer1();
    }
    rec.send(1, "CMD_justwatch+2+1" + FF);
    rec.timer1();
    rec.timer1();
    rec.close(1);
    rec.accept();
    rec.login(2, "Cy");
    rec.send(0, "CMD_justwatch+3+2" + FF);
    for (int step = 0; step < 400 && rec.gameon(); ++step) {
      rec.play(0);
      rec.play(2);
      rec.turn();
      rec.timer1();
    }
    rec.send(0, "CMD_kickhim+1+2+" + FF);
    write(host / "two-players", rec.ops);
    writeStream(client, "host-player", rec.driver.connections[0]->received, 50);
    writeStream(client, "newcomer", rec.driver.connections[2]->received, 50);
  }
  // Ten connections: the tenth is turned away; spectators chat.
  {
    Recorder rec(5);
    for (int i = 0; i < 10; ++i) rec.accept();
    for (std::size_t i = 0; i < 9; ++i) rec.login(i, "P" + std::to_string(i + 1));
    rec.send(7, "CMD_chat+8+watching|clBlue" + FF);
    rec.close(3);
    rec.accept();
    rec.login(10, "Dee");
    write(host / "full-house", rec.ops);
    writeStream(client, "spectator", rec.driver.connections[8]->received, 30);
  }

  // A real tally: the own row and three followed players after a few games.
  kuvo::TallyStore store;
  for (const char* name : {"Bob", "Cy", "Rovi"}) store.follow(QString::fromLatin1(name));
  store.loadchecklist({"Bob", "Cy", "Rovi"});
  store.addgame(QStringLiteral("Bob"), false);
  store.addgame(QString(), true);
  store.addtomineset(3, QStringLiteral("2450"));
  const QByteArray text = store.toText();
  const std::string plain(text.constData(), static_cast<std::size_t>(text.size()));
  kuvo::Tlzrw1 doit;
  const auto packed = doit.compress(plain);
  const std::string file(packed.begin(), packed.end());
  write(decode / "tally", file);
  write(tally / "tally", file);
  write(tally / "tally-text", plain);
  write(roundtrip / "tally-text", plain);
  std::string big;
  for (int i = 0; i < 400; ++i) big += plain;
  write(roundtrip / "repeated", big.substr(0, 20000));
  std::printf("Seeds written under %s\n", root.c_str());
  return 0;
}
