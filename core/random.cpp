// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random.h"

#include <QRandomGenerator>

namespace kuvo {

SeedWords systemSeedWords() {
  SeedWords words{};
  // QRandomGenerator::system() reads the operating system's secure source
  // (getrandom, /dev/urandom, RtlGenRandom); std::random_device is not
  // guaranteed to be random on every standard library.
  QRandomGenerator::system()->generate(words.begin(), words.end());
  return words;
}

SeedSource derivedSeedSource(std::uint64_t seed) {
  std::uint64_t count = 0;
  return [seed, count]() mutable {
    ++count;
    // std::seed_seq mixes its input by a fixed, standard algorithm, so the
    // same seed and count give the same words on every platform.
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32),
                           static_cast<std::uint32_t>(count),
                           static_cast<std::uint32_t>(count >> 32)};
    SeedWords words{};
    sequence.generate(words.begin(), words.end());
    return words;
  };
}

Random::Random(std::uint64_t seed) : source_(derivedSeedSource(seed)), engine_(seed) {}

Random::Random(SeedSource source) : source_(std::move(source)) {
  reseed();
}

Random Random::fromSystem() {
  return Random(SeedSource(systemSeedWords));
}

void Random::reseed() {
  if (source_) seedFrom(source_());
}

void Random::seedFrom(const SeedWords& words) {
  // All 256 bits reach the generator's state; a single 64-bit seed would
  // leave only 2^64 possible games.
  std::seed_seq sequence(words.begin(), words.end());
  engine_.seed(sequence);
}

int Random::random(int n) {
  if (n <= 1) return 0;
  // Rejection sampling keeps the draw unbiased and identical on every
  // standard library (std::uniform_int_distribution is not).
  const std::uint64_t range = static_cast<std::uint64_t>(n);
  const std::uint64_t limit = engine_.max() - engine_.max() % range;
  std::uint64_t value;
  do {
    value = engine_();
  } while (value >= limit);
  return static_cast<int>(value % range);
}

}  // namespace kuvo
