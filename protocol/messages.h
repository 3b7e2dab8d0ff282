// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The message catalogue of the game protocol.
//
// Wire format: every message is a command name beginning with "CMD_", a "+",
// the fields separated by "+", and the terminator byte 0xFF. A message whose
// last field is empty therefore ends in "+" (CMD_choosedice+3+2+4+), one
// without fields is the name and a lone "+" (CMD_full+). A "rest" field takes
// everything up to the terminator, "+" included. Text is UTF-8, which never
// contains 0xFF, so no typed character can cut a message.
//
// Every message is declared once here: its name, its direction and its field
// layout. Builders below and both dispatchers use these tables, so no name is
// spelled twice in the program. Each direction has its own ids, so each
// dispatcher's switch names every message it can receive and the compiler
// tells of one it forgot.
//
// Messages marked "extension" are Kuvo's own additions. A peer that does not
// know them ignores them, as every side ignores unknown messages, and nothing
// ever waits for one: a peer without them still plays with us. The table
// finder's query and answer, also our own, travel over UDP beside this
// protocol and are described in discovery.h.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "gamerules.h"
#include "version.h"

namespace kuvo {

inline constexpr char kTerminator = '\xFF';
inline constexpr int kLobbyPort = 9001;

// The messages a client sends to the host.
enum class ToHost {
  LoginInfo,
  KickHim,
  Chat,
  Action,
  StartGame,
  JustWatch,
  PullHandle,
  ChooseDice,
  PlayASound,
  Leaving,     // extension
  Reclaim,     // extension
  Extensions,  // extension
};

// The messages the host sends to a client.
enum class ToClient {
  SendLoginInfo,
  Full,
  NewPlayerInfo,
  ExistingPlayers,
  HaveWrongVersion,
  WrongVersion,
  LoadStats,
  LoadBoard,
  YourDice,
  StartGameAll,
  StartRound,
  ChooseDiceOwn,
  HisScores,
  Filled,
  EndRound,
  Winner,
  OutTime,
  JustWatching,
  PlayerDisconnected,
  ChatRelay,
  ActionRelay,
  PlayASoundRelay,
  Moderator,    // extension
  SeatKey,      // extension
  SendOff,      // extension
  SeatKept,     // extension
  SeatBack,     // extension
  Removed,      // extension
  TableClosed,  // extension
};

template <typename Id>
struct MessageSpec {
  Id id;
  std::string_view name;
  std::string_view layout;  // the fields after the name, for readers of the code
};

// Each table lists its messages in the order of its enum.
inline constexpr std::array kToHostCatalogue = {
    MessageSpec<ToHost>{ToHost::LoginInfo, "CMD_logininfo", "slot; version; name (rest)"},
    MessageSpec<ToHost>{ToHost::KickHim, "CMD_kickhim", "sender slot; slot to remove; empty"},
    MessageSpec<ToHost>{ToHost::Chat, "CMD_chat", "slot; text|colour (rest)"},
    MessageSpec<ToHost>{ToHost::Action, "CMD_action", "slot; text|colour (rest)"},
    MessageSpec<ToHost>{ToHost::StartGame, "CMD_startgame", "name; rounds; seconds; empty"},
    MessageSpec<ToHost>{ToHost::JustWatch, "CMD_justwatch", "slot; 1 or 2"},
    MessageSpec<ToHost>{ToHost::PullHandle, "CMD_pullhandle", "slot; empty"},
    MessageSpec<ToHost>{ToHost::ChooseDice, "CMD_choosedice", "slot; column; row; empty"},
    MessageSpec<ToHost>{ToHost::PlayASound, "CMD_playasound", "slot; waveN; empty"},
    // extension: the player leaves on purpose (exit, window closed); the seat is
    // freed at once instead of being kept for a return
    MessageSpec<ToHost>{ToHost::Leaving, "CMD_leaving", "slot; empty"},
    // extension: the answer to "CMD_sendlogininfo" of a player coming back
    // after a dropped connection, instead of a login; the key of its seat
    MessageSpec<ToHost>{ToHost::Reclaim, "CMD_reclaim", "slot; key"},
    // extension: sent by a client right after its login or its return: it
    // reads the typed notices below (level 1), so the host sends it those
    // instead of their plain chat lines
    MessageSpec<ToHost>{ToHost::Extensions, "CMD_extensions", "slot; level; empty"},
};

inline constexpr std::array kToClientCatalogue = {
    MessageSpec<ToClient>{ToClient::SendLoginInfo, "CMD_sendlogininfo", "slot"},
    MessageSpec<ToClient>{ToClient::Full, "CMD_full", "(none)"},
    MessageSpec<ToClient>{ToClient::NewPlayerInfo, "CMD_newplayerinfo", "slot; name; 0"},
    MessageSpec<ToClient>{ToClient::ExistingPlayers, "CMD_existingplayers",
                          "groups of slot; name; watching flag"},
    MessageSpec<ToClient>{ToClient::HaveWrongVersion, "CMD_havewrongversion", "name (rest)"},
    MessageSpec<ToClient>{ToClient::WrongVersion, "CMD_wrongversion", "(none)"},
    MessageSpec<ToClient>{ToClient::LoadStats, "CMD_loadstats",
                          "round; rounds; seconds; seconds left; groups of slot; total; pulls"},
    MessageSpec<ToClient>{ToClient::LoadBoard, "CMD_loadboard", "25 groups of column; row; value"},
    MessageSpec<ToClient>{ToClient::YourDice, "CMD_yourdice",
                          "slot; pulls; 5 groups of die; value; bonus"},
    MessageSpec<ToClient>{ToClient::StartGameAll, "CMD_startgame", "name; rounds; seconds; empty"},
    MessageSpec<ToClient>{ToClient::StartRound, "CMD_startround", "round; groups of slot; pulls"},
    MessageSpec<ToClient>{ToClient::ChooseDiceOwn, "CMD_choosedice",
                          "slot; total; points; column; row; pulls; bonus; empty"},
    MessageSpec<ToClient>{ToClient::HisScores, "CMD_hisscores",
                          "slot; total; points; pulls; empty"},
    MessageSpec<ToClient>{ToClient::Filled, "CMD_filled", "slot; clearing bonus; empty"},
    MessageSpec<ToClient>{ToClient::EndRound, "CMD_endround", "groups of slot; total; round score"},
    MessageSpec<ToClient>{ToClient::Winner, "CMD_winner", "slot; empty"},
    MessageSpec<ToClient>{ToClient::OutTime, "CMD_outtime", "(none)"},
    MessageSpec<ToClient>{ToClient::JustWatching, "CMD_justwatching", "slot; 1 or 2"},
    MessageSpec<ToClient>{ToClient::PlayerDisconnected, "CMD_playerdisconnected",
                          "slot; name (rest)"},
    MessageSpec<ToClient>{ToClient::ChatRelay, "CMD_chat", "slot; name chats: text|colour (rest)"},
    MessageSpec<ToClient>{ToClient::ActionRelay, "CMD_action", "slot; name text|colour (rest)"},
    MessageSpec<ToClient>{ToClient::PlayASoundRelay, "CMD_playasound", "slot; waveN; empty"},
    // extension: the seat that starts games and removes players, sent to everyone
    // whenever it changes and to each newcomer
    MessageSpec<ToClient>{ToClient::Moderator, "CMD_moderator", "slot; empty"},
    // extension: to a seated player only, after its login and after each return:
    // the key that takes the seat back over a new connection
    MessageSpec<ToClient>{ToClient::SeatKey, "CMD_seatkey", "slot; key"},
    // extension: the host closes this connection on purpose (removed, table
    // ended, return refused): the client must not try to come back
    MessageSpec<ToClient>{ToClient::SendOff, "CMD_leaving", "slot; empty"},
    // extension: to clients that sent "CMD_extensions": the player of `slot`
    // lost the connection and the seat is kept this many seconds; others get
    // the same news as a plain chat line
    MessageSpec<ToClient>{ToClient::SeatKept, "CMD_seatkept", "slot; seconds; empty"},
    // extension: as above: the player of `slot` is back in the kept seat
    MessageSpec<ToClient>{ToClient::SeatBack, "CMD_seatback", "slot; empty"},
    // extension: to everyone, before the removed player is sent off: who
    // removed whom
    MessageSpec<ToClient>{ToClient::Removed, "CMD_removed",
                          "moderator's slot; removed slot; empty"},
    // extension: to everyone, before the table's connections are closed on
    // purpose: the slot of the player who closed it, 0 for the table itself
    MessageSpec<ToClient>{ToClient::TableClosed, "CMD_tableclosed", "slot; empty"},
};

namespace detail {
template <typename Table>
constexpr bool inEnumOrder(const Table& table) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (static_cast<std::size_t>(table[i].id) != i) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::inEnumOrder(kToHostCatalogue));
static_assert(detail::inEnumOrder(kToClientCatalogue));

// The name of a message as it goes on the wire.
inline constexpr std::string_view nameOf(ToHost m) {
  return kToHostCatalogue[static_cast<std::size_t>(m)].name;
}
inline constexpr std::string_view nameOf(ToClient m) {
  return kToClientCatalogue[static_cast<std::size_t>(m)].name;
}

// A seat key as a client accepts it ("CMD_seatkey", and the copy it keeps on
// disk): hexadecimal, of a sane length. The host writes 32 digits.
inline constexpr bool wellFormedSeatKey(std::string_view key) {
  if (key.size() < 32 || key.size() > 128) return false;
  for (const char c : key) {
    const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (!digit) return false;
  }
  return true;
}

// The message whose name matches exactly (case-sensitive), of the direction
// the reader expects: the host reads ToHost, a client ToClient.
std::optional<ToHost> lookupToHost(std::string_view name);
std::optional<ToClient> lookupToClient(std::string_view name);

// One field of a message: text, or an integer written in decimal.
class Field {
 public:
  Field(int value) : text_(std::to_string(value)) {}  // NOLINT: implicit by design
  Field(std::string_view text) : text_(text) {}       // NOLINT
  Field(const std::string& text) : text_(text) {}     // NOLINT
  Field(const char* text) : text_(text) {}            // NOLINT
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The whole message: name, "+", the fields joined by "+", and the terminator.
std::string build(ToHost m, std::initializer_list<Field> fields);
std::string build(ToClient m, std::initializer_list<Field> fields);
// The same with fields already joined (list payloads built in a loop).
std::string buildJoined(ToHost m, std::string_view joinedFields);
std::string buildJoined(ToClient m, std::string_view joinedFields);

// A queued message split at its first "+": an entry without "+" has an empty name.
struct SplitMessage {
  std::string_view name;
  std::string_view payload;
};
SplitMessage splitMessage(std::string_view entry);

}  // namespace kuvo
