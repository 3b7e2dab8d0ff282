// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lzrw1.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kuvo {
namespace lzrw1 {
namespace {

constexpr std::size_t kMaxRun = 4095;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMaxDistance = 4095;
constexpr unsigned kItemsPerGroup = 16;

inline unsigned hashOf(const std::uint8_t* p) {
  // The product stays below 2^32; only bits 4..15 are used.
  const std::uint32_t v = ((((std::uint32_t{p[0]} << 4) ^ p[1]) << 4) ^ p[2]);
  return ((v * 40543u) >> 4) & 0xFFFu;
}

// How many of the first limit bytes of a and b agree.
inline std::size_t matchLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t limit) {
  std::size_t length = 0;
  while (limit - length >= 8) {
    std::uint64_t wa;
    std::uint64_t wb;
    std::memcpy(&wa, a + length, 8);
    std::memcpy(&wb, b + length, 8);
    if (wa != wb) {
      if constexpr (std::endian::native == std::endian::little) {
        return length + static_cast<std::size_t>(std::countr_zero(wa ^ wb)) / 8;
      }
      break;
    }
    length += 8;
  }
  while (length < limit && a[length] == b[length]) ++length;
  return length;
}

inline void putWordHighFirst(std::uint8_t* at, unsigned word) {
  at[0] = static_cast<std::uint8_t>((word >> 8) & 0xFF);
  at[1] = static_cast<std::uint8_t>(word & 0xFF);
}

}  // namespace

const char* const kSizeMismatchText =
    "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !";

std::string readErrorText(const std::string& fileName) {
  return "Lzrw1 : Error reading from input file : " + fileName;
}
std::string writeErrorText(const std::string& fileName) {
  return "Lzrw1 : Error writing to output file : " + fileName;
}
std::string openInputErrorText(const std::string& fileName) {
  return "Lzrw1 (de)compression : Failed to open input file : " + fileName;
}
std::string openOutputErrorText(const std::string& fileName) {
  return "Lzrw1 (de)compression : Failed to open output file : " + fileName;
}
std::string badHeaderText(const std::string& fileName) {
  return fileName + " : Lzrw1 decompression : this file has no valid header !";
}
std::string lzhNotSupportedText(const std::string& fileName) {
  return fileName + " : Lzrw1 decompression : LZH coded files (!HZL) cannot be read !";
}
std::string damagedDataText(const std::string& fileName) {
  return "Lzrw1 (decompression LZRW1/KH) : the compressed data is damaged in : " + fileName;
}
std::string tooLargeText(const std::string& fileName) {
  return "Lzrw1 : the data is too large for this file : " + fileName;
}

std::size_t compressBlock(const std::uint8_t* in, std::size_t n, std::uint8_t* out,
                          std::int16_t* hash) {
  std::fill(hash, hash + kHashSize, std::int16_t{-1});
  out[0] = kFlagCompressed;
  std::size_t controlPos = 1;
  std::size_t y = 3;
  std::size_t x = 0;
  unsigned items = 0;
  unsigned control = 0;

  while (x < n && y <= n) {
    if (items == kItemsPerGroup) {
      putWordHighFirst(out + controlPos, control);
      controlPos = y;
      y += 2;
      items = 0;
      control = 0;
    }
    const std::uint8_t first = in[x];
    const std::size_t runLimit = std::min(n - x, kMaxRun);
    std::size_t run = 1;
    while (run < runLimit && in[x + run] == first) ++run;

    if (run >= kMinRun) {
      const std::size_t code = run - kMinRun;
      out[y] = 0;
      out[y + 1] = static_cast<std::uint8_t>(code >> 8);
      out[y + 2] = static_cast<std::uint8_t>(code & 0xFF);
      out[y + 3] = first;
      y += 4;
      x += run;
      control = (control << 1) | 1u;
    } else {
      std::size_t length = 0;
      std::size_t distance = 0;
      // A match needs three bytes; the last two positions of a block cannot start one.
      if (n - x >= kMinMatch) {
        const unsigned h = hashOf(in + x);
        const std::int16_t candidate = hash[h];
        if (candidate != -1 && x - static_cast<std::size_t>(candidate) <= kMaxDistance) {
          length = matchLength(in + candidate, in + x, std::min(kMaxMatch, n - x));
          distance = x - static_cast<std::size_t>(candidate);
        }
        hash[h] = static_cast<std::int16_t>(x);
      }
      if (length >= kMinMatch) {
        putWordHighFirst(out + y, static_cast<unsigned>((distance << 4) | (length - kMinMatch)));
        y += 2;
        x += length;
        control = (control << 1) | 1u;
      } else {
        out[y++] = in[x++];
        control <<= 1;
      }
    }
    ++items;
  }
  control <<= (kItemsPerGroup - items);
  putWordHighFirst(out + controlPos, control & 0xFFFFu);

  if (y <= n) return y;
  out[0] = kFlagCopied;
  if (n > 0) std::memcpy(out + 1, in, n);
  return n + 1;
}

