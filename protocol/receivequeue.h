// The receive queue: the messages of all connections, served in turn. Each
// connection's own messages keep their order; between connections the queue
// takes one from each in rotation, so a connection with many waiting delays
// another's next message by at most one of its own. With a single source (the
// client's host) it is plain first in, first out.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace kuvo {

// A legitimate player has a handful of messages in flight; a connection with
// this many waiting on the host is flooding it and is dropped.
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
  // The oldest message of the source whose turn it is.
  std::optional<QueuedMessage> pop();
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  std::size_t countFrom(long long source) const;

 private:
  std::size_t maxPerSource_;
  std::size_t size_ = 0;
  std::unordered_map<long long, std::deque<QueuedMessage>> waiting_;  // only sources with some
  std::deque<long long> turns_;  // the sources with messages, next to be served first
};

}  // namespace kuvo
