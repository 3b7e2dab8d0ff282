// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tserver.h"

#include <algorithm>
#include <utility>

#include <QRandomGenerator>

#include "boardmessages.h"
#include "colortext.h"
#include "fields.h"
#include "logging.h"
#include "messages.h"
#include "names.h"

namespace kuvo {

namespace {

// A slot that a connection can occupy, the waiting entries for returning
// players included.
bool isEntry(int slot) {
  return PlayerTable::isConnectionSlot(slot) || isWaitingEntry(slot);
}

std::string newSeatKey() {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string key;
  key.reserve(kSeatKeyDigits);
  QRandomGenerator* source = QRandomGenerator::system();
  while (key.size() < kSeatKeyDigits) {
    quint32 bits = source->generate();
    for (int i = 0; i < 8 && key.size() < kSeatKeyDigits; ++i, bits >>= 4)
      key += kDigits[bits & 0xF];
  }
  return key;
}

// Takes as long for a key that differs in its first digit as for one that
// differs in its last, so timing tells a guesser nothing. Every key has the
// same length; the length is no secret.
bool sameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  unsigned char difference = 0;
  for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
  return difference == 0;
}

}  // namespace

// Every message names a slot; only the sender's own is believed, so nobody
// can log in, chat, pull or choose as somebody else.
bool TServer::ownSlot(std::optional<int> claimed, int sender, ToHost what) {
  if (claimed && *claimed == sender) return true;
  if (!claimed) {
    refused(sender, what, "without a slot number");
  } else {
    drops_.warning(sender, "slot " + std::to_string(sender) + " sent " + std::string(nameOf(what)) +
                               " as slot " + std::to_string(*claimed) + "; dropped");
  }
  return false;
}

void TServer::refused(int sender, ToHost what, std::string_view why) {
  if (!drops_.debugEnabled()) return;
  drops_.debug(sender, "slot " + std::to_string(sender) + ": " + std::string(nameOf(what)) + " " +
                           std::string(why) + "; dropped");
}

TServer::TServer(Random& random, Timer& socktimer, Timer& timer1, Timer& turntimer)
    : engine_(table_, random, timer1, turntimer), socktimer_(socktimer), drops_(logHost) {
  drops_.setClock([this] { return now(); });
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
  releaseHolds();
  auto& host = table_.host;
  int slot = 0;
  for (int s = 1; s <= host.slotcount && slot == 0; ++s) {
    if (!table_.players[s].connected) slot = s;
  }
  if (slot == 0 && host.slotcount + 1 <= kMaxConnections) slot = ++host.slotcount;
  // A player coming back to a kept seat is never turned away as full.
  if (slot == 0) slot = waitingEntryFor(conn->peerAddress());
  if (slot == 0) {
    conn->send(build(ToClient::Full, {}));
    conn->close();
    return 0;
  }
  auto& p = table_.players[slot];
  p.conn = conn;
  p.connected = true;
  splitters_[slot] = FrameSplitter();
  connectionIds_[slot] = ++nextConnectionId_;
  // The relay limit stays the slot's: a new connection does not refill it.
  relayDropping_[slot] = false;
  loginDue_[slot] = now() + kLoginTimeout;
  leaving_[slot] = false;
  reclaimTried_[slot] = false;
  queuedBeforeLogin_[slot] = 0;
  typedNotices_[slot] = false;
  conn->send(build(ToClient::SendLoginInfo, {slot}));
  return slot;
}

int TServer::waitingEntryFor(const std::string& address) {
  int kept = 0;
  for (int s = 1; s <= kPlayerSlots; ++s) kept += table_.players[s].held ? 1 : 0;
  if (kept == 0) return 0;
  // One entry per address: a second knock from the same place takes the place
  // of the first (a client trying again, or a stranger, who then never holds
  // more than one), so the others stay free for the players who come back.
  for (int s = kFirstWaitingEntry; s < kTableEntries && !address.empty(); ++s) {
    if (!table_.players[s].connected || waitingAddress_[s] != address) continue;
    if (table_.players[s].conn) table_.players[s].conn->send(build(ToClient::Full, {}));
    letGo(s);
  }
  int waiting = 0;
  int free = 0;
  for (int s = kFirstWaitingEntry; s < kTableEntries; ++s) {
    if (table_.players[s].connected) {
      ++waiting;
    } else if (free == 0) {
      free = s;
    }
  }
  if (free == 0 || waiting > kept) return 0;
  waitingAddress_[free] = address;
  return free;
}

