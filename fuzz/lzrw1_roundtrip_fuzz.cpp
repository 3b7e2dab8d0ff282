// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes packed and unpacked again must come back unchanged.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "lzrw1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static kuvo::Tlzrw1 doit;
  const std::span<const std::uint8_t> input(data, size);
  const auto packed = doit.compress(input);
  // Stored blocks bound the growth: flag and length per block, plus the header.
  if (packed.size() > size + 8 + 3 * (size / kuvo::lzrw1::kBlockSize + 1)) std::abort();
  const auto unpacked = kuvo::Tlzrw1::decompress(packed, "fuzz");
  if (unpacked.size() != size || !std::equal(unpacked.begin(), unpacked.end(), data)) {
    std::abort();
  }
  return 0;
}
