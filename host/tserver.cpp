#include "tserver.h"

#include <algorithm>
#include <cstdio>

#include "fields.h"
#include "messages.h"
#include "names.h"

namespace kuvo {

std::string escapeForConsole(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char escape[12];
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Step step = utf8StepAt(text, at);
    if (!step.valid) {
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[at]));
      out += escape;
    } else if (step.codePoint == '\\') {
      out += "\\\\";
    } else if (step.codePoint < 0x20 || (step.codePoint >= 0x7F && step.codePoint <= 0x9F)) {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(step.codePoint));
      out += escape;
    } else {
      out.append(text.substr(at, step.length));
    }
    at += step.length;
  }
  return out;
}

TServer::TServer(Random& random, Timer& socktimer, Timer& timer1, Timer& turntimer)
    : engine_(table_, random, timer1, turntimer), socktimer_(socktimer) {
  relayLimits_.fill(TokenBucket(kRelayBurst, kRelaysPerSecond));
  // The game timer runs from the start; it idles in mode 3 until a game begins.
  timer1.start();
}

std::chrono::milliseconds TServer::now() const {
  if (clock_) return clock_();
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

int TServer::Sock1Accept(HostConnection* conn) {
  // Connections that never logged in give their slots to a newcomer at once.
  closeSilentConnections();
  auto& host = table_.host;
  int slot = 0;
  for (int s = 1; s <= host.slotcount; ++s) {
    if (!table_.players[s].connected) {
      slot = s;
      break;
    }
  }
  if (slot == 0) {
    if (host.slotcount + 1 > kMaxConnections) {
      conn->send(build(Msg::Full, {}));
      conn->close();
      return 0;
    }
    slot = ++host.slotcount;
  }
  auto& p = table_.players[slot];
  p.conn = conn;
  p.connected = true;
  splitters_[slot] = FrameSplitter();
  connectionIds_[slot] = ++nextConnectionId_;
  relayLimits_[slot].reset(now());
  relayDropping_[slot] = false;
  loginDue_[slot] = now() + kLoginTimeout;
  conn->send(build(Msg::SendLoginInfo, {slot}));
  return slot;
}

void TServer::Sock1Read(int slot, std::string_view bytes) {
  if (!PlayerTable::isConnectionSlot(slot) || !table_.players[slot].connected) return;
  bool flooded = false;
  const bool ok = splitters_[slot].feed(bytes, [&](std::string&& text) {
    if (flooded || !withinRelayLimit(slot, text)) return;
    if (!receivedlist_.push({connectionIds_[slot], slot, std::move(text)})) flooded = true;
  });
  if (!receivedlist_.empty() && !socktimer_.isActive()) socktimer_.start();
  if (!ok || flooded) {
    log("Slot " + std::to_string(slot) + " dropped: it sent more than the host accepts");
    disconnectsock(slot);
  }
}

bool TServer::withinRelayLimit(int slot, std::string_view message) {
  // Checked as the bytes arrive, so a burst over the limit never fills the
  // queue and the connection keeps its seat.
  const auto id = lookup(Dir::ToHost, splitMessage(message).name);
  if (!id || (*id != Msg::Chat && *id != Msg::Action && *id != Msg::PlayASound)) return true;
  if (relayLimits_[slot].take(now())) {
    relayDropping_[slot] = false;
    return true;
  }
  if (!relayDropping_[slot]) {
    relayDropping_[slot] = true;
    log("Slot " + std::to_string(slot) + " is over the chat limit; its lines are dropped for now");
  }
  return false;
}

void TServer::closeSilentConnections() {
  const auto time = now();
  for (int slot = 1; slot <= kMaxConnections; ++slot) {
    const auto& p = table_.players[slot];
    if (!p.connected || !p.conn || loginDue_[slot].count() == 0 || time < loginDue_[slot]) continue;
    loginDue_[slot] = {};
    log("Slot " + std::to_string(slot) + " closed: no login within " +
        std::to_string(kLoginTimeout.count() / 1000) + " s");
    disconnectsock(slot);
  }
}

void TServer::socktimerTimer() {
  auto message = receivedlist_.pop();
  if (receivedlist_.empty()) socktimer_.stop();
  if (message) dispatch(*message);
}

void TServer::dispatch(const QueuedMessage& message) {
  const auto [name, payload] = splitMessage(message.text);
  const auto id = lookup(Dir::ToHost, name);
  if (!id) return;
  const int sender = message.slot;
  // A message still queued from a connection whose slot has since been handed
  // to a newcomer would otherwise speak with the newcomer's slot and name.
  if (!PlayerTable::isConnectionSlot(sender) || connectionIds_[sender] != message.source) return;
  switch (*id) {
    case Msg::LoginInfo:
      receivedlogininfo(sender, payload);
      break;
    case Msg::KickHim:
      kickhim(sender, payload);
      break;
    case Msg::Chat:
      relay(Msg::ChatRelay, " chats: ", sender, payload);
      break;
    case Msg::Action:
      relay(Msg::ActionRelay, " ", sender, payload);
      break;
    case Msg::StartGame:
      startgame(sender, payload);
      break;
    case Msg::JustWatch:
      justwatch(sender, payload);
      break;
    case Msg::PullHandle:
      pullhandle(sender, payload);
      break;
    case Msg::ChooseDice:
      choosedice(sender, payload);
      break;
    case Msg::PlayASound:
      playasound(sender, payload);
      break;
    default:
      break;
  }
}

// Every message names a slot; only the sender's own is believed, so nobody
// can log in, chat, pull or choose as somebody else.
static bool ownSlot(std::optional<int> claimed, int sender) {
  return claimed && *claimed == sender;
}

void TServer::receivedlogininfo(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender)) return;
  auto& p = table_.players[sender];
  // A login queued before its connection went must not bring the slot back:
  // a slot marked connected without a connection would never be freed again.
  if (!p.connected || !p.conn) return;
  const auto version = reader.field();
  loginDue_[sender] = {};
  // A name is one field everywhere it goes; what a peer sent is cleaned before
  // anybody sees it, so it can neither split into more fields nor style a label.
  const auto sentName = reader.rest();
  p.name = cleanName(sentName, sender);
  const std::string& name = p.name;
  log("Slot " + std::to_string(sender) + " logged in as " + escapeForConsole(name) +
      (sentName == name ? "" : " (sent as \"" + escapeForConsole(sentName) + "\")"));

  table_.sendAll(build(Msg::NewPlayerInfo, {sender, name, "0"}));

  std::string others;
  for (int s = 1; s <= table_.host.slotcount && s <= kMaxConnections; ++s) {
    const auto& other = table_.players[s];
    if (s == sender || !other.connected) continue;
    if (!others.empty()) others += '+';
    others += std::to_string(s) + '+' + other.name + '+' + (other.watching ? "1" : "0");
  }
  if (!others.empty()) table_.sendTo(sender, buildJoined(Msg::ExistingPlayers, others));

  if (moderator_ == 0 && PlayerTable::isPlayerSlot(sender)) {
    setModerator(sender);
  } else if (moderator_ != 0) {
    table_.sendTo(sender, build(Msg::Moderator, {moderator_, ""}));
  }

  if (version != kVersion) {
    table_.sendTo(moderator_, build(Msg::HaveWrongVersion, {name}));
    table_.sendTo(sender, build(Msg::WrongVersion, {}));
  }

  const auto& host = table_.host;
  if (host.gameon) {
    std::string stats = std::to_string(host.roundnumber) + '+' +
                        std::to_string(host.roundspergame) + '+' + std::to_string(host.roundtime) +
                        '+' + std::to_string(host.turncount - 4);
    for (int s = 1; s <= kPlayerSlots; ++s) {
      const auto& q = table_.players[s];
      stats += '+' + std::to_string(s) + '+' + std::to_string(q.score) + '+' +
               std::to_string(q.pullsleft);
    }
    table_.sendTo(sender, buildJoined(Msg::LoadStats, stats));
    if (PlayerTable::isPlayerSlot(sender) && p.pullsleft > 0) {
      std::string board;
      for (int c = 0; c < kBoardSize; ++c) {
        for (int r = 0; r < kBoardSize; ++r) {
          if (!board.empty()) board += '+';
          board += std::to_string(c) + '+' + std::to_string(r) + '+' +
                   std::to_string(p.playerboard[c][r]);
        }
      }
      table_.sendTo(sender, buildJoined(Msg::LoadBoard, board));
      std::string dice = std::to_string(sender) + '+' + std::to_string(p.pullsleft);
      for (int i = 0; i < kBoardSize; ++i) {
        dice += '+' + std::to_string(i) + '+' + std::to_string(p.dice[i]) + '+' +
                std::to_string(p.bonus[i]);
      }
      table_.sendTo(sender, buildJoined(Msg::YourDice, dice));
    }
  }
}