void TServer::Sock1Read(int slot, std::string_view bytes) {
  if (!isEntry(slot) || !table_.players[slot].connected || !table_.players[slot].conn) return;
  bool flooded = false;
  bool leaves = false;
  const bool ok = splitters_[slot].feed(bytes, [&](std::string&& text) {
    if (flooded || leaves) return;
    // Seen as it arrives: the close that follows it comes before the queue
    // would get to it, and must free the seat instead of keeping it.
    const auto [name, payload] = splitMessage(text);
    const auto id = lookupToHost(name);
    if (id == ToHost::Leaving) {
      leaves = ownSlot(FieldReader(payload).intField(), slot, ToHost::Leaving);
      return;
    }
    if (loginDue_[slot].count() != 0 && !admitBeforeLogin(slot, id, text.size())) return;
    if (!withinRelayLimit(slot, text)) return;
    if (!receivedlist_.push({connectionIds_[slot], slot, std::move(text)})) flooded = true;
  });
  if (!receivedlist_.empty() && !socktimer_.isActive()) socktimer_.start();
  if (leaves) {
    letGo(slot);
  } else if (!ok || flooded) {
    drops_.warning(slot, "slot " + std::to_string(slot) +
                             (ok ? ": more messages queued than the host holds"
                                 : ": a message over the size limit") +
                             "; the connection is closed");
    log("Slot " + std::to_string(slot) + " dropped: it sent more than the host accepts");
    sendOff(slot);
  }
}

bool TServer::admitBeforeLogin(int slot, std::optional<ToHost> id, std::size_t bytes) {
  int& queued = queuedBeforeLogin_[slot];
  const bool login = id == ToHost::LoginInfo || id == ToHost::Reclaim;
  if (!id || bytes > kMaxLoginBytes || (queued == 0 && !login) ||
      (queued > 0 && (login || queued > kMaxQueuedBehindLogin))) {
    if (id) refused(slot, *id, "before the login was handled");
    return false;
  }
  ++queued;
  return true;
}

bool TServer::withinRelayLimit(int slot, std::string_view message) {
  // Checked as the bytes arrive, so a burst over the limit never fills the
  // queue and the connection keeps its seat.
  const auto id = lookupToHost(splitMessage(message).name);
  if (!id || (*id != ToHost::Chat && *id != ToHost::Action && *id != ToHost::PlayASound &&
              *id != ToHost::JustWatch))
    return true;
  if (relayLimits_[slot].take(now())) {
    relayDropping_[slot] = false;
    return true;
  }
  refused(slot, *id, "over the relay limit");
  if (!relayDropping_[slot]) {
    relayDropping_[slot] = true;
    log("Slot " + std::to_string(slot) + " is over the chat limit; its lines are dropped for now");
  }
  return false;
}

void TServer::closeSilentConnections() {
  const auto time = now();
  for (int slot = 1; slot < kTableEntries; ++slot) {
    const auto& p = table_.players[slot];
    if (!p.connected || !p.conn || loginDue_[slot].count() == 0 || time < loginDue_[slot]) continue;
    loginDue_[slot] = {};
    log("Slot " + std::to_string(slot) + " closed: no login within " +
        std::to_string(kLoginTimeout.count() / 1000) + " s");
    sendOff(slot);
  }
}

void TServer::socktimerTimer() {
  auto message = receivedlist_.pop();
  if (receivedlist_.empty()) socktimer_.stop();
  if (message) dispatch(*message);
}

