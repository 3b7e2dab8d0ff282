// Cutting a connection's byte stream into messages at the terminator byte.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kuvo {

// No legitimate message comes near this; the longest (a board of 25 groups)
// is a few hundred bytes. A peer that sends more without a terminator is
// closed rather than allowed to grow our memory.
inline constexpr std::size_t kMaxPendingBytes = 16 * 1024;

class FrameSplitter {
 public:
  FrameSplitter() = default;
  explicit FrameSplitter(std::size_t maxPending) : maxPending_(maxPending) {}

  // Appends the bytes and hands every complete message (terminator removed)
  // to `sink`, in order. Bytes after the last terminator stay pending for the
  // next call. Returns false when the pending bytes exceed the limit: the
  // caller must drop the connection.
  bool feed(std::string_view bytes, const std::function<void(std::string&&)>& sink);

  std::size_t pendingSize() const { return pending_.size(); }

 private:
  std::size_t maxPending_ = kMaxPendingBytes;
  std::string pending_;
};

}  // namespace kuvo
