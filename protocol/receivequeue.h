// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The receive queue: the messages of all connections, served in turn. Each
// connection's own messages keep their order; between connections the queue
// takes one from each in rotation, so a connection with many waiting delays
// another's next message by at most one of its own. With a single source (the
// client's host) it is plain first in, first out.
#pragma once

#include <cstddef>
#include <deque>
#include <limits>
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

// What the queue holds at most: messages and bytes of one source, and of all
// sources together. The default per source is a host's bound for one peer.
struct QueueLimits {
  std::size_t perSource = kMaxQueuedPerSource;
  std::size_t bytesPerSource = std::numeric_limits<std::size_t>::max();
  std::size_t total = std::numeric_limits<std::size_t>::max();
  std::size_t totalBytes = std::numeric_limits<std::size_t>::max();
};

struct QueuedMessage {
  long long source = 0;  // which connection it came from (0 on the client)
  int slot = 0;          // the slot that connection held when the message arrived
  std::string text;      // the message without its terminator
};

class ReceiveQueue {
 public:
  explicit ReceiveQueue(std::size_t maxPerSource = kMaxQueuedPerSource)
      : ReceiveQueue(QueueLimits{.perSource = maxPerSource}) {}
  explicit ReceiveQueue(QueueLimits limits) : limits_(limits) {}

  // Returns false (and queues nothing) when the message would take the source
  // or the whole queue past one of its limits.
  bool push(QueuedMessage message);
  // Forgets every message of the source: a connection that is gone is not
  // served, and takes no turn.
  void dropSource(long long source);
  // The oldest message of the source whose turn it is.
  std::optional<QueuedMessage> pop();
  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  std::size_t bytes() const { return bytes_; }
  std::size_t countFrom(long long source) const;

 private:
  struct Waiting {
    std::deque<QueuedMessage> messages;
    std::size_t bytes = 0;
  };

  QueueLimits limits_;
  std::size_t size_ = 0;
  std::size_t bytes_ = 0;
  std::unordered_map<long long, Waiting> waiting_;  // only sources with some
  std::deque<long long> turns_;  // the sources with messages, next to be served first
};

}  // namespace kuvo