std::ptrdiff_t decompressBlock(const std::uint8_t* in, std::size_t m, std::uint8_t* out) {
  if (m <= 1) return 0;
  if (in[0] == kFlagCopied) {
    if (m - 1 > kBlockSize) return -1;
    std::memcpy(out, in + 1, m - 1);
    return static_cast<std::ptrdiff_t>(m - 1);
  }
  if (m < 3) return -1;
  unsigned control = (unsigned{in[1]} << 8) | in[2];
  unsigned bits = kItemsPerGroup;
  std::size_t x = 3;
  std::size_t y = 0;
  while (x < m) {
    if (bits == 0) {
      // A control word is always followed by at least one item.
      if (m - x < 3) return -1;
      control = (unsigned{in[x]} << 8) | in[x + 1];
      x += 2;
      bits = kItemsPerGroup;
    }
    // The literals up to the next copy item, all at once.
    const auto pending = static_cast<std::uint16_t>(control & 0xFFFFu);
    const std::size_t literals =
        std::min<std::size_t>({static_cast<std::size_t>(std::countl_zero(pending)), bits, m - x});
    if (literals > 0) {
      if (literals > kBlockSize - y) return -1;
      if (m - x >= 16 && kBlockSize - y >= 16) {
        // A fixed 16-byte move is one instruction; the bytes past the literals are
        // overwritten by the next item or cut off at the end.
        std::memcpy(out + y, in + x, 16);
      } else {
        std::memcpy(out + y, in + x, literals);
      }
      x += literals;
      y += literals;
      control <<= literals;
      bits -= static_cast<unsigned>(literals);
      continue;
    }
    if (m - x < 2) return -1;
    const std::size_t distance = (std::size_t{in[x]} << 4) | (in[x + 1] >> 4);
    if (distance == 0) {
      if (m - x < 4) return -1;
      const std::size_t length = (((std::size_t{in[x + 1]} & 0x0F) << 8) | in[x + 2]) + kMinRun;
      if (length > kBlockSize - y) return -1;
      std::memset(out + y, in[x + 3], length);
      y += length;
      x += 4;
    } else {
      const std::size_t length = (in[x + 1] & 0x0Fu) + kMinMatch;
      if (distance > y || length > kBlockSize - y) return -1;
      const std::uint8_t* from = out + (y - distance);
      std::uint8_t* to = out + y;
      if (distance >= 8 && kBlockSize - y >= 24) {
        // Eight bytes at a time reads only bytes already written when the distance is at
        // least eight; the few bytes written past the copy are overwritten later or cut off.
        std::memcpy(to, from, 8);
        std::memcpy(to + 8, from + 8, 8);
        if (length > 16) std::memcpy(to + 16, from + 16, 8);
      } else {
        // Byte by byte: a near copy overlaps the bytes it produces.
        for (std::size_t i = 0; i < length; ++i) to[i] = from[i];
      }
      y += length;
      x += 2;
    }
    control <<= 1;
    --bits;
  }
  return static_cast<std::ptrdiff_t>(y);
}

}  // namespace lzrw1

using namespace lzrw1;

namespace {

void putLe32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

// Text such as the tally table packs two to four times; sixteen leaves room for runs.
constexpr std::size_t kPlausibleRatio = 16;

}  // namespace

Tlzrw1::Tlzrw1() : hash_(new std::int16_t[kHashSize]) {}

Tlzrw1::~Tlzrw1() {
  delete[] hash_;
}

