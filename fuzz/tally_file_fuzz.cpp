// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the tally file read at start-up: the container is unpacked
// (or refused), the table text is read (or refused), and whatever was read
// must write back and read again to the very same table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include <QByteArray>

#include "lzrw1.h"
#include "tallyfile.h"
#include "tallystore.h"

namespace {

constexpr int kMaxRoundTripRows = 1000;

void checkTable(const QByteArray& plain) {
  kuvo::TallyStore store;
  try {
    store = kuvo::TallyStore::fromText(plain);
  } catch (const kuvo::TallyError&) {
    return;
  }
  // A declared table of many empty rows goes through the same code as a small one at a
  // hundred times the cost, so only tables of moderate size are written back.
  if (store.rowCount() > kMaxRoundTripRows) return;
  const QByteArray text = store.toText();
  const QByteArray again = kuvo::TallyStore::fromText(text).toText();
  if (again != text) std::abort();
  // Packed as the program saves it and unpacked as it loads it.
  static kuvo::Tlzrw1 doit;
  const auto packed = doit.compress(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                    static_cast<std::size_t>(text.size())));
  const auto unpacked = kuvo::Tlzrw1::decompress(packed, "fuzz");
  if (QByteArray(reinterpret_cast<const char*>(unpacked.data()),
                 static_cast<qsizetype>(unpacked.size())) != text) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes as a whole file.
  try {
    const auto plain = kuvo::Tlzrw1::decompress(std::span<const std::uint8_t>(data, size), "fuzz",
                                                static_cast<std::size_t>(kuvo::kMaxTallyTextBytes));
    checkTable(QByteArray(reinterpret_cast<const char*>(plain.data()),
                          static_cast<qsizetype>(plain.size())));
  } catch (const kuvo::ELzrw1Exception&) {
  }
  // The bytes as the table text inside the container.
  checkTable(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  return 0;
}
