// The one random generator of the process. Seeded once; passed to everything
// that draws (boards, dice, computer players, chatter, the dice shuffle), so a
// seeded run replays exactly.
#pragma once

#include <cstdint>
#include <random>

namespace kuvo {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // A uniformly distributed integer 0..n-1 (0 when n is below 1).
  int random(int n);

 private:
  std::mt19937_64 engine_;
};

}  // namespace kuvo
