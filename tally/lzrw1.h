// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// LZRW1-KH, the block coder of the tally file, and the "WRZL" container around it.
//
// Container (integers little-endian):
//   "WRZL"  4 bytes   coder identifier
//   size    4 bytes   uncompressed size, signed 32-bit
//   chunks            16-bit length L, then L bytes of one coded block
// The data is cut into 32768-byte blocks; every block is coded on its own. A full block is
// always followed by another chunk, so sizes that are a multiple of 32768 (and empty data)
// end with a chunk coding an empty block.
//
// Coded block: byte 0 is 0x40 (compressed) or 0x80 (stored: the bytes follow unchanged).
// A compressed block holds groups of a 16-bit control word (high byte first) and up to 16
// items, one control bit per item from the top bit down: 0 = literal byte, 1 = copy item
// (2 bytes: 12-bit distance 1..4095, 4-bit length - 3) or run item (4 bytes: distance 0,
// 12-bit length - 16, the repeated byte).
//
// Everything here works in memory and trusts none of the bytes it decodes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kuvo {

// The one error kind of the compressor; what() is the text shown to the user.
class ELzrw1Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace lzrw1 {

inline constexpr std::size_t kBlockSize = 32768;
// One coded block never needs more than this (a block plus a group header and an item).
inline constexpr std::size_t kBufferSize = 32784;
inline constexpr std::size_t kHashSize = 4096;
inline constexpr std::size_t kHeaderSize = 8;

inline constexpr std::uint8_t kFlagCompressed = 0x40;
inline constexpr std::uint8_t kFlagCopied = 0x80;

// Codes one block of n <= kBlockSize bytes into out (kBufferSize bytes) and returns the coded
// length. hash is the coder's table of kHashSize entries; it is cleared here.
std::size_t compressBlock(const std::uint8_t* in, std::size_t n, std::uint8_t* out,
                          std::int16_t* hash);

// Decodes one coded block of m bytes into out (kBlockSize bytes). Returns the decoded length,
// or -1 when the block is damaged: an item cut short, a copy reaching before the start of
// the output, or output beyond kBlockSize.
std::ptrdiff_t decompressBlock(const std::uint8_t* in, std::size_t m, std::uint8_t* out);

// The error texts, with the file name filled in.
std::string readErrorText(const std::string& fileName);
std::string writeErrorText(const std::string& fileName);
std::string openInputErrorText(const std::string& fileName);
std::string openOutputErrorText(const std::string& fileName);
std::string badHeaderText(const std::string& fileName);
std::string lzhNotSupportedText(const std::string& fileName);
std::string damagedDataText(const std::string& fileName);
std::string tooLargeText(const std::string& fileName);
extern const char* const kSizeMismatchText;

}  // namespace lzrw1

// The compressor object: owns its hash table (allocated once) and codes whole containers in
// memory, always in the fast LZRW1-KH mode.
class Tlzrw1 {
 public:
  Tlzrw1();
  ~Tlzrw1();
  Tlzrw1(const Tlzrw1&) = delete;
  Tlzrw1& operator=(const Tlzrw1&) = delete;

  // The whole "WRZL" container for data. fileName names the data in the error raised when
  // it is too large for the container's 32-bit size field.
  std::vector<std::uint8_t> compress(std::span<const std::uint8_t> data,
                                     const std::string& fileName = {});
  std::vector<std::uint8_t> compress(const std::string& data, const std::string& fileName = {});

  // The data inside a container. fileName is the container's path, used in the error texts.
  // A container whose stored size is above maxOutput is refused before any decoding.
  static std::vector<std::uint8_t> decompress(
      std::span<const std::uint8_t> container, const std::string& fileName,
      std::size_t maxOutput = std::numeric_limits<std::int32_t>::max());
  static std::string decompressToString(
      std::span<const std::uint8_t> container, const std::string& fileName,
      std::size_t maxOutput = std::numeric_limits<std::int32_t>::max());

 private:
  std::int16_t* hash_;
};

}  // namespace kuvo
