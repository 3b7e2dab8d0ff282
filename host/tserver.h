// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host: connections, the player table, login, relays, moderation and
// departures. Owns the game engine and the host's receive queue. Plain logic:
// the socket glue reports accepts, bytes and closes; the timers are injected.
#pragma once

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "droplog.h"
#include "engine.h"
#include "framing.h"
#include "gamerules.h"
#include "messages.h"
#include "playertable.h"
#include "random.h"
#include "ratelimit.h"
#include "receivequeue.h"
#include "timer.h"

namespace kuvo {

// What one slot may have shown to everyone (chat lines, actions, sounds,
// just-watch switches): a burst of this many, then this many a second, for
// whichever connection holds it. The rest is dropped.
inline constexpr int kRelayBurst = 10;
inline constexpr int kRelaysPerSecond = 5;
// A connection that has not logged in this long after being asked to is closed.
inline constexpr std::chrono::milliseconds kLoginTimeout{10'000};
// A seat whose player lost the connection during a game waits this long for
// the player to come back, played by the computer meanwhile.
inline constexpr std::chrono::milliseconds kSeatHold{60'000};
// A seat key: 128 bits from the system's secure source, in hexadecimal.
inline constexpr std::size_t kSeatKeyDigits = 32;
// What the host queues from its peers, per connection and over all of them.
// A connection's messages go when it does, and one message is served a tick
// in turn, so a player's next message waits at most one tick per other
// connection, whatever the others send; the bytes bound the host's memory.
inline constexpr QueueLimits kHostQueueLimits{
    .perSource = kMaxQueuedPerSource,
    .bytesPerSource = (kRelayBurst + 2) * kMaxFrameBytes,
    .total = kMaxQueuedPerSource * (kMaxConnections + 1),
    .totalBytes = (kRelayBurst + 2) * kMaxFrameBytes * (kMaxConnections + 1),
};
// Before its login is handled, a connection may queue its login (or the key
// of its kept seat) of at most this size, and behind it a few more messages
// as small, which wait for the login: a stranger who never logs in costs the
// table a few bytes and is never served anything but its login.
inline constexpr std::size_t kMaxLoginBytes = 1024;
inline constexpr int kMaxQueuedBehindLogin = 4;

class TServer {
 public:
  using LogFn = std::function<void(const std::string&)>;
  using Clock = std::function<std::chrono::milliseconds()>;

  TServer(Random& random, Timer& socktimer, Timer& timer1, Timer& turntimer);

  // Where the host reports logins and departures (kuvo-host prints them).
  void setLog(LogFn log) { log_ = std::move(log); }
  // A steady clock in milliseconds for the relay limit, the login timeout and
  // kept seats; the default is the system's steady clock.
  void setClock(Clock clock) { clock_ = std::move(clock); }
  // The relay limit of every connection, for a benchmark that measures the
  // relay itself rather than the limit.
  void setRelayLimit(int burst, int perSecond) { relayLimits_.fill(TokenBucket(burst, perSecond)); }

  // A new connection. Returns its slot 1..9, or a waiting entry from which it
  // may only take back a kept seat; returns 0 when neither is free, in which
  // case the connection has been sent "CMD_full+" and closed.
  int Sock1Accept(HostConnection* conn);
  // Bytes arrived on the connection of `slot`.
  void Sock1Read(int slot, std::string_view bytes);
  // The connection of `slot` is gone (closed by either side, or broken).
  // Must be reported once per connection. A seated player's connection lost
  // during a game keeps the seat for a while; see held().
  void connectionClosed(int slot);
  // The table ends on purpose: every connection is told who closed it (the
  // slot of the hosting player, 0 for the table itself) and not to come back,
  // before its owner closes it.
  void closeTable(int closer);

  // One message off the queue per tick; the timer runs only while messages wait.
  void socktimerTimer();
  void Timer1Timer() {
    closeSilentConnections();
    engine_.Timer1Timer();
    releaseHolds();
  }
  void turntimerTimer() { engine_.turntimerTimer(); }

  const PlayerTable& table() const { return table_; }
  PlayerTable& table() { return table_; }
  GameEngine& engine() { return engine_; }
  // The seat that starts games, removes players and switches others to just
  // watch: the lowest seated player when the last one left, 0 for none.
  int moderator() const { return moderator_; }
  bool queueEmpty() const { return receivedlist_.empty(); }
  const ReceiveQueue& queue() const { return receivedlist_; }
  // Which connection holds the entry now: its queued messages carry this.
  long long connectionId(int slot) const {
    return slot >= 1 && slot < kTableEntries ? connectionIds_[slot] : 0;
  }
  // The seat is kept for a player whose connection was lost.
  bool held(int slot) const { return PlayerTable::isPlayerSlot(slot) && table_.players[slot].held; }

 private:
  void dispatch(const QueuedMessage& message);
  void receivedlogininfo(int sender, std::string_view payload);
  void kickhim(int sender, std::string_view payload);
  void relay(ToClient relayed, std::string_view separator, int sender, std::string_view payload);
  void playasound(int sender, std::string_view payload);
  void justwatch(int sender, std::string_view payload);
  void startgame(int sender, std::string_view payload);
  void pullhandle(int sender, std::string_view payload);
  void choosedice(int sender, std::string_view payload);
  // Gives the seat of `slot` up at once and closes its connection: the key is
  // spent, the queued messages are dropped, and the close, whenever the peer
  // gets to it, is not reported.
  void letGo(int slot);
  // Whether a message of a connection that has not logged in yet is queued.
  bool admitBeforeLogin(int slot, std::optional<ToHost> id, std::size_t bytes);
  // A free waiting entry for a connection from `address` while a seat is
  // kept, or 0.
  int waitingEntryFor(const std::string& address);
  void reclaim(int sender, std::string_view payload);
  // Closes on purpose: the peer is told first, and its seat is not kept.
  void sendOff(int slot);
  void holdSeat(int slot);
  // The departure of a slot: the others are told and the seat is free.
  void depart(int slot);
  // A seat nobody holds any more is out of the game: out of the round, its
  // points gone, so it can neither win nor tie.
  void dropOut(int slot);
  // Ends the holds that ran out, and every hold once no game runs.
  void releaseHolds();
  void sendSeatKey(int slot);
  // Everything a player back in its seat needs to show the table as it stands.
  void sendTableTo(int slot);
  // Every other connected slot with its name and just-watch flag.
  void sendExistingPlayersTo(int slot);
  // The game as it stands: round, rounds, seconds, seconds left, every total and pulls.
  void sendStatsTo(int slot);
  bool roundRunning() const;
  // News of a kept seat to everybody but its own slot: the typed message to
  // connections that read it, the plain line to the others.
  void sendSeatNotice(int slot, const std::string& typed, const std::string& text);
  void extensions(int sender, std::string_view payload);
  // Closes every connection whose login is overdue.
  void closeSilentConnections();
  // False for a chat line, action or sound over the sender's relay limit.
  bool withinRelayLimit(int slot, std::string_view message);
  std::chrono::milliseconds now() const;

  // A player slot whose connection has logged in.
  bool isSeated(int slot) const;
  void setModerator(int slot);
  // The lowest player seat with its player there (not a kept seat), or 0.
  int lowestPresentSeat() const;
  // False for a slot number that is missing or not the sender's; logged.
  bool ownSlot(std::optional<int> claimed, int sender, ToHost what);
  // A message dropped as malformed or out of place, for the debug log.
  void refused(int sender, ToHost what, std::string_view why);
  void log(const std::string& line) const {
    if (log_) log_(line);
  }

  PlayerTable table_;
  GameEngine engine_;
  Timer& socktimer_;
  ReceiveQueue receivedlist_{kHostQueueLimits};
  std::array<FrameSplitter, kTableEntries> splitters_;
  std::array<long long, kTableEntries> connectionIds_{};
  long long nextConnectionId_ = 0;
  std::array<TokenBucket, kTableEntries> relayLimits_;
  std::array<bool, kTableEntries> relayDropping_{};  // to log a run of drops once
  // When each connection's login is due; zero once it has logged in.
  std::array<std::chrono::milliseconds, kTableEntries> loginDue_{};
  // The key that takes each seat back; empty when none would. Never logged.
  std::array<std::string, kTableEntries> seatKeys_{};
  std::array<std::chrono::milliseconds, kTableEntries> holdDue_{};
  // The connection ends on purpose (the player left, or the host closed it):
  // its seat is freed at once.
  std::array<bool, kTableEntries> leaving_{};
  std::array<bool, kTableEntries> reclaimTried_{};  // one attempt per connection
  // Messages queued before the login was handled, the login first; 0: none.
  std::array<int, kTableEntries> queuedBeforeLogin_{};
  // The connection reads the typed notices of kept seats ("CMD_extensions").
  std::array<bool, kTableEntries> typedNotices_{};
  // Where each waiting entry's connection comes from.
  std::array<std::string, kTableEntries> waitingAddress_{};

  int moderator_ = 0;
  // The kept seat whose player had the role when the connection was lost.
  int roleKeptFor_ = 0;
  DropLog drops_;
  LogFn log_;
  Clock clock_;
};

}  // namespace kuvo
