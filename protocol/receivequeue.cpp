#include "receivequeue.h"

namespace kuvo {

bool ReceiveQueue::push(QueuedMessage message) {
  auto& waiting = waiting_[message.source];
  if (waiting.size() >= maxPerSource_) return false;
  // A source joins the rotation at its end when it has nothing waiting.
  if (waiting.empty()) turns_.push_back(message.source);
  waiting.push_back(std::move(message));
  ++size_;
  return true;
}

std::optional<QueuedMessage> ReceiveQueue::pop() {
  if (turns_.empty()) return std::nullopt;
  const long long source = turns_.front();
  turns_.pop_front();
  auto it = waiting_.find(source);
  QueuedMessage front = std::move(it->second.front());
  it->second.pop_front();
  --size_;
  if (it->second.empty()) {
    waiting_.erase(it);
  } else {
    turns_.push_back(source);
  }
  return front;
}

std::size_t ReceiveQueue::countFrom(long long source) const {
  auto it = waiting_.find(source);
  return it == waiting_.end() ? 0 : it->second.size();
}

}  // namespace kuvo
