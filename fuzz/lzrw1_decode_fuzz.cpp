// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a tally file: the decoder must either restore data of the stored size or
// raise its error, and never touch memory outside its buffers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "lzrw1.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const auto out = kuvo::Tlzrw1::decompress(std::span<const std::uint8_t>(data, size), "fuzz",
                                              std::size_t{1} << 24);
    // A file without a whole header cannot decode, and nothing decodes beyond the limit.
    if (size < 8 || out.size() > (std::size_t{1} << 24)) std::abort();
  } catch (const kuvo::ELzrw1Exception&) {
  }
  // The block decoder alone, on the raw bytes.
  static std::uint8_t block[kuvo::lzrw1::kBlockSize];
  const std::ptrdiff_t n = kuvo::lzrw1::decompressBlock(data, size, block);
  if (n > static_cast<std::ptrdiff_t>(kuvo::lzrw1::kBlockSize)) std::abort();
  return 0;
}