void TServer::dispatch(const QueuedMessage& message) {
  const auto [name, payload] = splitMessage(message.text);
  const auto id = lookupToHost(name);
  const int sender = message.slot;
  if (!id) {
    if (drops_.debugEnabled())
      drops_.debug(sender, "slot " + std::to_string(sender) +
                               ": unknown message dropped: " + peerText(message.text));
    return;
  }
  // A message still queued from a connection whose slot has since been handed
  // to a newcomer would otherwise speak with the newcomer's slot and name.
  if (!isEntry(sender) || connectionIds_[sender] != message.source) {
    refused(sender, *id, "from a connection that is gone");
    return;
  }
  if (isWaitingEntry(sender) && *id != ToHost::Reclaim) {
    refused(sender, *id, "from a connection waiting for a kept seat");
    // The waiting entry is for a kept seat's player only; anybody else finds
    // the table as full as it is.
    if (*id == ToHost::LoginInfo && table_.players[sender].conn) {
      table_.players[sender].conn->send(build(ToClient::Full, {}));
      letGo(sender);
    }
    return;
  }
  // Whatever waited behind a login that was refused speaks for nobody.
  if (loginDue_[sender].count() != 0 && *id != ToHost::LoginInfo && *id != ToHost::Reclaim) {
    refused(sender, *id, "from a connection that has not logged in");
    return;
  }
  switch (*id) {
    case ToHost::Reclaim:
      reclaim(sender, payload);
      break;
    case ToHost::LoginInfo:
      receivedlogininfo(sender, payload);
      break;
    case ToHost::KickHim:
      kickhim(sender, payload);
      break;
    case ToHost::Chat:
      relay(ToClient::ChatRelay, " chats: ", sender, payload);
      break;
    case ToHost::Action:
      relay(ToClient::ActionRelay, " ", sender, payload);
      break;
    case ToHost::StartGame:
      startgame(sender, payload);
      break;
    case ToHost::JustWatch:
      justwatch(sender, payload);
      break;
    case ToHost::PullHandle:
      pullhandle(sender, payload);
      break;
    case ToHost::ChooseDice:
      choosedice(sender, payload);
      break;
    case ToHost::PlayASound:
      playasound(sender, payload);
      break;
    case ToHost::Leaving:
      // Taken as it arrives, never queued: the close right behind it must
      // find the seat already given up.
      break;
    case ToHost::Extensions:
      extensions(sender, payload);
      break;
  }
}

void TServer::receivedlogininfo(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender, ToHost::LoginInfo)) return;
  auto& p = table_.players[sender];
  // A login queued before its connection went must not bring the slot back:
  // a slot marked connected without a connection would never be freed again.
  if (!p.connected || !p.conn) return;
  // Once: a second login would announce the player again, with the entry
  // sound and a new row on every screen, as often as it is sent.
  if (loginDue_[sender].count() == 0) {
    refused(sender, ToHost::LoginInfo, "a second time");
    return;
  }
  const auto version = reader.field();
  loginDue_[sender] = {};
  // A name is one field everywhere it goes; what a peer sent is cleaned before
  // anybody sees it, so it can neither split into more fields nor style a label.
  const auto sentName = reader.rest();
  p.name = cleanName(sentName, sender);
  const std::string& name = p.name;
  log("Slot " + std::to_string(sender) + " logged in as " + escapeForConsole(name) +
      (sentName == name ? "" : " (sent as \"" + escapeForConsole(sentName) + "\")"));

  table_.sendAll(build(ToClient::NewPlayerInfo, {sender, name, "0"}));
  sendExistingPlayersTo(sender);

  if (moderator_ == 0 && PlayerTable::isPlayerSlot(sender)) {
    setModerator(sender);
  } else if (moderator_ != 0) {
    table_.sendTo(sender, build(ToClient::Moderator, {moderator_, ""}));
  }

  if (version != kVersion) {
    table_.sendTo(moderator_, build(ToClient::HaveWrongVersion, {name}));
    table_.sendTo(sender, build(ToClient::WrongVersion, {}));
  }

  if (table_.host.gameon) {
    sendStatsTo(sender);
    if (PlayerTable::isPlayerSlot(sender) && p.pullsleft > 0) {
      table_.sendTo(sender, loadBoardMessage(p.playerboard));
      table_.sendTo(sender, yourDiceMessage(sender, p.pullsleft, p.dice, p.bonus));
    }
  }
  if (PlayerTable::isPlayerSlot(sender)) sendSeatKey(sender);
}