std::vector<std::uint8_t> Tlzrw1::compress(std::span<const std::uint8_t> data,
                                           const std::string& fileName) {
  if (data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw ELzrw1Exception(tooLargeText(fileName));
  }
  const std::size_t blocks = data.size() / kBlockSize + 1;
  std::vector<std::uint8_t> out;
  out.reserve(kHeaderSize + data.size() + blocks * 3);
  out.resize(kHeaderSize);
  std::memcpy(out.data(), "WRZL", 4);
  putLe32(out.data() + 4, static_cast<std::uint32_t>(data.size()));

  std::size_t pos = 0;
  for (;;) {
    const std::size_t n = std::min(kBlockSize, data.size() - pos);
    const std::size_t at = out.size();
    out.resize(at + 2 + kBufferSize);
    const std::size_t coded = compressBlock(data.data() + pos, n, out.data() + at + 2, hash_);
    out[at] = static_cast<std::uint8_t>(coded & 0xFF);
    out[at + 1] = static_cast<std::uint8_t>(coded >> 8);
    out.resize(at + 2 + coded);
    pos += n;
    if (n < kBlockSize) break;
  }
  return out;
}

std::vector<std::uint8_t> Tlzrw1::compress(const std::string& data, const std::string& fileName) {
  return compress(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.data()),
                                                data.size()),
                  fileName);
}

std::vector<std::uint8_t> Tlzrw1::decompress(std::span<const std::uint8_t> container,
                                             const std::string& fileName, std::size_t maxOutput) {
  const std::uint8_t* file = container.data();
  const std::size_t fileSize = container.size();
  if (fileSize < 4) throw ELzrw1Exception(readErrorText(fileName));
  if (std::memcmp(file, "!HZL", 4) == 0) throw ELzrw1Exception(lzhNotSupportedText(fileName));
  if (std::memcmp(file, "WRZL", 4) != 0) throw ELzrw1Exception(badHeaderText(fileName));
  if (fileSize < kHeaderSize) throw ELzrw1Exception(readErrorText(fileName));

  const std::uint32_t rawSize = std::uint32_t{file[4]} | (std::uint32_t{file[5]} << 8) |
                                (std::uint32_t{file[6]} << 16) | (std::uint32_t{file[7]} << 24);
  const std::int64_t storedSize = static_cast<std::int32_t>(rawSize);
  if (storedSize > 0 && static_cast<std::uint64_t>(storedSize) > maxOutput) {
    throw ELzrw1Exception(tooLargeText(fileName));
  }

  std::vector<std::uint8_t> out;
  // The stored size is only a hint until the data proves it: reserve no more than a
  // generous ratio of the file itself, so a few hostile bytes cannot claim megabytes.
  const std::int64_t plausible = static_cast<std::int64_t>(
      std::min<std::size_t>(fileSize, std::size_t{1} << 20) * kPlausibleRatio);
  out.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(storedSize, 0, plausible)));
  std::size_t pos = kHeaderSize;
  for (;;) {
    if (fileSize - pos < 2) throw ELzrw1Exception(readErrorText(fileName));
    const std::size_t length = std::size_t{file[pos]} | (std::size_t{file[pos + 1]} << 8);
    pos += 2;
    if (fileSize - pos < length) throw ELzrw1Exception(readErrorText(fileName));
    const std::size_t at = out.size();
    out.resize(at + kBlockSize);
    const std::ptrdiff_t decoded = decompressBlock(file + pos, length, out.data() + at);
    if (decoded < 0) throw ELzrw1Exception(damagedDataText(fileName));
    out.resize(at + static_cast<std::size_t>(decoded));
    pos += length;
    // Stop as soon as the output outgrows the stored size, so a hostile file cannot make
    // us decode far more than it announced.
    if (static_cast<std::int64_t>(out.size()) > storedSize) {
      throw ELzrw1Exception(kSizeMismatchText);
    }
    if (static_cast<std::size_t>(decoded) < kBlockSize) break;
  }
  if (static_cast<std::int64_t>(out.size()) != storedSize) {
    throw ELzrw1Exception(kSizeMismatchText);
  }
  return out;
}

std::string Tlzrw1::decompressToString(std::span<const std::uint8_t> container,
                                       const std::string& fileName, std::size_t maxOutput) {
  const std::vector<std::uint8_t> bytes = decompress(container, fileName, maxOutput);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace kuvo
