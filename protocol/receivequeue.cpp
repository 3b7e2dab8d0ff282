// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivequeue.h"

#include <algorithm>

namespace kuvo {

bool ReceiveQueue::push(QueuedMessage message) {
  const std::size_t bytes = message.text.size();
  if (size_ >= limits_.total || bytes > limits_.totalBytes - bytes_) return false;
  auto found = waiting_.find(message.source);
  if (found != waiting_.end() && (found->second.messages.size() >= limits_.perSource ||
                                  bytes > limits_.bytesPerSource - found->second.bytes))
    return false;
  if (found == waiting_.end()) {
    if (limits_.perSource == 0 || bytes > limits_.bytesPerSource) return false;
    // A source joins the rotation at its end when it has nothing waiting.
    turns_.push_back(message.source);
    found = waiting_.emplace(message.source, Waiting{}).first;
  }
  found->second.messages.push_back(std::move(message));
  found->second.bytes += bytes;
  ++size_;
  bytes_ += bytes;
  return true;
}

std::optional<QueuedMessage> ReceiveQueue::pop() {
  if (turns_.empty()) return std::nullopt;
  const long long source = turns_.front();
  turns_.pop_front();
  auto it = waiting_.find(source);
  QueuedMessage front = std::move(it->second.messages.front());
  it->second.messages.pop_front();
  it->second.bytes -= front.text.size();
  --size_;
  bytes_ -= front.text.size();
  if (it->second.messages.empty()) {
    waiting_.erase(it);
  } else {
    turns_.push_back(source);
  }
  return front;
}

void ReceiveQueue::dropSource(long long source) {
  auto it = waiting_.find(source);
  if (it == waiting_.end()) return;
  size_ -= it->second.messages.size();
  bytes_ -= it->second.bytes;
  waiting_.erase(it);
  turns_.erase(std::remove(turns_.begin(), turns_.end(), source), turns_.end());
}

std::size_t ReceiveQueue::countFrom(long long source) const {
  auto it = waiting_.find(source);
  return it == waiting_.end() ? 0 : it->second.messages.size();
}

}  // namespace kuvo
