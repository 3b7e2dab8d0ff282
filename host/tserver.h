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

// What one connection may have shown to everyone (chat lines, actions,
// sounds): a burst of this many, then this many a second. The rest is dropped.
inline constexpr int kRelayBurst = 10;
inline constexpr int kRelaysPerSecond = 5;
// A connection that has not logged in this long after being asked to is closed.
inline constexpr std::chrono::milliseconds kLoginTimeout{10'000};
// A seat whose player lost the connection during a game waits this long for
// the player to come back, played by the computer meanwhile.
inline constexpr std::chrono::milliseconds kSeatHold{60'000};
// A seat key: 128 bits from the system's secure source, in hexadecimal.
inline constexpr std::size_t kSeatKeyDigits = 32;

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

  // A new connection. Returns its slot 1..9; returns 0 when no slot is free,
  // in which case the connection has been sent "CMD_full+" and closed.
  int Sock1Accept(HostConnection* conn);
  // Bytes arrived on the connection of `slot`.
  void Sock1Read(int slot, std::string_view bytes);
  // The connection of `slot` is gone (closed by either side, or broken).
  // Must be reported once per connection. A seated player's connection lost
  // during a game keeps the seat for a while; see held().
  void connectionClosed(int slot);
  // The table ends on purpose: every connection is told not to come back
  // before its owner closes it. `closer`: the slot of the player who closes it.
  void closeTable(int closer = 0);

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
  void disconnectsock(int slot);
  void reclaim(int sender, std::string_view payload);
  // Closes on purpose: the peer is told first, and its seat is not kept.
  void sendOff(int slot);
  void holdSeat(int slot);
  // The departure of a slot: the others are told and the seat is free.
  void depart(int slot);
  // Ends the holds that ran out, and every hold once no game runs.
  void releaseHolds();
  void sendSeatKey(int slot);
  // Everything a player back in its seat needs to show the table as it stands.
  void sendTableTo(int slot);
  // A line the clients write in their own notice style and colour.
  void sendNotice(int except, const std::string& text);
  // Closes every connection whose login is overdue.
  void closeSilentConnections();
  // False for a chat line, action or sound over the sender's relay limit.
  bool withinRelayLimit(int slot, std::string_view message);
  std::chrono::milliseconds now() const;

  // A player slot whose connection has logged in.
  bool isSeated(int slot) const;
  void setModerator(int slot);
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
  ReceiveQueue receivedlist_;
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

  int moderator_ = 0;
  DropLog drops_;
  LogFn log_;
  Clock clock_;
};

}  // namespace kuvo
