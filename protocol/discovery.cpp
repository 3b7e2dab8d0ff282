// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "discovery.h"

#include <algorithm>

#include "fields.h"
#include "names.h"

namespace kuvo {
namespace {

constexpr std::string_view kAnswerHead = "KUVO_TABLE+1+";
constexpr std::string_view kNoncedAnswerHead = "KUVO_TABLE+2+";

bool wellFormedNonce(std::string_view nonce) {
  return nonce.size() == kFindNonceDigits &&
         nonce.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}
constexpr int kMaxRound = 100000;  // tie-breaks add rounds, but never this many

// A count as the answer writes it: decimal digits only, within [low, high].
std::optional<int> count(FieldReader& reader, int low, int high) {
  const std::string_view text = reader.field();
  if (text.empty() || text.size() > 6) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const auto value = parseInt(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

// The length of the longest start of `text` that fits `room` bytes and does
// not end inside a UTF-8 sequence.
std::size_t cutToFit(std::string_view text, std::size_t room) {
  if (text.size() <= room) return text.size();
  std::size_t end = room;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return end;
}

}  // namespace

std::optional<std::string> parseFindQuery(std::string_view datagram) {
  if (datagram == kFindQuery) return std::string();
  if (!datagram.starts_with(kNoncedFindHead)) return std::nullopt;
  const std::string_view nonce = datagram.substr(kNoncedFindHead.size());
  if (!wellFormedNonce(nonce)) return std::nullopt;
  return std::string(nonce);
}

std::string buildNoncedFindQuery(std::string_view nonce) {
  return std::string(kNoncedFindHead) + std::string(nonce);
}

std::string buildTableAnswer(const TableAnswer& table) {
  std::string out(kAnswerHead);
  if (!table.nonce.empty()) {
    out = kNoncedAnswerHead;
    out += table.nonce;
    out += '+';
  }
  for (const int value : {table.port, table.seated, table.watching, table.playing ? 1 : 0,
                          table.round, table.rounds}) {
    out += std::to_string(value);
    out += '+';
  }
  const std::size_t room =
      kMaxTableAnswerBytes > out.size() ? kMaxTableAnswerBytes - out.size() : 0;
  out.append(table.name, 0, cutToFit(table.name, room));
  return out;
}

std::optional<TableAnswer> parseTableAnswer(std::string_view datagram) {
  // The head (with the nonce in format 2), six counts each followed by "+",
  // then the name.
  if (datagram.size() > kMaxTableAnswerBytes) return std::nullopt;
  TableAnswer table;
  if (datagram.starts_with(kAnswerHead)) {
    datagram.remove_prefix(kAnswerHead.size());
  } else if (datagram.starts_with(kNoncedAnswerHead)) {
    datagram.remove_prefix(kNoncedAnswerHead.size());
    const std::string_view nonce = datagram.substr(0, kFindNonceDigits);
    if (!wellFormedNonce(nonce) || datagram.substr(kFindNonceDigits, 1) != "+") return std::nullopt;
    table.nonce = nonce;
    datagram.remove_prefix(kFindNonceDigits + 1);
  } else {
    return std::nullopt;
  }
  if (std::count(datagram.begin(), datagram.end(), '+') < 6) return std::nullopt;
  FieldReader reader(datagram);
  const auto port = count(reader, 1, 65535);
  const auto seated = count(reader, 0, 6);
  const auto watching = count(reader, 0, 3);
  const auto playing = count(reader, 0, 1);
  const auto round = count(reader, 0, kMaxRound);
  const auto rounds = count(reader, 0, kMaxRound);
  if (!port || !seated || !watching || !playing || !round || !rounds) return std::nullopt;
  table.port = *port;
  table.seated = *seated;
  table.watching = *watching;
  table.playing = *playing == 1;
  table.round = *round;
  table.rounds = *rounds;
  // A stranger chooses it: no controls, and nothing that turns the row around.
  table.name = blankControls(reader.rest());
  return table;
}

bool AnswerLimit::allow(std::chrono::milliseconds now) {
  if (count_ == sent_.size() && now - sent_[next_] < std::chrono::seconds(1)) return false;
  sent_[next_] = now;
  next_ = (next_ + 1) % sent_.size();
  if (count_ < sent_.size()) ++count_;
  return true;
}

bool AskerLimit::allow(const std::string& address, std::chrono::milliseconds now) {
  const auto recent = [&](std::chrono::milliseconds at) {
    return now - at < std::chrono::seconds(1);
  };
  if (lastAnswer_.size() >= kMaxRememberedAskers) {
    std::erase_if(lastAnswer_, [&](const auto& entry) { return !recent(entry.second); });
    if (lastAnswer_.size() >= kMaxRememberedAskers) return false;
  }
  const auto [at, inserted] = lastAnswer_.try_emplace(address, now);
  if (inserted) return true;
  if (recent(at->second)) return false;
  at->second = now;
  return true;
}

}  // namespace kuvo
