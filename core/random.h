// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The one random generator of the process, passed to everything that draws
// (boards, dice, computer players, chatter, the dice shuffle).
//
// Nobody at the table may be able to work out the next board or die, so the
// generator never starts from anything guessable such as the clock: a normal
// run takes its seeds from the operating system's secure source, a fresh one
// at the start of every game, so one game's dice say nothing about the next.
// A run given a seed on purpose (tests, reproducing a game) derives every
// later seed from it, so the whole session replays draw for draw.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>

namespace kuvo {

// One seed: eight 32-bit words, the whole of which goes into the generator.
inline constexpr int kSeedWords = 8;
using SeedWords = std::array<std::uint32_t, kSeedWords>;
// Hands out one seed per call: the first when the generator is made, then
// one at every reseed.
using SeedSource = std::function<SeedWords()>;

// Seeds from the operating system's cryptographically secure source.
SeedWords systemSeedWords();
// The seeds of a run given `seed` on purpose: the n-th call returns words
// that depend on nothing but `seed` and n.
SeedSource derivedSeedSource(std::uint64_t seed);

class Random {
 public:
  // Reproducible: the first draws follow `seed` directly, every reseed takes
  // the next seed of derivedSeedSource(seed).
  explicit Random(std::uint64_t seed);
  // Seeded from `source` now and at every reseed.
  explicit Random(SeedSource source);
  // The generator of a normal run: seeded from the operating system.
  static Random fromSystem();

  // Starts over from the source's next seed; called when a game starts.
  void reseed();
  // A uniformly distributed integer 0..n-1 (0 when n is below 1).
  int random(int n);

 private:
  void seedFrom(const SeedWords& words);

  SeedSource source_;
  std::mt19937_64 engine_;
};

}  // namespace kuvo
