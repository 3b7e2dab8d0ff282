#include "framing.h"

#include "messages.h"

namespace kuvo {

bool FrameSplitter::feed(std::string_view bytes, const std::function<void(std::string&&)>& sink) {
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const auto end = bytes.find(kTerminator, start);
    if (end == std::string_view::npos) break;
    const std::size_t length = pending_.size() + (end - start);
    if (length > maxFrame_) return refuse();
    std::string message;
    message.reserve(length);
    message.swap(pending_);
    message.append(bytes.substr(start, end - start));
    sink(std::move(message));
    start = end + 1;
  }
  if (start < bytes.size()) {
    if (pending_.size() + (bytes.size() - start) > maxFrame_) return refuse();
    pending_.append(bytes.substr(start));
  }
  return true;
}

bool FrameSplitter::refuse() {
  pending_.clear();
  pending_.shrink_to_fit();
  return false;
}

}  // namespace kuvo
