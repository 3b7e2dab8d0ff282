// The receive queue: messages of all connections, first in, first out.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

namespace kuvo {

// A legitimate client has a handful of messages in flight; one that has this
// many waiting is flooding the host and is dropped.
inline constexpr std::size_t kMaxQueuedPerSource = 256;

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
