// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Pack and unpack speed of the tally file's coder next to zlib level 1 on the same data.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <random>
#include <vector>

#include "lzrw1.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A few MiB of text that looks like tables, names and chat: words from a small vocabulary,
// numbers and line breaks.
const Bytes& textLike() {
  static const Bytes data = [] {
    static const char* const words[] = {
        "Ann", "Rovi",      "Bob",   "tally", "0",     "12",      "1850",    "dice", "pull",
        "the", "board",     "wins",  "round", "\r\n",  "Kuvo",    "and",     "game", "score",
        "of",  "<Waiting>", "You",   "have",  "Won",   "Game!",   "Extra",   "Pull", "CHOOSE",
        "A",   "NUMBER!",   "Black", "Outs",  "Total", "Session", "Neither", "7772", "+"};
    std::mt19937 random(2024);
    Bytes out;
    const std::size_t size = 4u << 20;
    while (out.size() < size) {
      const char* word = words[random() % std::size(words)];
      out.insert(out.end(), word, word + std::strlen(word));
      if (random() % 7 == 0) {
        const auto number = std::to_string(random() % 5000);
        out.insert(out.end(), number.begin(), number.end());
      }
      out.push_back(' ');
    }
    out.resize(size);
    return out;
  }();
  return data;
}

void BM_Lzrw1Pack(benchmark::State& state) {
  const Bytes& data = textLike();
  kuvo::Tlzrw1 doit;
  std::size_t packedSize = 0;
  for (auto _ : state) {
    const Bytes packed = doit.compress(data);
    packedSize = packed.size();
    benchmark::DoNotOptimize(packed.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
  state.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(data.size());
}
BENCHMARK(BM_Lzrw1Pack)->Unit(benchmark::kMillisecond);

void BM_Lzrw1Unpack(benchmark::State& state) {
  const Bytes& data = textLike();
  kuvo::Tlzrw1 doit;
  const Bytes packed = doit.compress(data);
  for (auto _ : state) {
    const Bytes out = kuvo::Tlzrw1::decompress(packed, "bench");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_Lzrw1Unpack)->Unit(benchmark::kMillisecond);

Bytes zlibPack(const Bytes& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

void BM_ZlibLevel1Pack(benchmark::State& state) {
  const Bytes& data = textLike();
  std::size_t packedSize = 0;
  for (auto _ : state) {
    const Bytes packed = zlibPack(data, 1);
    packedSize = packed.size();
    benchmark::DoNotOptimize(packed.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
  state.counters["ratio"] = static_cast<double>(packedSize) / static_cast<double>(data.size());
}
BENCHMARK(BM_ZlibLevel1Pack)->Unit(benchmark::kMillisecond);

void BM_ZlibLevel1Unpack(benchmark::State& state) {
  const Bytes& data = textLike();
  const Bytes packed = zlibPack(data, 1);
  for (auto _ : state) {
    Bytes out(data.size());
    uLongf size = static_cast<uLongf>(out.size());
    uncompress(out.data(), &size, packed.data(), static_cast<uLong>(packed.size()));
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
}
BENCHMARK(BM_ZlibLevel1Unpack)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
