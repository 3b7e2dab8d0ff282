// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A token bucket: up to `burst` at once, then `perSecond` a second. Time is
// given by the caller, so tests drive it with a manual clock.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>

namespace kuvo {

class TokenBucket {
 public:
  TokenBucket() : TokenBucket(0, 0) {}
  TokenBucket(int burst, int perSecond)
      : capacity_(std::int64_t{burst} * kScale), perMs_(perSecond), tokens_(capacity_) {}

  // Full again, as for a new connection.
  void reset(std::chrono::milliseconds now) {
    tokens_ = capacity_;
    last_ = now;
  }

  // Takes one token if there is one.
  bool take(std::chrono::milliseconds now) {
    if (now > last_) {
      // perSecond tokens a second is perSecond thousandths of a token a millisecond.
      const std::int64_t elapsed = std::min<std::int64_t>((now - last_).count(), capacity_);
      tokens_ = std::min(capacity_, tokens_ + elapsed * perMs_);
      last_ = now;
    }
    if (tokens_ < kScale) return false;
    tokens_ -= kScale;
    return true;
  }

 private:
  static constexpr std::int64_t kScale = 1000;  // a token in thousandths
  std::int64_t capacity_;
  std::int64_t perMs_;
  std::int64_t tokens_;
  std::chrono::milliseconds last_{0};
};

}  // namespace kuvo
