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
//   query   KUVO_FIND+2+<nonce>    format 2: the nonce is 16 lower-case hex digits
//   answer  KUVO_TABLE+2+<nonce>+<tcp port>+...+<table name>
//                                  as format 1, echoing the query's nonce
//
// Format 2 lets a finder take only answers to its own recent queries: anybody
// can send a datagram, but only who saw the query knows its nonce. A finder
// sends both queries, format 2 first; a table built before format 2 answers
// only the first format, and a newer table answers the second only (it has
// answered that asker within the second already). The finder shows a format 1
// answer only when it comes from the port asked at, and never lets one change
// a row a format 2 answer made.
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
inline constexpr std::string_view kNoncedFindHead = "KUVO_FIND+2+";
inline constexpr std::size_t kFindNonceDigits = 16;
inline constexpr std::size_t kMaxFindQueryBytes = kNoncedFindHead.size() + kFindNonceDigits;
inline constexpr std::size_t kMaxTableAnswerBytes = 512;
inline constexpr int kMaxTableAnswersPerSecond = 20;

struct TableAnswer {
  int port = 0;
  int seated = 0;
  int watching = 0;
  bool playing = false;
  int round = 0;
  int rounds = 0;
  std::string name;        // UTF-8
  std::string nonce = {};  // the query's, echoed in format 2; empty in format 1

  bool operator==(const TableAnswer&) const = default;
};

// The nonce of a find query: empty for format 1, nullopt for anything else.
std::optional<std::string> parseFindQuery(std::string_view datagram);
std::string buildNoncedFindQuery(std::string_view nonce);
// The answer, its name cut on a character boundary to fit the datagram; in
// format 2 when the table carries a nonce.
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
