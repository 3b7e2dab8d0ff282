// Plays any number of connections against the host: each step of the input
// accepts, closes or feeds a connection, or ticks one of the host's clocks.
// Whatever the peers send, the host must neither crash nor touch memory it
// does not own, and its queue and buffers must stay bounded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "tserver.h"

namespace {

class FuzzConnection : public kuvo::HostConnection {
 public:
  explicit FuzzConnection(kuvo::TServer& server) : server_(server) {}
  void send(std::string_view bytes) override { sent += bytes.size(); }
  void close() override {
    if (closed) return;
    closed = true;
    if (slot > 0) server_.connectionClosed(slot);
  }
  int slot = 0;
  bool closed = false;
  std::size_t sent = 0;

 private:
  kuvo::TServer& server_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kuvo::Random random(size);
  kuvo::ManualTimer socktimer, timer1, turntimer;
  kuvo::TServer server(random, socktimer, timer1, turntimer);
  std::vector<std::unique_ptr<FuzzConnection>> connections;

  std::size_t at = 0;
  auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
  while (at < size) {
    const std::uint8_t op = next();
    switch (op % 6) {
      case 0: {  // a new connection
        if (connections.size() >= 64) break;
        connections.push_back(std::make_unique<FuzzConnection>(server));
        auto& c = *connections.back();
        c.slot = server.Sock1Accept(&c);
        break;
      }
      case 1: {  // a connection goes away
        if (connections.empty()) break;
        connections[next() % connections.size()]->close();
        break;
      }
      case 2: {  // bytes from a connection, with a terminator now and then
        if (connections.empty()) break;
        auto& c = *connections[next() % connections.size()];
        const std::size_t length = std::min<std::size_t>(next(), size - at);
        if (!c.closed && c.slot > 0) {
          server.Sock1Read(c.slot, {reinterpret_cast<const char*>(data + at), length});
        }
        at += length;
        break;
      }
      case 3:  // work the queue
        for (int i = next() % 32; i >= 0 && socktimer.isActive(); --i) server.socktimerTimer();
        break;
      case 4:  // the game timer
        for (int i = next() % 8; i >= 0; --i) {
          if (timer1.isActive()) server.Timer1Timer();
        }
        break;
      case 5:  // the round clock
        for (int i = next() % 8; i >= 0; --i) {
          if (turntimer.isActive()) server.turntimerTimer();
        }
        break;
    }
  }
  // Draining what is left must terminate and keep the table consistent.
  for (int i = 0; i < 100000 && socktimer.isActive(); ++i) server.socktimerTimer();
  const auto& table = server.table();
  if (table.host.slotcount < 0 || table.host.slotcount > kuvo::kMaxConnections) std::abort();
  for (int slot = 1; slot <= kuvo::kMaxConnections; ++slot) {
    if (table.players[slot].connected && !table.players[slot].conn) std::abort();
  }
  return 0;
}