void TServer::kickhim(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender, ToHost::KickHim)) return;
  if (sender != moderator_) {
    refused(sender, ToHost::KickHim, "from a slot that does not moderate");
    return;
  }
  const auto target = reader.intField();
  if (!target || !PlayerTable::isConnectionSlot(*target)) {
    refused(sender, ToHost::KickHim, "for no slot there is");
    return;
  }
  if (!table_.players[*target].connected) return;
  const auto describe = [this](int slot) {
    const auto& name = table_.players[slot].name;
    return "slot " + std::to_string(slot) +
           (name.empty() ? "" : " (" + escapeForConsole(name) + ")");
  };
  log("Slot " + std::to_string(sender) + " (" + escapeForConsole(table_.players[sender].name) +
      ") removed " + describe(*target));
  // Told before the send-off, so that every screen, the removed player's
  // included, can say who did it instead of showing a lost connection.
  table_.sendAll(build(ToClient::Removed, {sender, *target, ""}));
  // A removed player's seat is not kept, and its key takes it back no more.
  if (held(*target)) {
    depart(*target);
  } else {
    sendOff(*target);
  }
}

int TServer::lowestPresentSeat() const {
  for (int s = 1; s <= kPlayerSlots; ++s) {
    if (isSeated(s) && !table_.players[s].held) return s;
  }
  return 0;
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
  table_.sendAll(build(ToClient::Moderator, {slot, ""}));
}

// The relay of a line that arrived under the frame limit may be over it once
// the sender's name is added, and a client refuses such a frame by dropping
// the connection. So the text is cut to fit, keeping its colour; a relay that
// cannot fit even so is dropped. Either way the sender keeps its seat.
static std::optional<std::string> relayFrame(ToClient relayed, int sender, std::string_view head,
                                             std::string_view text) {
  const std::size_t overhead = build(relayed, {sender, head}).size() - 1;  // the terminator
  if (overhead > kMaxFrameBytes) return std::nullopt;
  const auto fitted = fitColouredText(text, kMaxFrameBytes - overhead);
  if (!fitted) return std::nullopt;
  std::string line(head);
  line += *fitted;
  return build(relayed, {sender, line});
}

void TServer::relay(ToClient relayed, std::string_view separator, int sender,
                    std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender,
               relayed == ToClient::ChatRelay ? ToHost::Chat : ToHost::Action))
    return;
  const std::string head = table_.players[sender].name + std::string(separator);
  if (const auto frame = relayFrame(relayed, sender, head, reader.rest())) table_.sendAll(*frame);
}

void TServer::playasound(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender, ToHost::PlayASound)) return;
  // A sound name is not cut: a sound that does not fit is no sound.
  const std::string frame = build(ToClient::PlayASoundRelay, {sender, reader.rest()});
  if (frame.size() - 1 <= kMaxFrameBytes) table_.sendAll(frame);
}

void TServer::justwatch(int sender, std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  // A player switches only itself; the moderator may switch anyone seated.
  if (!slot || !PlayerTable::isPlayerSlot(*slot) || (*slot != sender && sender != moderator_)) {
    refused(sender, ToHost::JustWatch, "for a seat it may not switch: " + peerText(payload));
    return;
  }
  const auto value = reader.rest();
  auto& p = table_.players[*slot];
  if (value == "2") {
    p.watching = false;
    table_.sendAll(build(ToClient::JustWatching, {*slot, "2"}));
  } else if (value == "1" && table_.host.gameon) {
    p.watching = true;
    table_.sendAll(build(ToClient::JustWatching, {*slot, "1"}));
  }
}

