// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fields.h"

#include <charconv>
#include <limits>

namespace kuvo {

std::optional<int> parseInt(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::string_view digits = text;
  if (digits.front() == '+') digits.remove_prefix(1);
  if (digits.empty()) return std::nullopt;
  long long value = 0;
  const bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 11) return std::nullopt;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
    return std::nullopt;
  return static_cast<int>(value);
}

std::string_view FieldReader::field() {
  const auto plus = rest_.find('+');
  std::string_view f;
  if (plus == std::string_view::npos) {
    f = rest_;
    rest_ = {};
  } else {
    f = rest_.substr(0, plus);
    rest_.remove_prefix(plus + 1);
  }
  return f;
}

std::optional<int> FieldReader::intField() {
  return parseInt(field());
}

std::string_view FieldReader::rest() {
  auto r = rest_;
  rest_ = {};
  return r;
}

GroupReader::GroupReader(std::string_view payload)
    : text_(std::string(payload) + "+@"), reader_(text_) {}

bool GroupReader::moreGroups() const {
  return !reader_.atEnd() && reader_.remaining() != "@";
}

}  // namespace kuvo
