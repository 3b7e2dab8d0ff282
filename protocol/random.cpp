#include "random.h"

namespace kuvo {

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