void TServer::startgame(int sender, std::string_view payload) {
  if (sender != moderator_) {
    refused(sender, ToHost::StartGame, "from a slot that does not moderate");
    return;
  }
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
  if (!ownSlot(reader.intField(), sender, ToHost::PullHandle)) return;
  if (!PlayerTable::isPlayerSlot(sender)) {
    refused(sender, ToHost::PullHandle, "from a watcher");
    return;
  }
  engine_.pullhandle(sender);
}

void TServer::choosedice(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender, ToHost::ChooseDice)) return;
  if (!PlayerTable::isPlayerSlot(sender)) {
    refused(sender, ToHost::ChooseDice, "from a watcher");
    return;
  }
  const auto column = reader.intField();
  const auto row = reader.intField();
  if (!column || !row || *column < 0 || *column >= kBoardSize || *row < 0 || *row >= kBoardSize) {
    refused(sender, ToHost::ChooseDice, "for no cell of the board: " + peerText(payload));
    return;
  }
  engine_.choosedice(sender, *column, *row);
}

void TServer::sendOff(int slot) {
  auto& p = table_.players[slot];
  if (!p.connected || !p.conn) return;
  p.conn->send(build(ToClient::SendOff, {slot, ""}));
  letGo(slot);
}

void TServer::letGo(int slot) {
  auto& p = table_.players[slot];
  HostConnection* conn = p.conn;
  if (!p.connected || !conn) return;
  // Not when the peer gets round to closing: one that stops reading would
  // keep the seat and its key for seconds, and could take a seat it was
  // removed from straight back with that key.
  conn->reassigned(0);
  leaving_[slot] = true;
  depart(slot);
  conn->close();
}

void TServer::closeTable(int closer) {
  log(closer == 0 ? std::string("The table is closed")
                  : "The table is closed by slot " + std::to_string(closer));
  for (int slot = 1; slot < kTableEntries; ++slot) {
    auto& p = table_.players[slot];
    if (!p.connected || !p.conn) continue;
    p.conn->send(build(ToClient::TableClosed, {closer, ""}));
    p.conn->send(build(ToClient::SendOff, {slot, ""}));
    leaving_[slot] = true;
  }
}

void TServer::sendSeatNotice(int slot, const std::string& typed, const std::string& text) {
  // A client that reads the typed notices words them itself, in its own
  // language; any other gets the line as an action from slot 0 in the notice
  // colour, which every client writes as one of its own notices.
  const std::string line =
      build(ToClient::ActionRelay, {0, text + '|' + colourToText(kSystemColour)});
  for (int s = 1; s <= table_.host.slotcount && s <= kMaxConnections; ++s) {
    if (s != slot) table_.sendTo(s, typedNotices_[s] ? typed : line);
  }
}

void TServer::extensions(int sender, std::string_view payload) {
  FieldReader reader(payload);
  if (!ownSlot(reader.intField(), sender, ToHost::Extensions)) return;
  const auto level = reader.intField();
  if (!level || *level < 1 || !reader.atEnd()) {
    refused(sender, ToHost::Extensions, "without a level: " + peerText(payload));
    return;
  }
  typedNotices_[sender] = true;
}

void TServer::sendSeatKey(int slot) {
  seatKeys_[slot] = newSeatKey();
  table_.sendTo(slot, build(ToClient::SeatKey, {slot, seatKeys_[slot]}));
}

void TServer::connectionClosed(int slot) {
  if (!isEntry(slot)) return;
  auto& p = table_.players[slot];
  // A kept seat has no connection that could still report.
  if (p.held) return;
  if (p.connected && p.conn && isSeated(slot) && table_.host.gameon && !leaving_[slot] &&
      !seatKeys_[slot].empty()) {
    holdSeat(slot);
    return;
  }
  depart(slot);
}