void TServer::kickhim(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender) || sender != moderator_) return;
  const auto target = reader.intField();
  if (!target || !PlayerTable::isConnectionSlot(*target)) return;
  disconnectsock(*target);
}

bool TServer::isSeated(int slot) const {
  if (!PlayerTable::isPlayerSlot(slot)) return false;
  const auto& p = table_.players[slot];
  return p.connected && !p.name.empty();
}

void TServer::setModerator(int slot) {
  if (slot == moderator_) return;
  moderator_ = slot;
  if (slot == 0) return;
  log("Slot " + std::to_string(slot) + " (" + escapeForConsole(table_.players[slot].name) +
      ") now starts the games");
  table_.sendAll(build(Msg::Moderator, {slot, ""}));
}

void TServer::disconnectsock(int slot) {
  auto& p = table_.players[slot];
  if (p.connected && p.conn) p.conn->close();
}

// The relay of a line that arrived under the frame limit may be over it once
// the sender's name is added, and a client refuses such a frame by dropping
// the connection. So the text is cut to fit, keeping its colour; a relay that
// cannot fit even so is dropped. Either way the sender keeps its seat.
static std::optional<std::string> relayFrame(Msg relayed, int sender, std::string_view head,
                                             std::string_view text) {
  const std::size_t overhead = build(relayed, {sender, head}).size() - 1;  // the terminator
  if (overhead > kMaxFrameBytes) return std::nullopt;
  const auto fitted = fitColouredText(text, kMaxFrameBytes - overhead);
  if (!fitted) return std::nullopt;
  std::string line(head);
  line += *fitted;
  return build(relayed, {sender, line});
}

