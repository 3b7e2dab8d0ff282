// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Cutting a connection's byte stream into messages at the terminator byte.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kuvo {

// The longest message either side accepts, terminator not counted. No
// legitimate message comes near it: the longest built by the game (a board of
// 25 groups) is a few hundred bytes, and a chat line is capped far below it.
// A peer that sends more is closed rather than allowed to grow our memory,
// and the host never sends more.
inline constexpr std::size_t kMaxFrameBytes = 16 * 1024;
// Bytes waiting for their terminator can never exceed one frame.
inline constexpr std::size_t kMaxPendingBytes = kMaxFrameBytes;

class FrameSplitter {
 public:
  FrameSplitter() = default;
  explicit FrameSplitter(std::size_t maxFrame) : maxFrame_(maxFrame) {}

  // Appends the bytes and hands every complete message (terminator removed)
  // to `sink`, in order. Bytes after the last terminator stay pending for the
  // next call. Returns false as soon as a message is longer than the limit,
  // whether it came in one read or in many: the messages before it have been
  // delivered, nothing after it is, and the caller must drop the connection.
  bool feed(std::string_view bytes, const std::function<void(std::string&&)>& sink);

  std::size_t pendingSize() const { return pending_.size(); }

 private:
  bool refuse();

  std::size_t maxFrame_ = kMaxFrameBytes;
  std::string pending_;
};

// Shortens a chat or action text with its colour ("text|colour") to at most
// `budget` bytes: the text before the last bar loses its end, cut between
// UTF-8 characters, and the bar and the colour stay, so the line keeps its
// colour. A text without a bar is cut as a whole. Returns nullopt when even
// the bar and the colour alone are longer than the budget.
std::optional<std::string> fitColouredText(std::string_view text, std::size_t budget);

}  // namespace kuvo
