// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading the "+"-separated fields of a payload from the left.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kuvo {

// Parses a whole decimal integer (optional sign, 32-bit range). Anything else
// (empty text, blanks, letters, overflow) is not a number.
std::optional<int> parseInt(std::string_view text);

class FieldReader {
 public:
  explicit FieldReader(std::string_view payload) : rest_(payload) {}

  // The text up to the next "+", which is removed with it; without a further
  // "+" the field is all that remains.
  std::string_view field();
  // The next field as a decimal integer; nullopt when it is not one (the
  // field is consumed either way).
  std::optional<int> intField();
  // Everything that remains.
  std::string_view rest();
  bool atEnd() const { return rest_.empty(); }
  std::string_view remaining() const { return rest_; }

 private:
  std::string_view rest_;
};

// Reads a list payload group by group. The remainder gets "+@" appended, and
// groups are read while it is not exactly "@"; a malformed list that runs out
// early also ends the groups instead of reading empty fields for ever.
class GroupReader {
 public:
  explicit GroupReader(std::string_view payload);
  bool moreGroups() const;
  std::string_view field() { return reader_.field(); }
  std::optional<int> intField() { return reader_.intField(); }

 private:
  std::string text_;
  FieldReader reader_;
};

}  // namespace kuvo