void TServer::holdSeat(int slot) {
  auto& p = table_.players[slot];
  receivedlist_.dropSource(connectionIds_[slot]);
  p.conn = nullptr;
  p.held = true;
  typedNotices_[slot] = false;
  holdDue_[slot] = now() + kSeatHold;
  splitters_[slot] = FrameSplitter();
  // Nobody could start or remove while the seat waits: the role goes to the
  // lowest seat whose player is there, and comes back with the player.
  if (slot == moderator_) {
    roleKeptFor_ = slot;
    setModerator(lowestPresentSeat());
  }
  const int seconds = static_cast<int>(kSeatHold.count() / 1000);
  log("Slot " + std::to_string(slot) + " (" + escapeForConsole(p.name) +
      ") lost the connection; the seat is kept for " + std::to_string(seconds) + " s");
  sendSeatNotice(slot, build(ToClient::SeatKept, {slot, seconds, ""}),
                 p.name + " lost the connection. The seat is kept for " + std::to_string(seconds) +
                     " seconds.");
}

void TServer::releaseHolds() {
  const bool gameon = table_.host.gameon;
  const auto time = now();
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    if (!table_.players[slot].held || (gameon && time < holdDue_[slot])) continue;
    log("Slot " + std::to_string(slot) + ": the kept seat is given up");
    depart(slot);
  }
}

void TServer::depart(int slot) {
  auto& p = table_.players[slot];
  if (p.connected && !isWaitingEntry(slot)) {
    log("Slot " + std::to_string(slot) +
        (p.name.empty() ? "" : " (" + escapeForConsole(p.name) + ")") + " left");
    table_.sendAllExcept(slot, build(ToClient::PlayerDisconnected, {slot, p.name}));
  }
  p.connected = false;
  p.conn = nullptr;
  p.name.clear();
  p.watching = false;
  p.held = false;
  // Nothing the connection left in the queue is served: it would speak for a
  // seat that is gone, and take turns from those still there.
  receivedlist_.dropSource(connectionIds_[slot]);
  connectionIds_[slot] = ++nextConnectionId_;
  holdDue_[slot] = {};
  seatKeys_[slot].clear();
  leaving_[slot] = false;
  typedNotices_[slot] = false;
  loginDue_[slot] = {};
  splitters_[slot] = FrameSplitter();
  waitingAddress_[slot].clear();
  if (isWaitingEntry(slot)) return;
  dropOut(slot);
  if (slot == roleKeptFor_) roleKeptFor_ = 0;
  if (slot == moderator_) setModerator(lowestPresentSeat());
  if (engine_.noonecango() && table_.host.gameon) engine_.endround();
}

void TServer::dropOut(int slot) {
  // The computer holds slot 2 and plays on with its board, pulls and total.
  if (!PlayerTable::isPlayerSlot(slot) || slot == kComputerSlot) return;
  auto& p = table_.players[slot];
  p.pullsleft = -1;
  p.score = 0;
  p.roundscore = 0;
}

void TServer::reclaim(int sender, std::string_view payload) {
  auto& from = table_.players[sender];
  // Only instead of a login, and once: a logged-in player has a seat already.
  if (!from.connected || !from.conn || loginDue_[sender].count() == 0) return;
  FieldReader reader(payload);
  const bool own = ownSlot(reader.intField(), sender, ToHost::Reclaim);
  const std::string_view key = reader.rest();
  releaseHolds();
  int seat = 0;
  if (own && !reclaimTried_[sender] && table_.host.gameon) {
    // Every seat's key is compared, whichever matches.
    for (int s = 1; s <= kPlayerSlots; ++s) {
      if (!seatKeys_[s].empty() && sameKey(seatKeys_[s], key) && s != sender) seat = s;
    }
  }
  reclaimTried_[sender] = true;
  auto& to = table_.players[seat];
  if (seat == 0 || !to.connected) {
    // Never the key itself: a log reader could take the seat with it.
    drops_.warning(sender,
                   "slot " + std::to_string(sender) +
                       ": CMD_reclaim with a key of no kept seat; the connection is closed");
    log("Slot " + std::to_string(sender) + " closed: it asked for a seat it cannot have");
    sendOff(sender);
    return;
  }
  // Spent: the key is good for this one return only.
  seatKeys_[seat].clear();

  // The seat may still look connected when the new connection comes before
  // the old one is seen to be gone; the key says the old one is dead.
  if (!to.held && to.conn) {
    to.conn->reassigned(0);
    to.conn->close();
  }
  HostConnection* conn = from.conn;
  // The connection was never announced, so its slot goes without a word.
  from.connected = false;
  from.conn = nullptr;
  from.name.clear();
  from.watching = false;
  loginDue_[sender] = {};
  dropOut(sender);

  to.conn = conn;
  to.connected = true;
  to.held = false;
  holdDue_[seat] = {};
  leaving_[seat] = false;
  reclaimTried_[seat] = true;
  splitters_[seat] = std::move(splitters_[sender]);
  splitters_[sender] = FrameSplitter();
  connectionIds_[seat] = connectionIds_[sender];
  connectionIds_[sender] = ++nextConnectionId_;
  // The relay limit is the seat's: coming back again and again refills nothing.
  typedNotices_[seat] = std::exchange(typedNotices_[sender], false);
  conn->reassigned(seat);

  log("Slot " + std::to_string(seat) + " (" + escapeForConsole(to.name) + ") is back");
  sendSeatNotice(seat, build(ToClient::SeatBack, {seat, ""}), to.name + " is back in the seat.");
  sendSeatKey(seat);
  sendTableTo(seat);
  if (seat == roleKeptFor_) {
    roleKeptFor_ = 0;
    setModerator(seat);
  }
}

