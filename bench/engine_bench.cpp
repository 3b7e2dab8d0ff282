// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// How many whole computer-against-computer games the engine plays per second
// when the clocks tick as fast as they are called.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine.h"
#include "manualtimer.h"
#include "playertable.h"
#include "random.h"

namespace {

using namespace kuvo;

constexpr int kTickLimit = 1000000;

class CountingConnection : public HostConnection {
 public:
  void send(std::string_view bytes) override { bytes_ += bytes.size(); }
  void close() override {}
  std::size_t bytes() const { return bytes_; }

 private:
  std::size_t bytes_ = 0;
};

void BM_ComputerGames(benchmark::State& state) {
  Random random(20240601);
  const std::string start = "Bench+" + std::to_string(state.range(0)) + "+0+";
  std::size_t bytes = 0;
  long long ticks = 0;
  for (auto _ : state) {
    PlayerTable table;
    ManualTimer timer1, turntimer;
    GameEngine engine(table, random, timer1, turntimer);
    CountingConnection watcher;
    // Slot 1 is seated but just watching, so the computer plays it; slot 2
    // has nobody and is the bot.
    table.players[1].connected = true;
    table.players[1].conn = &watcher;
    table.host.slotcount = 1;
    timer1.start();
    engine.startgame(start);
    table.players[1].watching = true;
    for (int tick = 0; tick < kTickLimit && table.host.gameon; ++tick) {
      if (timer1.isActive()) engine.Timer1Timer();
      ++ticks;
    }
    if (table.host.gameon) state.SkipWithError("game did not end");
    bytes += watcher.bytes();
  }
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["ticks/game"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_ComputerGames)->Arg(1)->Arg(5)->Arg(10);

}  // namespace

BENCHMARK_MAIN();
