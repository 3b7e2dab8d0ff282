// The receive queue: messages of all connections, first in, first out.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace kuvo {

// A legitimate player has a handful of messages in flight; a connection with
// this many waiting on the host is flooding it and is dropped. Kept small, so
// that a peer who stays just below it delays the others by a third of a
// second at most (one message per 10 ms tick) while the queue keeps its
// strict arrival order.
inline constexpr std::size_t kMaxQueuedPerSource = 32;
// The client's one source is its host, whose bursts (a round start, a late
// join, six players' moves) may pile up while the window is busy.
inline constexpr std::size_t kMaxQueuedFromHost = 1024;

struct QueuedMessage {
  long long source = 0;  // which connection it came from (0 on the client)
  int slot = 0;          // the slot that connection held when the message arrived
  std::string text;      // the message without its terminator
};

class ReceiveQueue {
 public:
  explicit ReceiveQueue(std::size_t maxPerSource = kMaxQueuedPerSource)
      : maxPerSource_(maxPerSource) {}

  // Returns false (and queues nothing) when the source already has the
  // maximum number of messages waiting.
  bool push(QueuedMessage message);
  std::optional<QueuedMessage> pop();
  bool empty() const { return entries_.empty(); }
  std::size_t size() const { return entries_.size(); }
  std::size_t countFrom(long long source) const;

 private:
  std::size_t maxPerSource_;
  std::deque<QueuedMessage> entries_;
  std::unordered_map<long long, std::size_t> perSource_;
};

}  // namespace kuvo