void TServer::sendTableTo(int slot) {
  const auto& p = table_.players[slot];
  const auto& host = table_.host;
  table_.sendTo(slot, build(ToClient::NewPlayerInfo, {slot, p.name, p.watching ? "1" : "0"}));
  sendExistingPlayersTo(slot);
  if (moderator_ != 0) table_.sendTo(slot, build(ToClient::Moderator, {moderator_, ""}));
  sendStatsTo(slot);

  // Taken cells go with the number they had (as the client keeps a taken
  // cell), so the board looks as it did before the drop.
  BoardCells board{};
  for (int c = 0; c < kBoardSize; ++c) {
    for (int r = 0; r < kBoardSize; ++r) {
      const int cell = p.playerboard[c][r];
      board[c][r] = cell >= 1 ? cell : 100 + host.masterboard[c][r];
    }
  }
  table_.sendTo(slot, loadBoardMessage(board));

  // Always the dice, also none: a pull that was under way when the
  // connection went is over, and the pulls shown are the host's.
  const bool playing = roundRunning() && p.pullsleft >= 0;
  table_.sendTo(slot, playing ? yourDiceMessage(slot, p.pullsleft, p.dice, p.bonus)
                              : yourDiceMessage(slot, 0, DiceRow{}, DiceRow{}));
}

void TServer::sendExistingPlayersTo(int slot) {
  std::string others;
  for (int s = 1; s <= table_.host.slotcount && s <= kMaxConnections; ++s) {
    const auto& other = table_.players[s];
    if (s == slot || !other.connected) continue;
    if (!others.empty()) others += '+';
    others += std::to_string(s) + '+' + other.name + '+' + (other.watching ? "1" : "0");
  }
  if (!others.empty()) table_.sendTo(slot, buildJoined(ToClient::ExistingPlayers, others));
}

bool TServer::roundRunning() const {
  return table_.host.gameon && table_.host.timer1mode == kTimer1ModeComputers;
}

void TServer::sendStatsTo(int slot) {
  const auto& host = table_.host;
  // The clock only while a timed round runs; between rounds, and in a game
  // without a limit, there is none to show.
  const int secondsLeft =
      roundRunning() && host.roundtime > 0 ? std::max(host.turncount - kRoundClockGrace, 0) : 0;
  std::string stats = std::to_string(host.roundnumber) + '+' + std::to_string(host.roundspergame) +
                      '+' + std::to_string(host.roundtime) + '+' + std::to_string(secondsLeft);
  for (int s = 1; s <= kPlayerSlots; ++s) {
    const auto& q = table_.players[s];
    stats +=
        '+' + std::to_string(s) + '+' + std::to_string(q.score) + '+' + std::to_string(q.pullsleft);
  }
  table_.sendTo(slot, buildJoined(ToClient::LoadStats, stats));
}

}  // namespace kuvo
