// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

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

namespace {

// The longest prefix of `text` of at most `length` bytes that does not end
// inside a UTF-8 character.
std::string_view utf8Prefix(std::string_view text, std::size_t length) {
  if (length >= text.size()) return text;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return text.substr(0, length);
}

}  // namespace

std::optional<std::string> fitColouredText(std::string_view text, std::size_t budget) {
  if (text.size() <= budget) return std::string(text);
  const auto bar = text.rfind('|');
  const std::string_view colour = bar == std::string_view::npos ? "" : text.substr(bar);
  if (colour.size() > budget) return std::nullopt;
  std::string out(utf8Prefix(text.substr(0, text.size() - colour.size()), budget - colour.size()));
  out += colour;
  return out;
}

bool FrameSplitter::refuse() {
  pending_.clear();
  pending_.shrink_to_fit();
  return false;
}

}  // namespace kuvo
