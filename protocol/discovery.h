// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding tables on the local network: Kuvo's own extension beside the game
// protocol, over UDP at the table's TCP port number. Peers that do not know it
// never see it; the game protocol is unchanged.
//
//   query   KUVO_FIND+1            exactly these 11 ASCII bytes; 1 is the format
//   answer  KUVO_TABLE+1+<tcp port>+<players seated>+<watching>+<playing>+<round>+
//           <rounds>+<table name>  one UTF-8 datagram of at most 512 bytes, sent
//                                  by unicast to the query's sender
//
// Players seated counts the people in slots 1 to 6 (not the computer player),
// watching the connections in slots 7 to 9; playing is 1 while a game runs;
// round and rounds are 0 when none does. The table name is the rest of the
// datagram. Anything else is ignored without a word: another format, other
// letter case, extra bytes, an empty or oversized datagram, an answer sent to a
// table. A table answers at most 20 queries a second in all, so it can never be
// used to multiply traffic.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kuvo {

inline constexpr std::string_view kFindQuery = "KUVO_FIND+1";
inline constexpr std::size_t kMaxTableAnswerBytes = 512;
inline constexpr int kMaxTableAnswersPerSecond = 20;

struct TableAnswer {
  int port = 0;
  int seated = 0;
  int watching = 0;
  bool playing = false;
  int round = 0;
  int rounds = 0;
  std::string name;  // UTF-8

  bool operator==(const TableAnswer&) const = default;
};

bool isFindQuery(std::string_view datagram);
// The answer, its name cut on a character boundary to fit the datagram.
std::string buildTableAnswer(const TableAnswer& table);
// Nullopt for anything that is not a well-formed answer with counts in range.
// The name comes back as it was sent: show it as plain text.
std::optional<TableAnswer> parseTableAnswer(std::string_view datagram);

// At most `kMaxTableAnswersPerSecond` answers in any one second: an answer is
// allowed when the one that many answers back is a second old.
class AnswerLimit {
 public:
  bool allow(std::chrono::milliseconds now);

 private:
  std::array<std::chrono::milliseconds, kMaxTableAnswersPerSecond> sent_{};
  std::size_t next_ = 0;
  std::size_t count_ = 0;
};

// At most one answer a second to any one address, so that one asker, however
// fast it asks, takes one answer of the overall budget a second and leaves the
// rest to the others; and an answer larger than the query goes to a claimed
// source at most once a second. It remembers this many addresses at once;
// past them, new askers wait until the remembered ones are a second old.
inline constexpr std::size_t kMaxRememberedAskers = 256;
class AskerLimit {
 public:
  bool allow(const std::string& address, std::chrono::milliseconds now);

 private:
  std::unordered_map<std::string, std::chrono::milliseconds> lastAnswer_;
};

}  // namespace kuvo
