// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lzrw1.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace kuvo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::initializer_list<int> values) {
  Bytes out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

Bytes pack(const Bytes& data) {
  Tlzrw1 doit;
  return doit.compress(data);
}

Bytes unpack(const Bytes& file) {
  return Tlzrw1::decompress(file, "tally.tld");
}

std::string unpackError(const Bytes& file) {
  try {
    unpack(file);
  } catch (const ELzrw1Exception& error) {
    return error.what();
  }
  return "no error";
}

// Walks the chunks of a container: each chunk's coded bytes.
std::vector<Bytes> chunksOf(const Bytes& file) {
  std::vector<Bytes> chunks;
  std::size_t pos = 8;
  while (pos + 2 <= file.size()) {
    const std::size_t length = file[pos] | (file[pos + 1] << 8);
    pos += 2;
    chunks.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(pos),
                        file.begin() + static_cast<std::ptrdiff_t>(pos + length));
    pos += length;
  }
  return chunks;
}

Bytes textLike(std::size_t size, unsigned seed) {
  static const char* const words[] = {"Ann",  "Rovi", "Bob",  "tally", "0",    "12",       "1850",
                                      "dice", "pull", "the",  "board", "wins", "round",    "\r\n",
                                      "Kuvo", "and",  "game", "score", "of",   "<Waiting>"};
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) {
    const char* word = words[random() % std::size(words)];
    out.insert(out.end(), word, word + std::strlen(word));
    out.push_back(' ');
  }
  out.resize(size);
  return out;
}

Bytes randomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes out(size);
  for (auto& b : out) b = static_cast<std::uint8_t>(random());
  return out;
}

Bytes runHeavy(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes out;
  while (out.size() < size) {
    const std::size_t run = random() % 5000 + 1;
    out.insert(out.end(), run, static_cast<std::uint8_t>(random() % 4));
  }
  out.resize(size);
  return out;
}

TEST(Lzrw1Container, EmptyDataIsElevenBytes) {
  const Bytes file = pack({});
  EXPECT_EQ(file, bytesOf({'W', 'R', 'Z', 'L', 0, 0, 0, 0, 1, 0, 0x80}));
  EXPECT_TRUE(unpack(file).empty());
}

TEST(Lzrw1Container, IncompressibleDataIsStoredCopied) {
  Bytes data;
  for (int i = 0; i < 100; ++i) data.push_back(static_cast<std::uint8_t>(i));
  const Bytes file = pack(data);
  ASSERT_EQ(file.size(), 8u + 2u + 101u);
  EXPECT_EQ(file[4], 100);
  EXPECT_EQ(file[8], 101);
  EXPECT_EQ(file[9], 0);
  EXPECT_EQ(file[10], 0x80);
  EXPECT_TRUE(std::equal(data.begin(), data.end(), file.begin() + 11));
  EXPECT_EQ(unpack(file), data);
}

TEST(Lzrw1Container, RunOf4096IsRunItemOf4095AndOneLiteral) {
  const Bytes data(4096, 'a');
  const Bytes file = pack(data);
  // flag, control word 10xx..., run item (4095 - 16 = 0x0FEF), literal.
  EXPECT_EQ(file, bytesOf({'W', 'R', 'Z', 'L', 0x00, 0x10, 0, 0, 8, 0, 0x40, 0x80, 0x00, 0x00, 0x0F,
                           0xEF, 'a', 'a'}));
  EXPECT_EQ(unpack(file), data);
}

TEST(Lzrw1Container, RepeatBecomesOverlappingCopyItem) {
  const std::string text = "abcabcabcabc";
  const Bytes data(text.begin(), text.end());
  const Bytes file = pack(data);
  // Three literals, then a copy of 9 bytes from 3 back: (3 << 4) | (9 - 3).
  EXPECT_EQ(chunksOf(file).at(0), bytesOf({0x40, 0x10, 0x00, 'a', 'b', 'c', 0x00, 0x36}));
  EXPECT_EQ(unpack(file), data);
}

TEST(Lzrw1Container, FullBlockIsFollowedByEmptyChunk) {
  const Bytes data = textLike(32768, 1);
  const Bytes file = pack(data);
  const auto chunks = chunksOf(file);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0][0], 0x40);
  EXPECT_EQ(chunks[1], bytesOf({0x80}));
  EXPECT_EQ(unpack(file), data);
}

TEST(Lzrw1Container, OneByteOverABlockIsASecondCopiedChunk) {
  Bytes data = textLike(32769, 2);
  data.back() = 'Z';
  const Bytes file = pack(data);
  const auto chunks = chunksOf(file);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[1], bytesOf({0x80, 'Z'}));
  EXPECT_EQ(unpack(file), data);
}

