#include "framing.h"

#include "messages.h"

namespace kuvo {

bool FrameSplitter::feed(std::string_view bytes, const std::function<void(std::string&&)>& sink) {
  std::size_t start = 0;
  while (start <= bytes.size()) {
    const auto end = bytes.find(kTerminator, start);
    if (end == std::string_view::npos) break;
    std::string message;
    message.reserve(pending_.size() + (end - start));
    message.swap(pending_);
    message.append(bytes.substr(start, end - start));
    sink(std::move(message));
    start = end + 1;
  }
  if (start < bytes.size()) pending_.append(bytes.substr(start));
  if (pending_.size() > maxPending_) {
    pending_.clear();
    pending_.shrink_to_fit();
    return false;
  }
  return true;
}

}  // namespace kuvo