void TServer::relay(Msg relayed, std::string_view separator, int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender)) return;
  const std::string head = table_.players[sender].name + std::string(separator);
  if (const auto frame = relayFrame(relayed, sender, head, reader.rest())) table_.sendAll(*frame);
}

void TServer::playasound(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender)) return;
  // A sound name is not cut: a sound that does not fit is no sound.
  const std::string frame = build(Msg::PlayASoundRelay, {sender, reader.rest()});
  if (frame.size() - 1 <= kMaxFrameBytes) table_.sendAll(frame);
}

void TServer::justwatch(int sender, std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  // A player switches only itself; the moderator may switch anyone seated.
  if (!slot || !PlayerTable::isPlayerSlot(*slot) || (*slot != sender && sender != moderator_))
    return;
  const auto value = reader.rest();
  auto& p = table_.players[*slot];
  if (value == "2") {
    p.watching = false;
    table_.sendAll(build(Msg::JustWatching, {*slot, "2"}));
  } else if (value == "1" && table_.host.gameon) {
    p.watching = true;
    table_.sendAll(build(Msg::JustWatching, {*slot, "1"}));
  }
}

void TServer::startgame(int sender, std::string_view payload) {
  if (sender != moderator_) return;
  // The start is announced on every screen: it carries the starter's own name
  // and only what the start dialog can ask for. Fields that are not numbers
  // keep their fallbacks.
  FieldReader reader(payload);
  reader.field();
  const auto rounds = reader.intField();
  const auto seconds = reader.intField();
  const int roundspergame =
      rounds ? std::clamp(*rounds, kMinRoundsPerGame, kMaxRoundsPerGame) : kDefaultRoundsPerGame;
  const int roundtime = seconds ? std::clamp(*seconds, 0, kMaxRoundSeconds) : 0;
  const std::string& name = table_.players[sender].name;
  log("Slot " + std::to_string(sender) + " (" + escapeForConsole(name) + ") started a game of " +
      std::to_string(roundspergame) + " rounds, " + std::to_string(roundtime) + " seconds each");
  engine_.startgame(name + '+' + std::to_string(roundspergame) + '+' + std::to_string(roundtime) +
                    '+');
}

void TServer::pullhandle(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender) || !PlayerTable::isPlayerSlot(sender)) return;
  engine_.pullhandle(sender);
}

void TServer::choosedice(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender) || !PlayerTable::isPlayerSlot(sender)) return;
  const auto column = reader.intField();
  const auto row = reader.intField();
  if (!column || !row || *column < 0 || *column >= kBoardSize || *row < 0 || *row >= kBoardSize)
    return;
  engine_.choosedice(sender, *column, *row);
}

void TServer::connectionClosed(int slot) {
  if (!PlayerTable::isConnectionSlot(slot)) return;
  auto& p = table_.players[slot];
  if (p.connected) {
    log("Slot " + std::to_string(slot) +
        (p.name.empty() ? "" : " (" + escapeForConsole(p.name) + ")") + " left");
    table_.sendAllExcept(slot, build(Msg::PlayerDisconnected, {slot, p.name}));
  }
  p.connected = false;
  p.conn = nullptr;
  p.name.clear();
  p.watching = false;
  loginDue_[slot] = {};
  splitters_[slot] = FrameSplitter();
  if (slot > kComputerSlot) p.pullsleft = -1;
  if (slot == moderator_) {
    int next = 0;
    for (int s = 1; s <= kPlayerSlots && next == 0; ++s) {
      if (isSeated(s)) next = s;
    }
    setModerator(next);
  }
  if (engine_.noonecango() && table_.host.gameon) engine_.endround();
}

}  // namespace kuvo