TEST(Lzrw1Container, SizeMismatchIsRejected) {
  Bytes file = pack(textLike(500, 3));
  file[4] = static_cast<std::uint8_t>(file[4] + 1);
  EXPECT_EQ(unpackError(file),
            "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
  file[4] = static_cast<std::uint8_t>(file[4] - 2);
  EXPECT_EQ(unpackError(file),
            "Lzrw1 (decompression LZRW1/KH) : Original and compressed sizes do not match !");
}

TEST(Lzrw1Container, ForeignHeadersAreRejected) {
  Bytes file = pack(textLike(50, 4));
  std::memcpy(file.data(), "WRZX", 4);
  EXPECT_EQ(unpackError(file), "tally.tld : Lzrw1 decompression : this file has no valid header !");
  std::memcpy(file.data(), "!HZL", 4);
  EXPECT_EQ(unpackError(file),
            "tally.tld : Lzrw1 decompression : LZH coded files (!HZL) cannot be read !");
}

TEST(Lzrw1Container, RefusesStoredSizeAboveTheLimit) {
  const Bytes file = pack(textLike(5000, 5));
  EXPECT_THROW(Tlzrw1::decompress(file, "t", 4999), ELzrw1Exception);
  EXPECT_EQ(Tlzrw1::decompress(file, "t", 5000).size(), 5000u);
}

struct HostileCase {
  const char* what;
  Bytes file;
  std::string error;
};

const std::string kRead = "Lzrw1 : Error reading from input file : tally.tld";
const std::string kDamaged =
    "Lzrw1 (decompression LZRW1/KH) : the compressed data is damaged in : tally.tld";

Bytes container(std::int32_t size, const Bytes& chunk) {
  Bytes file = bytesOf({'W', 'R', 'Z', 'L'});
  for (int i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  file.push_back(static_cast<std::uint8_t>(chunk.size() & 0xFF));
  file.push_back(static_cast<std::uint8_t>(chunk.size() >> 8));
  file.insert(file.end(), chunk.begin(), chunk.end());
  return file;
}

Bytes manyRuns(int count) {
  Bytes chunk = bytesOf({0x40, 0xFF, 0xFF});
  for (int i = 0; i < count; ++i) chunk.insert(chunk.end(), {0x00, 0x0F, 0xEF, 'x'});
  return chunk;
}

TEST(Lzrw1Container, HostileInputsAreCleanErrors) {
  const std::vector<HostileCase> cases = {
      {"only part of the identifier", bytesOf({'W', 'R'}), kRead},
      {"truncated size", bytesOf({'W', 'R', 'Z', 'L', 1, 0}), kRead},
      {"no chunk at all", bytesOf({'W', 'R', 'Z', 'L', 0, 0, 0, 0}), kRead},
      {"chunk length beyond the file", bytesOf({'W', 'R', 'Z', 'L', 5, 0, 0, 0, 100, 0, 0x80, 1}),
       kRead},
      {"copy before the start", container(3, bytesOf({0x40, 0x80, 0x00, 0x00, 0x10})), kDamaged},
      {"copy reaching one byte too far back",
       container(4, bytesOf({0x40, 0x40, 0x00, 'a', 0x00, 0x20})), kDamaged},
      {"copy item cut short", container(3, bytesOf({0x40, 0x80, 0x00, 0x00})), kDamaged},
      {"run item cut short", container(20, bytesOf({0x40, 0x80, 0x00, 0x00, 0x00, 0x05})),
       kDamaged},
      {"control word without its item",
       container(16,
                 [] {
                   Bytes chunk = bytesOf({0x40, 0x00, 0x00});
                   chunk.insert(chunk.end(), 16, 'q');
                   chunk.insert(chunk.end(), {0x00, 0x00});
                   return chunk;
                 }()),
       kDamaged},
      {"runs past the block", container(40000, manyRuns(9)), kDamaged},
      {"copied block larger than a block",
       [] {
         Bytes chunk(32770, 'c');
         chunk[0] = 0x80;
         return container(32769, chunk);
       }(),
       kDamaged},
      {"negative stored size", container(-1, bytesOf({0x80})),
       std::string(lzrw1::kSizeMismatchText)},
  };
  for (const HostileCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(unpackError(c.file), c.error);
  }
}

TEST(Lzrw1Container, RoundTrips) {
  const std::vector<std::size_t> sizes = {
      0, 1, 2, 3, 15, 16, 17, 100, 4095, 4096, 4097, 32767, 32768, 32769, 65536, 65537, 100000};
  unsigned seed = 10;
  for (std::size_t size : sizes) {
    for (const Bytes& data : {textLike(size, seed), randomBytes(size, seed + 1),
                              runHeavy(size, seed + 2), Bytes(size, 0)}) {
      SCOPED_TRACE(size);
      ASSERT_EQ(unpack(pack(data)), data);
    }
    seed += 3;
  }
}

TEST(Lzrw1Container, RandomDataIsStoredCopiedAndDoesNotGrowMuch) {
  const Bytes data = randomBytes(70000, 77);
  const Bytes file = pack(data);
  for (const Bytes& chunk : chunksOf(file)) EXPECT_EQ(chunk.at(0), 0x80);
  EXPECT_EQ(file.size(), 8u + 3u * 2u + 1u * 3u + 70000u);
}

TEST(Lzrw1Container, TextShrinks) {
  const Bytes data = textLike(200000, 9);
  EXPECT_LT(pack(data).size(), data.size() / 2);
}

TEST(Lzrw1Container, EveryTruncationIsACleanError) {
  const Bytes file = pack(textLike(40000, 11));
  for (std::size_t cut = 0; cut < file.size(); ++cut) {
    const Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
    ASSERT_THROW(unpack(part), ELzrw1Exception) << "cut at " << cut;
  }
}

TEST(Lzrw1Container, BitFlipsNeverEscapeTheBuffers) {
  const Bytes file = pack(textLike(3000, 12));
  int rejected = 0;
  for (std::size_t at = 0; at < file.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      Bytes bad = file;
      bad[at] = static_cast<std::uint8_t>(bad[at] ^ (1u << bit));
      try {
        const Bytes out = unpack(bad);
        // Whatever decodes must at least honour the stored size.
        const std::int32_t stored = bad[4] | (bad[5] << 8) | (bad[6] << 16) | (bad[7] << 24);
        ASSERT_EQ(static_cast<std::int64_t>(out.size()), stored);
      } catch (const ELzrw1Exception&) {
        ++rejected;
      }
    }
  }
  EXPECT_GT(rejected, 0);
}

}  // namespace
}  // namespace kuvo
