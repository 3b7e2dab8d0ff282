// The host: connections, the player table, login, relays, moderation and
// departures. Owns the game engine and the host's receive queue. Plain logic:
// the socket glue reports accepts, bytes and closes; the timers are injected.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine.h"
#include "framing.h"
#include "messages.h"
#include "playertable.h"
#include "random.h"
#include "receivequeue.h"
#include "timer.h"

namespace kuvo {

class TServer {
 public:
  using LogFn = std::function<void(const std::string&)>;

  TServer(Random& random, Timer& socktimer, Timer& timer1, Timer& turntimer);

  // Where the host reports logins and departures (kuvo-host prints them).
  void setLog(LogFn log) { log_ = std::move(log); }

  // A new connection. Returns its slot 1..9; returns 0 when no slot is free,
  // in which case the connection has been sent "CMD_full+" and closed.
  int Sock1Accept(HostConnection* conn);
  // Bytes arrived on the connection of `slot`.
  void Sock1Read(int slot, std::string_view bytes);
  // The connection of `slot` is gone (closed by either side, or broken).
  // Must be reported once per connection.
  void connectionClosed(int slot);

  // One message off the queue per tick; the timer runs only while messages wait.
  void socktimerTimer();
  void Timer1Timer() { engine_.Timer1Timer(); }
  void turntimerTimer() { engine_.turntimerTimer(); }

  const PlayerTable& table() const { return table_; }
  PlayerTable& table() { return table_; }
  GameEngine& engine() { return engine_; }
  bool queueEmpty() const { return receivedlist_.empty(); }

 private:
  void dispatch(const QueuedMessage& message);
  void receivedlogininfo(int sender, std::string_view payload);
  void kickhim(int sender, std::string_view payload);
  void relay(Msg relayed, std::string_view separator, int sender, std::string_view payload);
  void playasound(int sender, std::string_view payload);
  void justwatch(int sender, std::string_view payload);
  void startgame(int sender, std::string_view payload);
  void pullhandle(int sender, std::string_view payload);
  void choosedice(int sender, std::string_view payload);
  void disconnectsock(int slot);
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
  LogFn log_;
};

}  // namespace kuvo
