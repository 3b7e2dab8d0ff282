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
// layout. Builders below and both dispatchers use this table, so no name is
// spelled twice in the program.
//
// Messages marked "extension" are Kuvo's own additions. A peer that does not
// know them ignores them, as every side ignores unknown messages, and nothing
// ever waits for one: a peer without them still plays with us. The table
// finder's query and answer, also our own, travel over UDP beside this
// protocol and are described in discovery.h.
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "gamerules.h"
#include "version.h"

namespace kuvo {

inline constexpr char kTerminator = '\xFF';
inline constexpr int kLobbyPort = 9001;

enum class Dir { ToHost, ToClient };

enum class Msg {
  // client to host
  LoginInfo,
  KickHim,
  Chat,
  Action,
  StartGame,
  JustWatch,
  PullHandle,
  ChooseDice,
  PlayASound,
  Leaving,  // extension
  Reclaim,  // extension
  // host to client
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
  Moderator,  // extension
  SeatKey,    // extension
  SendOff,    // extension
};

struct MessageSpec {
  Msg id;
  Dir dir;
  std::string_view name;
  std::string_view layout;  // the fields after the name, for readers of the code
};

inline constexpr std::array kCatalogue = {
    MessageSpec{Msg::LoginInfo, Dir::ToHost, "CMD_logininfo", "slot; version; name (rest)"},
    MessageSpec{Msg::KickHim, Dir::ToHost, "CMD_kickhim", "sender slot; slot to remove; empty"},
    MessageSpec{Msg::Chat, Dir::ToHost, "CMD_chat", "slot; text|colour (rest)"},
    MessageSpec{Msg::Action, Dir::ToHost, "CMD_action", "slot; text|colour (rest)"},
    MessageSpec{Msg::StartGame, Dir::ToHost, "CMD_startgame", "name; rounds; seconds; empty"},
    MessageSpec{Msg::JustWatch, Dir::ToHost, "CMD_justwatch", "slot; 1 or 2"},
    MessageSpec{Msg::PullHandle, Dir::ToHost, "CMD_pullhandle", "slot; empty"},
    MessageSpec{Msg::ChooseDice, Dir::ToHost, "CMD_choosedice", "slot; column; row; empty"},
    MessageSpec{Msg::PlayASound, Dir::ToHost, "CMD_playasound", "slot; waveN; empty"},
    // extension: the player leaves on purpose (exit, window closed); the seat is
    // freed at once instead of being kept for a return
    MessageSpec{Msg::Leaving, Dir::ToHost, "CMD_leaving", "slot; empty"},
    // extension: the answer to "CMD_sendlogininfo" of a player coming back
    // after a dropped connection, instead of a login; the key of its seat
    MessageSpec{Msg::Reclaim, Dir::ToHost, "CMD_reclaim", "slot; key"},
    MessageSpec{Msg::SendLoginInfo, Dir::ToClient, "CMD_sendlogininfo", "slot"},
    MessageSpec{Msg::Full, Dir::ToClient, "CMD_full", "(none)"},
    MessageSpec{Msg::NewPlayerInfo, Dir::ToClient, "CMD_newplayerinfo", "slot; name; 0"},
    MessageSpec{Msg::ExistingPlayers, Dir::ToClient, "CMD_existingplayers",
                "groups of slot; name; watching flag"},
    MessageSpec{Msg::HaveWrongVersion, Dir::ToClient, "CMD_havewrongversion", "name (rest)"},
    MessageSpec{Msg::WrongVersion, Dir::ToClient, "CMD_wrongversion", "(none)"},
    MessageSpec{Msg::LoadStats, Dir::ToClient, "CMD_loadstats",
                "round; rounds; seconds; seconds left; groups of slot; total; pulls"},
    MessageSpec{Msg::LoadBoard, Dir::ToClient, "CMD_loadboard", "25 groups of column; row; value"},
    MessageSpec{Msg::YourDice, Dir::ToClient, "CMD_yourdice",
                "slot; pulls; 5 groups of die; value; bonus"},
    MessageSpec{Msg::StartGameAll, Dir::ToClient, "CMD_startgame", "name; rounds; seconds; empty"},
    MessageSpec{Msg::StartRound, Dir::ToClient, "CMD_startround", "round; groups of slot; pulls"},
    MessageSpec{Msg::ChooseDiceOwn, Dir::ToClient, "CMD_choosedice",
                "slot; total; points; column; row; pulls; bonus; empty"},
    MessageSpec{Msg::HisScores, Dir::ToClient, "CMD_hisscores",
                "slot; total; points; pulls; empty"},
    MessageSpec{Msg::Filled, Dir::ToClient, "CMD_filled", "slot; clearing bonus; empty"},
    MessageSpec{Msg::EndRound, Dir::ToClient, "CMD_endround", "groups of slot; total; round score"},
    MessageSpec{Msg::Winner, Dir::ToClient, "CMD_winner", "slot; empty"},
    MessageSpec{Msg::OutTime, Dir::ToClient, "CMD_outtime", "(none)"},
    MessageSpec{Msg::JustWatching, Dir::ToClient, "CMD_justwatching", "slot; 1 or 2"},
    MessageSpec{Msg::PlayerDisconnected, Dir::ToClient, "CMD_playerdisconnected",
                "slot; name (rest)"},
    MessageSpec{Msg::ChatRelay, Dir::ToClient, "CMD_chat", "slot; name chats: text|colour (rest)"},
    MessageSpec{Msg::ActionRelay, Dir::ToClient, "CMD_action", "slot; name text|colour (rest)"},
    MessageSpec{Msg::PlayASoundRelay, Dir::ToClient, "CMD_playasound", "slot; waveN; empty"},
    // extension: the seat that starts games and removes players, sent to everyone
    // whenever it changes and to each newcomer
    MessageSpec{Msg::Moderator, Dir::ToClient, "CMD_moderator", "slot; empty"},
    // extension: to a seated player only, after its login and after each return:
    // the key that takes the seat back over a new connection
    MessageSpec{Msg::SeatKey, Dir::ToClient, "CMD_seatkey", "slot; key"},
    // extension: the host closes this connection on purpose (removed, table
    // ended, return refused): the client must not try to come back
    MessageSpec{Msg::SendOff, Dir::ToClient, "CMD_leaving", "slot; empty"},
};

// The name of a message as it goes on the wire.
std::string_view nameOf(Msg m);

// The message of the given direction whose name matches exactly (case-sensitive).
std::optional<Msg> lookup(Dir dir, std::string_view name);

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
std::string build(Msg m, std::initializer_list<Field> fields);
// The same with fields already joined (list payloads built in a loop).
std::string buildJoined(Msg m, std::string_view joinedFields);

// A queued message split at its first "+": an entry without "+" has an empty name.
struct SplitMessage {
  std::string_view name;
  std::string_view payload;
};
SplitMessage splitMessage(std::string_view entry);

}  // namespace kuvo
