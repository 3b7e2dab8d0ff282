#include "receivequeue.h"

namespace kuvo {

bool ReceiveQueue::push(QueuedMessage message) {
  auto& count = perSource_[message.source];
  if (count >= maxPerSource_) return false;
  ++count;
  entries_.push_back(std::move(message));
  return true;
}

std::optional<QueuedMessage> ReceiveQueue::pop() {
  if (entries_.empty()) return std::nullopt;
  QueuedMessage front = std::move(entries_.front());
  entries_.pop_front();
  auto it = perSource_.find(front.source);
  if (it != perSource_.end() && --it->second == 0) perSource_.erase(it);
  return front;
}

std::size_t ReceiveQueue::countFrom(long long source) const {
  auto it = perSource_.find(source);
  return it == perSource_.end() ? 0 : it->second;
}

}  // namespace kuvo
